#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <memory>
#include <vector>

namespace cinemoto {

class MainWindowModel;
struct DrawingParts;
class PartSprites;

// The moving parts over a picture drawn `pixel` device units per design pixel; with a
// region, only the parts that reach into it. With sprites, small parts are copied from
// them rather than drawn.
void paintDrawingParts(QPainter &painter, const DrawingParts &parts, double pixel, const QRegion &only = {},
                       PartSprites *sprites = nullptr);
// Where each part may leave paint, shapes then lines, in painting units; empty when hidden.
std::vector<QRect> drawingPartBounds(const DrawingParts &parts, double pixel);

// The picture area: the mechanism's picture with its moving parts on top, painted from
// the window model. It keeps the picture's proportions and grows with the window.
class PictureView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int designWidth = 379;
    static constexpr int designHeight = 208;

    explicit PictureView(const MainWindowModel &model, QWidget *parent = nullptr);
    ~PictureView() override;

    QSize sizeHint() const override { return {designWidth, designHeight}; }
    QSize minimumSizeHint() const override { return {designWidth, designHeight}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width * designHeight / designWidth; }

    // Paints picture and parts into any painter, the area being `size` pixels.
    // With a region, only what reaches into it.
    void paintScene(QPainter &painter, const QSizeF &size, const QRegion &only = {});
    // Pixels per design pixel.
    double scale() const;
    // After a tick: repaints where the moved parts stood and now stand, or everything
    // when the picture itself changed.
    void partsMoved();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const MainWindowModel &m_model;
    struct CachedPicture
    {
        int id;
        bool mirrored;
        QPixmap pixmap;
        qint64 usedMs;
    };
    // Most recent first: the universal joint turns through four pictures. The pictures
    // of a mechanism left behind go after a while.
    std::vector<CachedPicture> m_pictures;
    static constexpr std::size_t kKeptPictures = 4;
    static constexpr qint64 kKeptPictureMs = 2000;
    QElapsedTimer m_clock;
    int m_cachedPicture = 0;
    bool m_cachedMirrored = false;
    std::vector<QRect> m_partBounds; // as last painted, in widget pixels
    std::unique_ptr<PartSprites> m_sprites;
    // Tiles of the region repainted after a tick, in pixels.
    static constexpr int kDirtyTile = 32;

    int pictureLeft() const;
    void paintScene(QPainter &painter, const QSizeF &size, const QRegion &only, PartSprites *sprites);
    const QPixmap &picture(int id, bool mirrored, const QSize &logical, qreal dpr);
};

} // namespace cinemoto
