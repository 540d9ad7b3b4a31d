#include "setup/setup_window.h"
#include "support/qt_app.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {

struct FakePlatform : InstallerPlatform
{
    QString programs;
    QString menu;
    QString programFilesDir() override { return programs; }
    QString programsMenuDir() override { return menu; }
    bool startProgram(const QString &) override { return true; }
};

class SetupWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir medium, target;
    FakePlatform platform;
    std::unique_ptr<InstallerModel> model;
    std::unique_ptr<SetupWindow> window;

    void SetUp() override
    {
        app();
        const QStringList names = InstallerModel::alwaysCopied() + InstallerModel::languageFiles(1)
            + InstallerModel::languageFiles(2) + InstallerModel::languageFiles(3);
        for (const QString &name : names) {
            QFile f(medium.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(name.toUtf8());
        }
        platform.programs = target.path();
        platform.menu = target.filePath(QStringLiteral("menu"));
        model = std::make_unique<InstallerModel>(platform, medium.path());
        window = std::make_unique<SetupWindow>(*model);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }

    QRadioButton *option(int i) { return window->findChild<QRadioButton *>(QStringLiteral("languageOption_%1").arg(i)); }

    QByteArray installedSettings()
    {
        QFile f(target.filePath(QStringLiteral("cinemoto/cinemoto.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    int checkedCount()
    {
        int n = 0;
        for (int i = 1; i <= 3; ++i)
            n += option(i)->isChecked();
        return n;
    }
};

} // namespace

TEST_F(SetupWindowTest, LanguagesAreRadioButtonsAndTheOneShownIsInstalled)
{
    for (int i = 1; i <= 3; ++i) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(option(i));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::RadioButton);
    }
    // A screen reader toggles English: English alone is ticked, and English is installed.
    QAccessibleInterface *english = QAccessible::queryAccessibleInterface(option(3));
    ASSERT_TRUE(english->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    english->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_EQ(checkedCount(), 1);
    // Toggling the ticked one again cannot leave none ticked.
    english->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(checkedCount(), 1);
    EXPECT_TRUE(option(3)->isChecked());
    // Enter installs with the language shown, from the options themselves.
    option(3)->setFocus();
    QTest::keyClick(option(3), Qt::Key_Return);
    EXPECT_EQ(model->stage, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    ASSERT_EQ(model->stage, 3) << model->error.toStdString();
    EXPECT_EQ(installedSettings(), QByteArray("\x03\x00", 2));
}

TEST_F(SetupWindowTest, ArrowKeysChooseAndCancelLeavesWithoutInstalling)
{
    option(1)->setFocus();
    QTest::keyClick(option(1), Qt::Key_Down);
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_EQ(model->language, 2);
    auto *cancel = window->findChild<QPushButton *>(QStringLiteral("leaveButton"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancelar")); // in the language chosen
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return); // Enter on Cancel cancels
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(model->stage, 1);
    EXPECT_TRUE(installedSettings().isEmpty());
}

TEST_F(SetupWindowTest, EscapeLeavesAndTheWindowHasTheProgramIcon)
{
    EXPECT_FALSE(window->windowIcon().isNull());
    saveScreenshot(window->grab().toImage(), QStringLiteral("setup_window"));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(model->stage, 1);
}
