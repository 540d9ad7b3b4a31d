#include "mechanisms/picture_view.h"

#include "app/formulari.h"
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

PictureView::PictureView(const Formulari &model, QWidget *parent) : QWidget(parent), m_model(model)
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

void PictureView::paintScene(QPainter &p, const QSizeF &size)
{
    const double pixel = std::min(size.width() / designWidth, size.height() / designHeight);
    const Control &area = m_model.c.imgMeca;
    const QSize logical(qRound(designWidth * pixel), qRound(designHeight * pixel));
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    if (m_cache.isNull() || m_cachedPicture != area.picture || m_cachedMirrored != area.pictureMirrored
        || m_cache.size() != logical * dpr) {
        m_cache = picturePixmap(area.picture, logical, dpr, area.pictureMirrored);
        m_cachedPicture = area.picture;
        m_cachedMirrored = area.pictureMirrored;
    }
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0xED, 0xF2, 0xF6));
    p.drawPixmap(0, 0, m_cache);
    paintDrawingParts(p, m_model.parts, pixel);
}

void paintDrawingParts(QPainter &p, const DrawingParts &parts, double pixel)
{
    const double k = pixel / 15.0; // twips to pixels
    p.setRenderHint(QPainter::Antialiasing);
    parts.forEachLine([&](const Line &l) {
        if (l.visible && l.width >= 10)
            paintLine(p, l, k, pixel);
    });
    parts.forEachShape([&](const Shape &s) {
        if (s.visible)
            paintShape(p, s, k, pixel);
    });
    // Thin lines (threads, ropes, tooth lines) sit on the shapes they mark.
    parts.forEachLine([&](const Line &l) {
        if (l.visible && l.width < 10)
            paintLine(p, l, k, pixel);
    });
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!m_model.c.imgMeca.visible)
        return;
    // The picture keeps its proportions, centred in the room it is given.
    const double s = scale();
    const QSizeF area(designWidth * s, designHeight * s);
    p.translate(std::floor((width() - area.width()) / 2), 0);
    paintScene(p, area);
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

} // namespace cinemoto
