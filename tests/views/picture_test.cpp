#include "app/pictures.h"
#include "mechanisms/drawing.h"
#include "mechanisms/picture_view.h"
#include "support/form_fixture.h"
#include "support/qt_app.h"

#include <QPainter>

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
        form->selectOption(c().opttipus[mechanismInfo(mechanism).type]);
        form->selectOption(c().optsistema[mechanism]);
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
                if (ticks == 0 && !form->c.imgMeca.visible) {
                    // The first tick places the parts of a new layout before it is shown.
                    form->timAnima_Timer();
                    ++done;
                }
                while (done < ticks) {
                    form->timAnima_Timer();
                    ++done;
                }
                ASSERT_TRUE(form->c.imgMeca.visible);
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
    form->timAnima_Timer();
    const QImage image = render(view, 1);
    const Shape &body = form->parts.shaPla;
    const QPoint centre(int((body.left + body.width / 2) / 15), int((body.top + body.height / 2) / 15));
    EXPECT_EQ(QColor(image.pixel(centre)), QColor(255, 0, 0));
    // Twice the size keeps the same place, scaled.
    const QImage big = render(view, 2);
    EXPECT_EQ(QColor(big.pixel(centre * 2)), QColor(255, 0, 0));
}
