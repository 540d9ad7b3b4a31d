#pragma once

#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <vector>

namespace cinemoto {

class MainWindowModel;
struct DrawingParts;

// The moving parts over a picture drawn `pixel` device units per design pixel; with a
// region, only the parts that reach into it.
void paintDrawingParts(QPainter &painter, const DrawingParts &parts, double pixel, const QRegion &only = {});
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
    QPixmap m_cache;
    int m_cachedPicture = 0;
    bool m_cachedMirrored = false;
    std::vector<QRect> m_partBounds; // as last painted, in widget pixels

    int pictureLeft() const;
};

} // namespace cinemoto
