#include "app/contrast.h"
#include "app/main_window_view.h"
#include "mechanisms/picture_view.h"
#include "support/form_fixture.h"
#include "support/main_window_fixture.h"
#include "support/qt_app.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {
const char *const kNames[] = {"", "ca", "es", "en"};
}

class MainWindowAccess : public MainWindowFixture
{
protected:
    void open(int language = 1)
    {
        showMainWindow(language, QSize(1024, 700));
        QApplication::setActiveWindow(view.get());
        view->tick();
        QApplication::processEvents();
    }
    template <typename W>
    W *widget(const Control &control)
    {
        return qobject_cast<W *>(view->widgetFor(control));
    }
    void startExercise()
    {
        QTest::mouseClick(widget<QPushButton>(c().exerciseButton), Qt::LeftButton);
        QApplication::processEvents();
    }
    int checkedIn(const Control &frame)
    {
        int checked = 0;
        for (QRadioButton *option : widget<QGroupBox>(frame)->findChildren<QRadioButton *>())
            checked += option->isChecked() ? 1 : 0;
        return checked;
    }
};

TEST_F(MainWindowAccess, AnAnswerPutInThroughTheAccessibilityInterfaceIsJudgedLikeATypedOne)
{
    open();
    startExercise();
    ASSERT_TRUE(form->run.running());
    QLineEdit *answer = widget<QLineEdit>(c().answerBox);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(answer);
    ASSERT_NE(iface, nullptr);
    ASSERT_NE(iface->editableTextInterface(), nullptr);
    iface->editableTextInterface()->insertText(0, QString::number(double(st().solution), 'g', 9));
    EXPECT_FALSE(answer->text().isEmpty());
    QTest::keyClick(answer, Qt::Key_Return);
    EXPECT_TRUE(form->run.answerCorrect());

    // Replacing the whole text, as on-screen keyboards do, counts as well.
    startExercise(); // stop
    startExercise();
    answer = widget<QLineEdit>(c().answerBox);
    iface = QAccessible::queryAccessibleInterface(answer);
    iface->setText(QAccessible::Value, QString::number(double(st().solution), 'g', 9));
    QTest::mouseClick(widget<QPushButton>(c().doneButton), Qt::LeftButton);
    EXPECT_TRUE(form->run.answerCorrect());
}

TEST_F(MainWindowAccess, OptionsAreExclusiveRadioButtonsAndTheExerciseFollowsWhatIsShown)
{
    open();
    for (const Control *frame : {&c().typeFrame, &c().mechanismFrame, &c().exerciseFrame}) {
        for (QRadioButton *option : widget<QGroupBox>(*frame)->findChildren<QRadioButton *>()) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(option);
            EXPECT_EQ(iface->role(), QAccessible::RadioButton) << option->objectName().toStdString();
            EXPECT_TRUE(iface->state().checkable);
        }
    }
    // Toggled through the accessibility interface: one mechanism stays selected, and it is
    // the one the exercise uses.
    QRadioButton *lever = widget<QRadioButton>(c().mechanismOptions[18]);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(lever);
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QApplication::processEvents();
    EXPECT_TRUE(iface->state().checked);
    EXPECT_EQ(checkedIn(c().mechanismFrame), 1);
    EXPECT_EQ(choice().mechanism, 18);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget<QRadioButton>(c().mechanismOptions[17]))->state().checked);
    // Toggling the selected one again leaves it selected.
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(lever->isChecked());
    EXPECT_EQ(choice().mechanism, 18);
    // The same for exercises, pressed rather than toggled.
    QRadioButton *third = widget<QRadioButton>(c().exerciseOptions[3]);
    QAccessible::queryAccessibleInterface(third)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QTest::qWait(300); // a press is an animated click
    EXPECT_EQ(checkedIn(c().exerciseFrame), 1);
    EXPECT_EQ(choice().exercise, 3);
}

TEST_F(MainWindowAccess, DifficultyAndUnitsChoicesAreExclusiveRadioItems)
{
    open();
    for (const Control *item : {&c().levelItems[1], &c().unitsItems[2], &c().randomUnitsItem}) {
        QAction *action = view->actionFor(*item);
        ASSERT_NE(action->actionGroup(), nullptr);
        EXPECT_EQ(action->actionGroup()->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    }
    view->actionFor(c().unitsItems[2])->trigger();
    EXPECT_EQ(choice().units, 2);
    view->actionFor(c().unitsItems[2])->trigger(); // choosing it again keeps it
    EXPECT_TRUE(view->actionFor(c().unitsItems[2])->isChecked());
    view->actionFor(c().randomUnitsItem)->trigger();
    EXPECT_FALSE(view->actionFor(c().unitsItems[2])->isChecked());
    view->actionFor(c().levelItems[1])->trigger();
    int ticked = 0;
    for (int i = 1; i <= 3; ++i)
        ticked += view->actionFor(c().levelItems[i])->isChecked() ? 1 : 0;
    EXPECT_EQ(ticked, 1);
    EXPECT_EQ(form->selection.level(), 1);
}

TEST_F(MainWindowAccess, FocusStartsInTheSelectionAndEachFrameIsOneTabStopWithArrows)
{
    open();
    QRadioButton *type = widget<QRadioButton>(c().typeOptions[1]);
    EXPECT_EQ(QApplication::focusWidget(), type);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QRadioButton>(c().mechanismOptions[17]));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QRadioButton>(c().exerciseOptions[1]));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QPushButton>(c().quizButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QPushButton>(c().exerciseButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QRadioButton>(c().mechanismOptions[17]));

    // Arrows move the selection within the frame, round from the last to the first.
    const std::vector<int> shown = visibleMechanisms();
    ASSERT_EQ(shown.front(), 17);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(choice().mechanism, shown[1]);
    EXPECT_EQ(QApplication::focusWidget(), widget<QRadioButton>(c().mechanismOptions[shown[1]]));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(checkedIn(c().mechanismFrame), 1);
    EXPECT_EQ(choice().mechanism, shown.back());
    EXPECT_TRUE(widget<QRadioButton>(c().mechanismOptions[choice().mechanism])->isChecked());
    // The type frame: Down chooses motion transmission and its mechanisms appear.
    widget<QRadioButton>(c().typeOptions[1])->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(c().typeOptions[2].value);
    EXPECT_TRUE(widget<QRadioButton>(c().mechanismOptions[choice().mechanism])->isVisibleTo(view.get()));
    // Tab from the type goes to the selected mechanism, wherever it is in its list.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QRadioButton>(c().mechanismOptions[choice().mechanism]));
}

TEST_F(MainWindowAccess, TheWindowsCtrlShortcutsWorkFromTheAnswerBox)
{
    open();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(form->run.running());
    QLineEdit *answer = widget<QLineEdit>(c().answerBox);
    EXPECT_EQ(QApplication::focusWidget(), answer);
    QTest::keyClicks(answer, QStringLiteral("12"));
    QTest::keyClick(answer, Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(form->run.running());
    // An exam starts and is left from the answer box alike.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
    ASSERT_TRUE(form->exam.running());
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes, MessageBoxService::Answer::Yes};
    answer->setFocus();
    QTest::keyClick(answer, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(form->exam.running());
}

TEST_F(MainWindowAccess, CopyingThePictureSaysSoBriefly)
{
    open(3);
    auto *sign = view->findChild<QLabel *>(QStringLiteral("pictureCopied"));
    ASSERT_NE(sign, nullptr);
    EXPECT_FALSE(sign->isVisible());
    QTest::mouseClick(view->pictureView(), Qt::LeftButton, {}, QPoint(100, 60));
    EXPECT_EQ(fakes.clipboard.text, c().mechanismOptions[17].caption);
    EXPECT_TRUE(sign->isVisible());
    EXPECT_EQ(sign->text(), form->text(544));
    EXPECT_TRUE(view->pictureView()->rect().contains(sign->geometry()));
    saveScreenshot(view->grab().toImage(), QStringLiteral("main_window_picture_copied_en"));
    QTRY_VERIFY_WITH_TIMEOUT(!sign->isVisible(), 4000);
}

TEST_F(MainWindowAccess, EachStateReadsAsWhatItIs)
{
    open();
    // Idle: no titles over an empty band, a hint instead.
    auto *hint = view->findChild<QLabel *>(QStringLiteral("idleHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), form->text(542));
    EXPECT_FALSE(view->widgetFor(c().drivingTitle)->isVisible());
    EXPECT_FALSE(view->widgetFor(c().drivenTitle)->isVisible());
    // Every exercise: no blank line first, and a box with nothing to show goes with its title.
    int emptyBoxes = 0;
    const std::pair<const Control *, const Control *> columns[] = {
        {&c().drivingTitle, &c().drivingData}, {&c().middleTitle, &c().middleData}, {&c().drivenTitle, &c().drivenData}};
    for (int m = 1; m <= 19; ++m) {
        for (int ex = 1; ex <= ((m == 6 || m == 9) ? 3 : 5); ++ex) {
            setChoice(m, ex, 1);
            form->run.begin();
            form->startExercise();
            view->sync();
            EXPECT_FALSE(hint->isVisibleTo(view.get()));
            for (const auto &[title, box] : columns) {
                auto *edit = widget<QPlainTextEdit>(*box);
                const bool nothing = QString(box->caption).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).trimmed().isEmpty();
                if (box->visible && nothing) {
                    ++emptyBoxes;
                    EXPECT_FALSE(edit->isVisibleTo(view.get())) << m << "/" << ex;
                    EXPECT_FALSE(view->widgetFor(*title)->isVisibleTo(view.get())) << m << "/" << ex;
                } else if (box->visible) {
                    EXPECT_TRUE(edit->isVisibleTo(view.get()));
                    EXPECT_FALSE(edit->toPlainText().startsWith(QLatin1Char('\n'))) << m << "/" << ex;
                }
            }
            form->run.end();
        }
    }
    EXPECT_GT(emptyBoxes, 0);
    form->startOrStopExercise();
    form->startOrStopExercise(); // started and stopped: idle again
    view->sync();
    EXPECT_TRUE(hint->isVisibleTo(view.get()));
    // Expert: each empty frame says its choice is random, readable though the frame is greyed.
    view->actionFor(c().levelItems[3])->trigger();
    for (const char *name : {"typeFrame_random", "mechanismFrame_random", "exerciseFrame_random"}) {
        auto *note = view->findChild<QLabel *>(QLatin1String(name));
        ASSERT_NE(note, nullptr);
        EXPECT_TRUE(note->isVisible()) << name;
        EXPECT_EQ(note->text(), form->text(543));
        EXPECT_GE(contrastRatio(note->palette().color(QPalette::Disabled, QPalette::WindowText),
                                note->palette().color(QPalette::Disabled, QPalette::Window)),
                  4.5);
    }
    EXPECT_EQ(hint->text(), form->text(545));
    EXPECT_EQ(QApplication::focusWidget() == nullptr || QApplication::focusWidget()->isEnabled(), true);
}

// Dark desktops: every text of the window against its own background.
TEST_F(MainWindowAccess, EveryTextReadsUnderADarkPalette)
{
    app();
    const QPalette light = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::ToolTipBase, QColor(0x44, 0x44, 0x44));
    dark.setColor(QPalette::ToolTipText, QColor(0xFF, 0xFF, 0xFF));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x9A, 0x9A, 0x9A));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9A, 0x9A, 0x9A));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9A, 0x9A, 0x9A));
    QApplication::setPalette(dark);
    for (int language = 1; language <= 3; ++language) {
        open(language);
        startExercise();
        QTest::mouseClick(view->pictureView(), Qt::LeftButton, {}, QPoint(100, 60));
        for (QWidget *w : view->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(view.get()))
                continue;
            const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const QPalette &p = w->palette();
            double ratio = 21;
            if (qobject_cast<QLabel *>(w) && !qobject_cast<QLabel *>(w)->text().isEmpty())
                ratio = contrastRatio(p.color(group, w->foregroundRole()), p.color(group, w->backgroundRole()));
            else if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w))
                ratio = contrastRatio(p.color(group, QPalette::Text), p.color(group, QPalette::Base));
            else if (qobject_cast<QRadioButton *>(w) || qobject_cast<QGroupBox *>(w))
                ratio = contrastRatio(p.color(group, QPalette::WindowText), p.color(group, QPalette::Window));
            if (w->isEnabled()) {
                EXPECT_GE(ratio, 4.5) << w->objectName().toStdString() << " in " << kNames[language];
            }
        }
        saveScreenshot(view->grab().toImage(), QStringLiteral("main_window_dark_%1").arg(QLatin1String(kNames[language])));
        view.reset();
    }
    QApplication::setPalette(light);
}
