#include "app/trainer_style.h"
#include "support/qt_app.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {

// A group box drawn under the given style, with a child so it has a body.
QImage drawnBox(QStyle *style, const QString &title, bool checkable)
{
    QGroupBox box(title);
    box.setCheckable(checkable);
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(new QCheckBox(QStringLiteral("Pulley")));
    box.setStyle(style);
    for (QWidget *child : box.findChildren<QWidget *>())
        child->setStyle(style);
    box.resize(180, 90);
    return box.grab().toImage();
}

} // namespace

TEST(TrainerStyle, GroupFramesMatchTheDesktopStylePixelForPixel)
{
    app();
    for (const char *name : {"Fusion", "Windows"}) {
        std::unique_ptr<QStyle> plain(QStyleFactory::create(QString::fromLatin1(name)));
        ASSERT_TRUE(plain) << name;
        auto *trainer = new TrainerStyle;
        trainer->setBaseStyle(QStyleFactory::create(QString::fromLatin1(name)));
        std::unique_ptr<QStyle> owned(trainer);
        for (const QString &title : {QStringLiteral("Mechanism"), QString()}) {
            for (bool checkable : {false, true}) {
                const QImage expected = drawnBox(plain.get(), title, checkable);
                const QImage actual = drawnBox(trainer, title, checkable);
                ASSERT_FALSE(expected.isNull());
                EXPECT_EQ(actual, expected) << name << " title '" << title.toStdString() << "' checkable "
                                            << checkable;
            }
        }
    }
}

TEST(TrainerStyle, TheMenuBarsButtonForHiddenMenusHasAPicture)
{
    app();
    TrainerStyle style;
    const QIcon more = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(more.isNull());
    const QImage drawn = more.pixmap(QSize(16, 16)).toImage();
    int inked = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            inked += qAlpha(drawn.pixel(x, y)) > 128;
    EXPECT_GT(inked, 10);
    QImage shown;
    // A narrow window shows it in place of the menus that do not fit; the button takes the
    // application's style when it is made.
    TrainerStyle::useForApplication();
    {
        QMainWindow window;
        for (const char *title : {"Options", "Difficulty", "Units", "Language", "Help"})
            window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("x"));
        window.resize(120, 80);
        window.show();
        QApplication::processEvents();
        const auto *button = window.menuBar()->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible());
        shown = button->icon().pixmap(QSize(16, 16)).toImage();
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    EXPECT_EQ(shown, drawn);
}
