#include "app/first_frame.h"
#include "support/qt_app.h"

#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

using namespace cinemoto;
using namespace cinemoto::test;

TEST(Start, FontsReadAheadMeasureAsFontsReadOnTheSpot)
{
    app();
    const QFont font = QApplication::font();
    const QString text = QStringLiteral("Mechanical advantage · Avantatge mecànic · Ventaja mecánica");
    // The main thread measures while the other thread may still be reading the font list.
    auto fonts = readFontsAhead();
    const int during = QFontMetrics(font).horizontalAdvance(text);
    QLabel label(text);
    const int labelWidth = label.sizeHint().width();
    ASSERT_TRUE(fonts.get());
    EXPECT_GT(during, 0);
    EXPECT_EQ(QFontMetrics(font).horizontalAdvance(text), during);
    EXPECT_GE(labelWidth, during);
}
