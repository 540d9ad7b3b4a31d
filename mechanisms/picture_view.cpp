#include "mechanisms/picture_view.h"

#include "app/main_window_model.h"
#include "app/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace cinemoto {

namespace {

const QColor kOutline(0x1B, 0x26, 0x31);

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

void paintShape(QPainter &p, const Shape &s, double k, double pixel)
{
    const QRectF r = shapeRect(s, k);
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

// A shape's box grown by its outline, its border and the antialiasing fringe.
QRect shapeBounds(const Shape &s, double k, double pixel)
{
    const double pen = std::max(1, s.borderWidth + 1) * pixel;
    return shapeRect(s, k).adjusted(-pen, -pen, pen, pen).toAlignedRect().adjusted(-1, -1, 1, 1);
}

// A line's ends grown by half its cased width (round caps reach as far).
QRect lineBounds(const Line &l, double k, double pixel)
{
    const double half = (l.width + 1.2) * pixel / 2;
    const QRectF ends = QRectF(QPointF(l.x1 * k, l.y1 * k), QPointF(l.x2 * k, l.y2 * k)).normalized();
    return ends.adjusted(-half, -half, half, half).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void paintLine(QPainter &p, const Line &l, double k, double pixel)
{
    const QLineF line(l.x1 * k, l.y1 * k, l.x2 * k, l.y2 * k);
    const double width = l.width * pixel;
    // A dark casing keeps light lines readable on a light picture.
    p.setPen(QPen(kOutline, width + 1.2 * pixel, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(line);
    p.setPen(QPen(QColor::fromRgb(l.colour), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(line);
}

} // namespace

PictureView::PictureView(const MainWindowModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

double PictureView::scale() const
{
    return std::min(double(width()) / designWidth, double(height()) / designHeight);
}

void PictureView::paintScene(QPainter &p, const QSizeF &size, const QRegion &only)
{
    const double pixel = std::min(size.width() / designWidth, size.height() / designHeight);
    const Control &area = m_model.c.pictureArea;
    const QSize logical(qRound(designWidth * pixel), qRound(designHeight * pixel));
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    if (m_cache.isNull() || m_cachedPicture != area.picture || m_cachedMirrored != area.pictureMirrored
        || m_cache.size() != logical * dpr) {
        m_cache = picturePixmap(area.picture, logical, dpr, area.pictureMirrored);
        m_cachedPicture = area.picture;
        m_cachedMirrored = area.pictureMirrored;
    }
    // Only the dirty part of the background is filled and copied, which keeps a tick cheap.
    const QRectF whole(QPointF(0, 0), size);
    const QRectF target = only.isEmpty() ? whole : whole.intersected(only.boundingRect());
    p.fillRect(target, QColor(0xED, 0xF2, 0xF6));
    const QRectF logicalCache(QPointF(0, 0), QSizeF(m_cache.size()) / m_cache.devicePixelRatioF());
    const QRectF source = target.intersected(logicalCache);
    if (!source.isEmpty())
        p.drawPixmap(source, m_cache, QRectF(source.topLeft() * dpr, source.size() * dpr));
    paintDrawingParts(p, m_model.animation.parts, pixel, only);
}

void paintDrawingParts(QPainter &p, const DrawingParts &parts, double pixel, const QRegion &only)
{
    const double k = pixel / 15.0; // twips to pixels
    const bool all = only.isEmpty();
    p.setRenderHint(QPainter::Antialiasing);
    parts.forEachLine([&](const Line &l) {
        if (l.visible && l.width >= 10 && (all || only.intersects(lineBounds(l, k, pixel))))
            paintLine(p, l, k, pixel);
    });
    parts.forEachShape([&](const Shape &s) {
        if (s.visible && (all || only.intersects(shapeBounds(s, k, pixel))))
            paintShape(p, s, k, pixel);
    });
    // Thin lines (threads, ropes, tooth lines) sit on the shapes they mark.
    parts.forEachLine([&](const Line &l) {
        if (l.visible && l.width < 10 && (all || only.intersects(lineBounds(l, k, pixel))))
            paintLine(p, l, k, pixel);
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
        QRegion dirty;
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] != m_partBounds[i])
                dirty = dirty.united(m_partBounds[i]).united(now[i]);
        }
        if (!dirty.isEmpty())
            update(dirty);
    }
    m_partBounds = std::move(now);
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    m_partBounds.clear(); // the next tick repaints everything
    QWidget::resizeEvent(event);
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRegion dirty = event->region();
    p.fillRect(dirty.boundingRect(), palette().window());
    if (!m_model.c.pictureArea.visible)
        return;
    // The picture keeps its proportions, centred in the room it is given.
    const double s = scale();
    const QSizeF area(designWidth * s, designHeight * s);
    const int left = pictureLeft();
    p.translate(left, 0);
    paintScene(p, area, dirty.translated(-left, 0));
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

} // namespace cinemoto
