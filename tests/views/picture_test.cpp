#include "app/pictures.h"
#include "mechanisms/drawing.h"
#include "mechanisms/picture_view.h"
#include "support/form_fixture.h"
#include "support/qt_app.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWindow>

using namespace cinemoto;
using namespace cinemoto::test;

class PictureArea : public FormFixture
{
protected:
    void SetUp() override
    {
        app();
        start(1);
    }
    void choose(int mechanism)
    {
        form->selectOption(c().typeOptions[mechanismInfo(mechanism).type]);
        form->selectOption(c().mechanismOptions[mechanism]);
    }
    QImage render(PictureView &view, double scale)
    {
        QImage image(QSize(int(379 * scale), int(208 * scale)), QImage::Format_ARGB32);
        QPainter p(&image);
        view.paintScene(p, QSizeF(image.size()));
        return image;
    }
};

TEST_F(PictureArea, EveryPictureOfTheTrainerIsPresentAndDrawable)
{
    std::vector<int> ids;
    for (int id = 51; id <= 69; ++id)
        ids.push_back(id);
    for (int id : {71, 72, 73, 75, 76, 77, 78, 79, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 95, 96,
                   97, 41, 42, 43})
        ids.push_back(id);
    for (int id : ids) {
        EXPECT_TRUE(pictureExists(id)) << id;
        const QSize size = pictureSize(id);
        if (id >= 51 && id <= 69) {
            EXPECT_EQ(size, QSize(379, 208)) << id;
        }
        if (id >= 75 && id <= 93) {
            EXPECT_GE(size.width(), 2 * 379) << id;
        }
        const QImage image = renderPicture(id, size);
        // Something is drawn: not a single flat colour.
        const QRgb corner = image.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 3)
            for (int x = 0; x < image.width() && !varied; x += 3)
                varied = image.pixel(x, y) != corner;
        EXPECT_TRUE(varied) << id;
    }
    EXPECT_FALSE(pictureExists(80));
    for (const char *tool : {"calculator", "copy", "print", "exam", "exams", "sound", "help", "about",
                             "readme", "links", "question"})
        EXPECT_FALSE(toolIcon(QString::fromLatin1(tool)).isNull()) << tool;
}

TEST_F(PictureArea, ToolIconsAreDrawnAtTheirSizeAndGreyedWhenDisabled)
{
    const QIcon icon = toolIcon(QStringLiteral("exam"));
    const QPixmap normal = icon.pixmap(QSize(26, 26));
    const QPixmap disabled = icon.pixmap(QSize(26, 26), QIcon::Disabled);
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(normal.size(), QSize(26, 26));
    EXPECT_EQ(icon.pixmap(QSize(52, 52)).size(), QSize(52, 52));
    EXPECT_EQ(disabled.size(), normal.size());
    EXPECT_FALSE(disabled.toImage() == normal.toImage());
    // Greyed: no pixel of the disabled icon keeps a strong colour.
    const QImage grey = disabled.toImage().convertToFormat(QImage::Format_ARGB32);
    int coloured = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QColor c = grey.pixelColor(x, y);
            coloured += c.alpha() > 128 && c.hsvSaturation() > 100;
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_TRUE(toolIcon(QStringLiteral("no-such-tool")).isNull());
    // Greyed against the palette in use: a dark one greys it anew.
    const QPalette light = QGuiApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Disabled, QPalette::Window, Qt::black);
    QGuiApplication::setPalette(dark);
    const QImage onDark = icon.pixmap(QSize(26, 26), QIcon::Disabled).toImage();
    QGuiApplication::setPalette(light);
    EXPECT_FALSE(onDark == disabled.toImage());
    EXPECT_TRUE(icon.pixmap(QSize(26, 26), QIcon::Disabled).toImage() == disabled.toImage());
    // The program's icon offers the sizes a window manager shows.
    const QList<QSize> sizes = programIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(64, 64)));
}

TEST_F(PictureArea, RendersEveryMechanismAfter0_10And40Ticks)
{
    PictureView view(*form);
    for (int m = 1; m <= 19; ++m) {
        for (bool mirrored : {false, true}) {
            if (mirrored && !mirrorsPicture(m))
                continue;
            choose(m);
            form->loadMechanismPicture(mirrored);
            int done = 0;
            for (int ticks : {0, 10, 40}) {
                if (ticks == 0 && !form->c.pictureArea.visible) {
                    // The first tick places the parts of a new layout before it is shown.
                    form->onAnimationTick();
                    ++done;
                }
                while (done < ticks) {
                    form->onAnimationTick();
                    ++done;
                }
                ASSERT_TRUE(form->c.pictureArea.visible);
                const QImage image = render(view, 2);
                saveScreenshot(image, QStringLiteral("mechanism_%1%2_tick%3")
                                          .arg(m, 2, 10, QLatin1Char('0'))
                                          .arg(mirrored ? QStringLiteral("_mirrored") : QString())
                                          .arg(ticks));
            }
        }
    }
}

TEST_F(PictureArea, MovingPartsArePaintedInTheirColours)
{
    PictureView view(*form);
    choose(19);
    form->onAnimationTick();
    const QImage image = render(view, 1);
    const Shape &body = form->animation.parts.planeBody;
    const QPoint centre(int((body.left + body.width / 2) / 15), int((body.top + body.height / 2) / 15));
    EXPECT_EQ(QColor(image.pixel(centre)), QColor(255, 0, 0));
    // Twice the size keeps the same place, scaled.
    const QImage big = render(view, 2);
    EXPECT_EQ(QColor(big.pixel(centre * 2)), QColor(255, 0, 0));
}

namespace {
// Round teeth are drawn with the smaller side of their box.
double toothGap(const Shape &a, const Shape &b)
{
    const double da = std::min(a.width, a.height), db = std::min(b.width, b.height);
    const double dx = (a.left + a.width / 2) - (b.left + b.width / 2);
    const double dy = (a.top + a.height / 2) - (b.top + b.height / 2);
    return std::hypot(dx, dy) - (da + db) / 2;
}

template <std::size_t N, std::size_t M>
double closestTeeth(const std::array<Shape, N> &one, const std::array<Shape, M> &other)
{
    double least = 1e9;
    for (std::size_t i = 1; i < N; ++i)
        for (std::size_t j = 1; j < M; ++j)
            if (one[i].visible && other[j].visible)
                least = std::min(least, toothGap(one[i], other[j]));
    return least;
}
} // namespace

TEST_F(PictureArea, MeetingGearsPassTheirTeethBetweenEachOther)
{
    for (int m : {1, 12}) {
        for (bool mirrored : {false, true}) {
            choose(m);
            form->loadMechanismPicture(mirrored);
            DrawingParts &p = form->animation.parts;
            // Long enough for wheels turning at slightly wrong rates to drift into each other.
            for (int tick = 0; tick < 6000; ++tick) {
                form->onAnimationTick();
                ASSERT_GT(closestTeeth(p.smallWheelTeeth, p.largeWheelTeeth), 0) << m << (mirrored ? " mirrored" : "") << " tick " << tick;
                if (m == 12) {
                    ASSERT_GT(closestTeeth(p.smallWheelTeeth, p.idlerTeeth), 0)
                        << "idler" << (mirrored ? " mirrored" : "") << " tick " << tick;
                }
            }
        }
    }
}

TEST_F(PictureArea, TheWormsThreadRunsIntoItsBearingsNotOverThem)
{
    PictureView view(*form);
    choose(8);
    const QColor block = QColor::fromRgba(kCyanWhite);
    for (int tick = 0; tick < 60; ++tick) {
        form->onAnimationTick();
        const QImage image = render(view, 1);
        for (int i = 1; i <= 3; ++i) {
            const Shape &b = form->animation.parts.wormShaftBlocks[i];
            // The inside of each block, a pixel in from its edge.
            const QRect inside(int(b.left / 15) + 2, int(b.top / 15) + 2, int(b.width / 15) - 4, int(b.height / 15) - 4);
            int foreign = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    foreign += QColor(image.pixel(x, y)) != block;
            ASSERT_EQ(foreign, 0) << "block " << i << " at tick " << tick;
        }
    }
}

TEST_F(PictureArea, TheChainCoversTheSprocketTeethItWraps)
{
    PictureView view(*form);
    choose(5);
    for (bool mirrored : {false, true}) {
        form->loadMechanismPicture(mirrored);
        // The chain's own track on the picture, without the moving parts.
        const QImage track = renderPicture(55, QSize(379, 208), mirrored);
        for (int tick = 0; tick < 80; ++tick) {
            form->onAnimationTick();
            const QImage image = render(view, 1);
            int covered = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    covered += QColor(track.pixel(x, y)) == QColor(0x2B, 0x2F, 0x36)
                        && QColor(image.pixel(x, y)) == QColor(255, 0, 0);
            ASSERT_LE(covered, 3) << (mirrored ? "mirrored" : "plain") << " tick " << tick;
        }
    }
}

namespace {

// Keeps the region of every paint event the widget receives.
void waitAMoment()
{
    QCoreApplication::processEvents();
    QThread::msleep(2);
}

class PaintSpy : public QObject
{
public:
    std::vector<QRegion> regions;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent *>(event)->region());
        return false;
    }
};

} // namespace

// A tick repaints only where parts stood and now stand, and what the screen then holds is
// what a whole repaint draws.
TEST_F(PictureArea, ATickRepaintsOnlyAroundTheMovedPartsAndLeavesTheScreenRight)
{
    for (int mechanism : {5, 13, 3, 7, 11}) {
        SCOPED_TRACE(mechanism);
        choose(mechanism);
        PictureView view(*form);
        view.resize(2 * 379, 2 * 208);
        PaintSpy spy;
        view.installEventFilter(&spy);
        view.show();
        for (int i = 0; i < 500 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++i)
            waitAMoment();
        ASSERT_TRUE(view.windowHandle() && view.windowHandle()->isExposed());
        form->onAnimationTick();
        view.partsMoved(); // the first tick after a change paints everything
        const auto painted = [&] {
            spy.regions.clear();
            for (int i = 0; i < 500 && spy.regions.empty(); ++i)
                waitAMoment();
            return spy.regions.empty() ? QRegion() : spy.regions.back();
        };
        EXPECT_EQ(painted().boundingRect(), view.rect());
        for (int tick = 0; tick < 8; ++tick) {
            const std::vector<QRect> before = drawingPartBounds(form->animation.parts, view.scale());
            form->onAnimationTick();
            const std::vector<QRect> after = drawingPartBounds(form->animation.parts, view.scale());
            view.partsMoved();
            const QRegion region = painted();
            ASSERT_FALSE(region.isEmpty());
            qint64 area = 0;
            for (const QRect &r : region)
                area += qint64(r.width()) * r.height();
            // Never the whole view: at most the box around what moved, which for wheels
            // spread over the picture is most of it.
            EXPECT_LT(area, qint64(view.width()) * view.height() * 9 / 10);
            for (std::size_t i = 0; i < after.size(); ++i) {
                if (before[i] != after[i]) {
                    EXPECT_TRUE((QRegion(before[i]) - region).isEmpty()) << "part " << i << " left behind";
                    EXPECT_TRUE((QRegion(after[i]) - region).isEmpty()) << "part " << i << " not drawn";
                }
            }
        }
        const QImage shown = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage whole = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), whole.size());
        EXPECT_TRUE(shown == whole) << "the screen differs from a whole repaint";
    }
}

// On screen small parts are copied from sprites placed to a quarter pixel: what shows
// must be the drawing of the same parts, not the parts a pixel off or missing.
TEST_F(PictureArea, TheWindowShowsTheSamePartsAsTheirDrawing)
{
    for (int mechanism : {13, 3, 5, 8, 18}) {
        SCOPED_TRACE(mechanism);
        choose(mechanism);
        PictureView view(*form);
        view.resize(2 * 379, 2 * 208);
        for (int tick = 0; tick < 12; ++tick) {
            form->onAnimationTick();
            const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QImage drawn(view.size(), QImage::Format_RGB32);
            QPainter p(&drawn);
            view.paintScene(p, QSizeF(drawn.size()));
            p.end();
            ASSERT_EQ(shown.size(), drawn.size());
            int worst = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const QRgb a = shown.pixel(x, y), b = drawn.pixel(x, y);
                    worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))});
                }
            }
            // Placed to the nearest quarter pixel, an edge changes by a part of its contrast;
            // a part a pixel off changes by all of it.
            ASSERT_LE(worst, 72) << "tick " << tick;
        }
    }
}
