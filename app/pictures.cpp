#include "app/pictures.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <memory>

namespace cinemoto {

namespace {

using Renderers = QHash<QString, std::shared_ptr<QSvgRenderer>>;

std::shared_ptr<QSvgRenderer> parsed(const QString &path)
{
    auto r = std::make_shared<QSvgRenderer>(path);
    return r->isValid() ? r : nullptr;
}

QSvgRenderer *renderer(const QString &path)
{
    static Renderers cache;
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.insert(path, parsed(path));
    return it->get();
}

// An icon drawn from its picture when first painted at a size, the picture read once
// for all its sizes and states.
class PictureIconEngine : public QIconEngine
{
public:
    explicit PictureIconEngine(const QString &path) : m_path(path) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        // Greyed icons follow the palette, which a pupil may switch to high contrast.
        const QString key = QStringLiteral("%1x%2 %3 %4")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode))
                                .arg(mode == QIcon::Normal ? 0 : QApplication::palette().cacheKey());
        auto it = m_drawn.constFind(key);
        if (it != m_drawn.constEnd())
            return *it;
        QPixmap drawn = draw(size, mode, state);
        m_drawn.insert(key, drawn);
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }

    QIconEngine *clone() const override { return new PictureIconEngine(m_path); }
    QString key() const override { return QStringLiteral("cinemoto-picture"); }

private:
    QPixmap draw(const QSize &size, QIcon::Mode mode, QIcon::State) const
    {
        // Read for this drawing only: an icon is drawn once a size and state, and its parsed
        // picture would stay in memory for nothing.
        const auto r = parsed(m_path);
        if (!r)
            return QPixmap();
        QSize actual = r->defaultSize();
        if (!actual.isNull())
            actual.scale(size, Qt::KeepAspectRatio);
        if (actual.isEmpty())
            return QPixmap();
        QImage image(actual, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter p(&image);
        r->render(&p);
        p.end();
        QPixmap drawn = QPixmap::fromImage(image);
        if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
            if (!generated.isNull())
                drawn = generated;
        }
        return drawn;
    }

    QString m_path;
    QHash<QString, QPixmap> m_drawn;
};

QImage drawPicture(QSvgRenderer *r, const QSize &size, bool mirrored)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
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

QIcon iconFrom(const QString &path)
{
    return QFile::exists(path) ? QIcon(new PictureIconEngine(path)) : QIcon();
}

} // namespace

QString pictureResource(int id)
{
    if (id >= 41 && id <= 43)
        return toolIconResource(QString::number(id));
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
    return drawPicture(renderer(pictureResource(id)), size, mirrored);
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

QString toolIconResource(const QString &name)
{
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QIcon toolIcon(const QString &name)
{
    return iconFrom(toolIconResource(name));
}

QIcon programIcon()
{
    // From the file, the window system would have it drawn at four sizes up to 128 pixels
    // as each window appears.
    QIcon icon;
    const auto r = parsed(toolIconResource(QStringLiteral("cinemoto")));
    if (!r)
        return icon;
    for (int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        r->render(&p, QRectF(0, 0, side, side));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace cinemoto
