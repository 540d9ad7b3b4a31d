#pragma once

#include <QPixmap>
#include <QWidget>

namespace cinemoto {

class Formulari;
struct DrawingParts;

// The moving parts over a picture drawn `pixel` device units per design pixel.
void paintDrawingParts(QPainter &painter, const DrawingParts &parts, double pixel);

// The picture area: the mechanism's picture with its moving parts on top, painted from
// the window model. It keeps the picture's proportions and grows with the window.
class PictureView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int designWidth = 379;
    static constexpr int designHeight = 208;

    explicit PictureView(const Formulari &model, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {designWidth, designHeight}; }
    QSize minimumSizeHint() const override { return {designWidth, designHeight}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width * designHeight / designWidth; }

    // Paints picture and parts into any painter, the area being `size` pixels.
    void paintScene(QPainter &painter, const QSizeF &size);
    // Pixels per design pixel.
    double scale() const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const Formulari &m_model;
    QPixmap m_cache;
    int m_cachedPicture = 0;
    bool m_cachedMirrored = false;
};

} // namespace cinemoto
