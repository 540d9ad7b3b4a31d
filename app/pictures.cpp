#include "app/pictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace cinemoto {

namespace {

QSvgRenderer *renderer(const QString &path)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        auto r = std::make_shared<QSvgRenderer>(path);
        it = cache.insert(path, r->isValid() ? r : nullptr);
    }
    return it->get();
}

// Icons are drawn by the SVG icon engine when first painted, at the size needed.
QIcon iconFrom(const QString &path)
{
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace

QString pictureResource(int id)
{
    if (id >= 41 && id <= 43)
        return QStringLiteral(":/icons/%1.svg").arg(id);
    return QStringLiteral(":/pictures/%1.svg").arg(id);
}

bool pictureExists(int id)
{
    return renderer(pictureResource(id)) != nullptr;
}

QSize pictureSize(int id)
{
    QSvgRenderer *r = renderer(pictureResource(id));
    return r ? r->defaultSize() : QSize();
}

QImage renderPicture(int id, const QSize &size, bool mirrored)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer *r = renderer(pictureResource(id));
    if (!r || size.isEmpty())
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (mirrored) {
        p.translate(size.width(), 0);
        p.scale(-1, 1);
    }
    r->render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QPixmap picturePixmap(int id, const QSize &logicalSize, qreal devicePixelRatio, bool mirrored)
{
    QPixmap pixmap = QPixmap::fromImage(renderPicture(id, logicalSize * devicePixelRatio, mirrored));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon pictureIcon(int id)
{
    return iconFrom(pictureResource(id));
}

QIcon toolIcon(const QString &name)
{
    return iconFrom(QStringLiteral(":/icons/%1.svg").arg(name));
}

} // namespace cinemoto
