#include "mechanisms/picture_view.h"

#include "app/main_window_model.h"
#include "app/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

namespace cinemoto {

namespace {

const QColor kOutline(0x1B, 0x26, 0x31);
const QColor kBackground(0xED, 0xF2, 0xF6);

QRectF shapeRect(const Shape &s, double k)
{
    QRectF box(s.left * k, s.top * k, s.width * k, s.height * k);
    if (s.kind == Shape::Kind::Circle || s.kind == Shape::Kind::Square
        || s.kind == Shape::Kind::RoundedSquare) {
        // Drawn centred in the box with the smaller side.
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    return box;
}

void paintShape(QPainter &p, const Shape &s, const QRectF &r, double pixel)
{
    QPainterPath path;
    switch (s.kind) {
    case Shape::Kind::Circle:
    case Shape::Kind::Oval:
        path.addEllipse(r);
        break;
    case Shape::Kind::RoundedRectangle:
    case Shape::Kind::RoundedSquare: {
        const double radius = std::min(r.width(), r.height()) / 5;
        path.addRoundedRect(r, radius, radius);
        break;
    }
    default:
        path.addRect(r);
        break;
    }
    if (s.filled) {
        p.setPen(QPen(kOutline, pixel));
        p.setBrush(QColor::fromRgb(s.colour));
        p.drawPath(path);
    }
    if (s.borderWidth > 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kOutline, (s.borderWidth + 1) * pixel));
        p.drawPath(path);
        p.setPen(QPen(QColor::fromRgb(s.colour), s.borderWidth * pixel));
        p.drawPath(path);
    }
}

double shapePen(const Shape &s, double pixel)
{
    return std::max(1, s.borderWidth + 1) * pixel;
}

// A shape's box grown by its outline, its border and the antialiasing fringe.
QRect shapeBounds(const Shape &s, double k, double pixel)
{
    const double pen = shapePen(s, pixel);
    return shapeRect(s, k).adjusted(-pen, -pen, pen, pen).toAlignedRect().adjusted(-1, -1, 1, 1);
}

// The tiles of a grid that `rects` touch, joined into rows. Hundreds of small clip
// rectangles cost far more to paint and to send to the screen than the pixels a coarser
// cover adds.
constexpr qint64 kBoxOverTiles = 3;

QRegion coveringRegion(const std::vector<QRect> &rects, int tile)
{
    QRect all;
    for (const QRect &r : rects)
        all |= r;
    if (all.isEmpty())
        return {};
    const QPoint origin = all.topLeft();
    const int columns = all.width() / tile + 1, rows = all.height() / tile + 1;
    std::vector<bool> touched(std::size_t(columns) * std::size_t(rows));
    for (const QRect &r : rects) {
        if (r.isEmpty())
            continue;
        const QRect t = r.translated(-origin);
        for (int y = t.top() / tile; y <= t.bottom() / tile; ++y)
            for (int x = t.left() / tile; x <= t.right() / tile; ++x)
                touched[std::size_t(y) * columns + std::size_t(x)] = true;
    }
    QRegion region;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns;) {
            const int start = x;
            while (x < columns && touched[std::size_t(y) * columns + std::size_t(x)])
                ++x;
            if (x > start)
                region += QRect(origin + QPoint(start * tile, y * tile), QSize((x - start) * tile, tile));
            else
                ++x;
        }
    }
    region &= all;
    // Every rectangle is a pass of painting that Qt spreads over threads, waking them and
    // waiting for them: once the tiles fill a third of their bounding box, the box is cheaper.
    qint64 covered = 0;
    for (const QRect &r : region)
        covered += qint64(r.width()) * r.height();
    if (qint64(all.width()) * all.height() <= kBoxOverTiles * covered)
        return all;
    return region;
}

// A line's ends grown by half its cased width (round caps reach as far).
QRect lineBounds(const Line &l, double k, double pixel)
{
    const double half = (l.width + 1.2) * pixel / 2;
    const QRectF ends = QRectF(QPointF(l.x1 * k, l.y1 * k), QPointF(l.x2 * k, l.y2 * k)).normalized();
    return ends.adjusted(-half, -half, half, half).toAlignedRect().adjusted(-1, -1, 1, 1);
}

QLineF lineAt(const Line &l, double k)
{
    return {l.x1 * k, l.y1 * k, l.x2 * k, l.y2 * k};
}

void paintLine(QPainter &p, const Line &l, const QLineF &line, double pixel)
{
    const double width = l.width * pixel;
    // A dark casing keeps light lines readable on a light picture. Drawn as a flat line
    // and two round ends: a round-capped pen goes through the general stroker, several
    // times slower for the long bars that move every tick.
    const auto rounded = [&](const QColor &colour, double w) {
        p.setPen(QPen(colour, w, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(line);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(line.p1(), w / 2, w / 2);
        p.drawEllipse(line.p2(), w / 2, w / 2);
        p.setBrush(Qt::NoBrush);
    };
    rounded(kOutline, width + 1.2 * pixel);
    rounded(QColor::fromRgb(l.colour), width);
}

} // namespace

// Small parts are drawn once per shape, colour and quarter-pixel offset and then only
// copied: stroking the outlines of some sixty teeth every tick is most of a tick's cost.
// A part is always drawn the same way, so that a partial repaint matches a whole one.
class PartSprites
{
public:
    // `r` and `line` in device pixels, the painter translated by whole pixels only.
    void paint(QPainter &p, const Shape &s, const QRectF &r, double pixel)
    {
        const Key key{int(s.kind), r.width(), r.height(), s.colour, s.filled, s.borderWidth, pixel};
        paint(p, key, r.topLeft(), r.size(), int(std::ceil(shapePen(s, pixel))) + 2, kMaxShapeSide,
              [&](QPainter &q, QPointF at) { paintShape(q, s, QRectF(at, r.size()), pixel); });
    }
    void paint(QPainter &p, const Line &l, const QLineF &exact, double pixel)
    {
        // Both ends to the quarter pixel: a moving line then meets the same forms again.
        const auto quarter = [](QPointF at) { return QPointF(std::round(at.x() * 4), std::round(at.y() * 4)) / 4; };
        const QLineF line(quarter(exact.p1()), quarter(exact.p2()));
        const Key key{kLineKind, line.dx(), line.dy(), l.colour, false, l.width, pixel};
        const QPointF corner(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2()));
        paint(p, key, corner, QSizeF(std::abs(line.dx()), std::abs(line.dy())),
              int(std::ceil((l.width + 1.2) * pixel / 2)) + 2, kMaxLineSide,
              [&](QPainter &q, QPointF at) { paintLine(q, l, line.translated(at - corner), pixel); });
    }

private:
    static constexpr int kLineKind = 100;
    // Shapes up to the cam's disc and the pulleys at the window's first size: stroking such
    // an outline every tick costs more than sixteen copies of it kept. Longer lines mostly
    // change length as they move, so a kept copy would seldom be met again.
    static constexpr int kMaxShapeSide = 160;
    static constexpr int kMaxLineSide = 80;
    static constexpr qsizetype kMaxBytes = 4 << 20;
    struct Key
    {
        int kind;
        double width, height; // a line's run and rise
        std::uint32_t colour;
        bool filled;
        int pen;
        double pixel;
        int quarterX = 0, quarterY = 0;
        auto operator<=>(const Key &) const = default;
    };
    std::map<Key, QImage> m_sprites;
    qsizetype m_bytes = 0;

    template <typename Draw>
    void paint(QPainter &p, Key key, QPointF corner, QSizeF extent, int margin, int maxSide, const Draw &draw)
    {
        const QSize size(int(std::ceil(extent.width())) + 2 * margin + 1,
                         int(std::ceil(extent.height())) + 2 * margin + 1);
        if (size.width() > maxSide || size.height() > maxSide) {
            draw(p, corner);
            return;
        }
        const QPoint quarters(int(std::lround(corner.x() * 4)), int(std::lround(corner.y() * 4)));
        key.quarterX = ((quarters.x() % 4) + 4) % 4;
        key.quarterY = ((quarters.y() % 4) + 4) % 4;
        auto found = m_sprites.find(key);
        if (found == m_sprites.end()) {
            QImage sprite(size, QImage::Format_ARGB32_Premultiplied);
            sprite.fill(Qt::transparent);
            QPainter q(&sprite);
            q.setRenderHint(QPainter::Antialiasing);
            draw(q, QPointF(margin + key.quarterX / 4.0, margin + key.quarterY / 4.0));
            q.end();
            if (m_bytes + sprite.sizeInBytes() > kMaxBytes) {
                m_sprites.clear();
                m_bytes = 0;
            }
            m_bytes += sprite.sizeInBytes();
            found = m_sprites.emplace(key, std::move(sprite)).first;
        }
        const auto whole = [](int q) { return q >= 0 ? q / 4 : -((-q + 3) / 4); };
        p.drawImage(QPoint(whole(quarters.x()) - margin, whole(quarters.y()) - margin), found->second);
    }
};

PictureView::PictureView(const MainWindowModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_sprites(std::make_unique<PartSprites>())
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    m_clock.start();
}

double PictureView::scale() const
{
    return std::min(double(width()) / designWidth, double(height()) / designHeight);
}

PictureView::~PictureView() = default;

void PictureView::paintScene(QPainter &p, const QSizeF &size, const QRegion &only)
{
    paintScene(p, size, only, nullptr);
}

void PictureView::paintScene(QPainter &p, const QSizeF &size, const QRegion &only, PartSprites *sprites)
{
    const double pixel = std::min(size.width() / designWidth, size.height() / designHeight);
    const Control &area = m_model.c.pictureArea;
    const QSize logical(qRound(designWidth * pixel), qRound(designHeight * pixel));
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QPixmap &cache = picture(area.picture, area.pictureMirrored, logical, dpr);
    // Only the dirty rectangles of the picture are copied, one by one: small copies cost
    // less than one of their bounding box, which Qt also spreads over threads.
    const QRectF whole(QPointF(0, 0), size);
    const QRectF logicalCache(QPointF(0, 0), QSizeF(cache.size()) / cache.devicePixelRatioF());
    const auto copy = [&](const QRectF &target) {
        if (!logicalCache.contains(target))
            p.fillRect(target, kBackground);
        const QRectF source = target.intersected(logicalCache);
        if (!source.isEmpty())
            p.drawPixmap(source, cache, QRectF(source.topLeft() * dpr, source.size() * dpr));
    };
    if (only.isEmpty()) {
        copy(whole);
    } else {
        for (const QRect &r : only) {
            const QRectF target = whole.intersected(r);
            if (!target.isEmpty())
                copy(target);
        }
    }
    paintDrawingParts(p, m_model.animation.parts, pixel, only, sprites);
}

const QPixmap &PictureView::picture(int id, bool mirrored, const QSize &logical, qreal dpr)
{
    m_cachedPicture = id;
    m_cachedMirrored = mirrored;
    const QSize size = logical * dpr;
    const qint64 now = m_clock.elapsed();
    std::erase_if(m_pictures, [&](const CachedPicture &c) {
        const bool wanted = c.id == id && c.mirrored == mirrored;
        return c.pixmap.size() != size || (!wanted && now - c.usedMs > kKeptPictureMs);
    });
    const auto found = std::find_if(m_pictures.begin(), m_pictures.end(), [&](const CachedPicture &c) {
        return c.id == id && c.mirrored == mirrored;
    });
    if (found != m_pictures.end()) {
        std::rotate(m_pictures.begin(), found, found + 1);
        m_pictures.front().usedMs = now;
        return m_pictures.front().pixmap;
    }
    // The background goes into the cache once rather than under it every frame.
    const QPixmap drawn = picturePixmap(id, logical, dpr, mirrored);
    QPixmap pixmap(drawn.size());
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(kBackground);
    QPainter(&pixmap).drawPixmap(0, 0, drawn);
    if (m_pictures.size() >= kKeptPictures)
        m_pictures.pop_back();
    m_pictures.insert(m_pictures.begin(), CachedPicture{id, mirrored, std::move(pixmap), now});
    return m_pictures.front().pixmap;
}

void paintDrawingParts(QPainter &p, const DrawingParts &parts, double pixel, const QRegion &only,
                       PartSprites *sprites)
{
    const double k = pixel / 15.0; // twips to pixels
    const bool all = only.isEmpty();
    p.setRenderHint(QPainter::Antialiasing);
    // Sprites are placed on whole device pixels.
    const QTransform &t = p.worldTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy())
        || (p.device() && p.device()->devicePixelRatioF() != 1.0))
        sprites = nullptr;
    const auto line = [&](const Line &l) {
        if (sprites)
            sprites->paint(p, l, lineAt(l, k), pixel);
        else
            paintLine(p, l, lineAt(l, k), pixel);
    };
    parts.forEachLine([&](const Line &l) {
        if (l.visible && l.width >= 10 && (all || only.intersects(lineBounds(l, k, pixel))))
            line(l);
    });
    parts.forEachShape([&](const Shape &s) {
        if (!s.visible || !(all || only.intersects(shapeBounds(s, k, pixel))))
            return;
        if (sprites)
            sprites->paint(p, s, shapeRect(s, k), pixel);
        else
            paintShape(p, s, shapeRect(s, k), pixel);
    });
    // Thin lines (threads, ropes, tooth lines) sit on the shapes they mark.
    parts.forEachLine([&](const Line &l) {
        if (l.visible && l.width < 10 && (all || only.intersects(lineBounds(l, k, pixel))))
            line(l);
    });
}

std::vector<QRect> drawingPartBounds(const DrawingParts &parts, double pixel)
{
    const double k = pixel / 15.0;
    std::vector<QRect> bounds;
    parts.forEachShape([&](const Shape &s) { bounds.push_back(s.visible ? shapeBounds(s, k, pixel) : QRect()); });
    parts.forEachLine([&](const Line &l) { bounds.push_back(l.visible ? lineBounds(l, k, pixel) : QRect()); });
    return bounds;
}

int PictureView::pictureLeft() const
{
    return int(std::floor((width() - designWidth * scale()) / 2));
}

void PictureView::partsMoved()
{
    const Control &area = m_model.c.pictureArea;
    std::vector<QRect> now = drawingPartBounds(m_model.animation.parts, scale());
    const QPoint offset(pictureLeft(), 0);
    for (QRect &r : now)
        r.translate(offset);
    if (area.picture != m_cachedPicture || area.pictureMirrored != m_cachedMirrored
        || now.size() != m_partBounds.size()) {
        update();
    } else {
        std::vector<QRect> moved;
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] != m_partBounds[i]) {
                moved.push_back(m_partBounds[i]);
                moved.push_back(now[i]);
            }
        }
        const QRegion dirty = coveringRegion(moved, kDirtyTile);
        if (!dirty.isEmpty())
            update(dirty);
    }
    m_partBounds = std::move(now);
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    m_partBounds.clear(); // the next tick repaints everything
    m_sprites = std::make_unique<PartSprites>(); // drawn for the old size
    QWidget::resizeEvent(event);
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRegion dirty = event->region();
    if (!m_model.c.pictureArea.visible) {
        p.fillRect(dirty.boundingRect(), palette().window());
        return;
    }
    // The picture keeps its proportions, centred in the room it is given.
    const double s = scale();
    const QSizeF area(designWidth * s, designHeight * s);
    const int left = pictureLeft();
    // The window's colour only where no picture pixel will cover it.
    for (const QRect &r : dirty - QRect(left, 0, int(area.width()), int(area.height())))
        p.fillRect(r, palette().window());
    p.translate(left, 0);
    paintScene(p, area, dirty.translated(-left, 0), m_sprites.get());
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

} // namespace cinemoto
