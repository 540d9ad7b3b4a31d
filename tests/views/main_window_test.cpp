#include "app/main_window_view.h"
#include "app/format.h"
#include "exams/exam_views.h"
#include "exams/record_file.h"
#include "mechanisms/picture_view.h"
#include "support/form_fixture.h"
#include "support/main_window_fixture.h"
#include "support/qt_app.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

using namespace cinemoto;
using namespace cinemoto::test;

class MainWindow : public MainWindowFixture
{
protected:
    void open(int language)
    {
        showMainWindow(language, QSize(960, 640));
        view->tick();
        QApplication::processEvents();
    }
    template <typename W>
    W *widget(const Control &control)
    {
        auto *w = qobject_cast<W *>(view->widgetFor(control));
        EXPECT_NE(w, nullptr) << control.name.toStdString() << control.index;
        return w;
    }
};

TEST_F(MainWindow, EveryControlHasAWidgetWithItsNameAndAnAccessibleName)
{
    open(1);
    // The data boxes are made when an exercise first shows them.
    QTest::mouseClick(widget<QPushButton>(c().exerciseButton), Qt::LeftButton);
    int checked = 0;
    for (Control *control : c().all()) {
        if (control == &c().window)
            continue;
        QWidget *w = view->widgetFor(*control);
        QAction *a = view->actionFor(*control);
        const bool isMenu = control->kind == Control::Kind::Menu;
        EXPECT_TRUE(w || a || isMenu) << control->name.toStdString() << control->index;
        if (w) {
            const QString expected = control->index ? control->name + QLatin1Char('_') + QString::number(control->index)
                                                    : control->name;
            EXPECT_EQ(w->objectName(), expected);
            const bool named = !w->accessibleName().isEmpty();
            const bool mayBeUnnamed = control == &c().clockBox || control == &c().faceImage
                || control == &c().questionLabel || control == &c().commentLabel || control == &c().ratioLabel
                || control == &c().drivingData || control == &c().middleData || control == &c().drivenData
                || control == &c().answerBox || control->name.startsWith(QLatin1String("lbl"));
            EXPECT_TRUE(named || mayBeUnnamed) << control->name.toStdString() << control->index;
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Cinemoto 3.2"));
    EXPECT_EQ(widget<QToolButton>(c().linksButton)->accessibleName(), QStringLiteral("Internet"));
    EXPECT_EQ(widget<QToolButton>(c().calculatorButton)->accessibleName(),
              QStringLiteral("Obre la calculadora de l'escriptori"));
}

TEST_F(MainWindow, DataBoxesMadeWithTheFirstExerciseTakeTheirPlaceInTheTabChainAndTheTree)
{
    open(3);
    const Control *boxes[] = {&c().drivingData, &c().middleData, &c().drivenData};
    const Control *titles[] = {&c().drivingTitle, &c().middleTitle, &c().drivenTitle};
    for (const Control *box : boxes)
        EXPECT_EQ(view->widgetFor(*box), nullptr) << "made while idle";
    // What follows the exercise button in the tab chain while the boxes do not exist.
    auto *exerciseButton = widget<QPushButton>(c().exerciseButton);
    QWidget *after = exerciseButton->nextInFocusChain();

    QTest::mouseClick(exerciseButton, Qt::LeftButton);
    std::vector<QPlainTextEdit *> made;
    for (int i = 0; i < 3; ++i) {
        auto *box = widget<QPlainTextEdit>(*boxes[i]);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(widget<QLabel>(*titles[i])->buddy(), box) << i;
        made.push_back(box);
    }
    // Between the button and what followed it come the three boxes, each with its own parts.
    std::vector<QWidget *> between;
    for (QWidget *w = exerciseButton->nextInFocusChain(); w != after && w != exerciseButton; w = w->nextInFocusChain()) {
        if (std::find(made.begin(), made.end(), w) != made.end())
            between.push_back(w);
        else
            EXPECT_TRUE(std::any_of(made.begin(), made.end(), [w](QWidget *box) { return box->isAncestorOf(w); }))
                << "stray " << w->metaObject()->className();
    }
    EXPECT_EQ(between, std::vector<QWidget *>(made.begin(), made.end()));
    // Among their siblings each box stands right after its title, as screen readers list them.
    const QObjectList siblings = made.front()->parent()->children();
    for (int i = 0; i < 3; ++i) {
        const qsizetype title = siblings.indexOf(view->widgetFor(*titles[i]));
        ASSERT_GE(title, 0);
        EXPECT_EQ(siblings.value(title + 1), made[std::size_t(i)]) << i;
    }
    // Two lines of data, and the data of the exercise shown.
    const QFontMetrics fm(made.front()->font());
    EXPECT_EQ(made.front()->height(), fm.lineSpacing() * 2 + 14);
    EXPECT_TRUE(made.front()->isVisible());
    EXPECT_FALSE(made.front()->toPlainText().isEmpty());
}

TEST_F(MainWindow, ThePictureStaysPutWhenTheFirstExerciseShowsItsData)
{
    for (int language = 1; language <= 3; ++language) {
        open(language);
        const QRect idle = view->pictureView()->geometry();
        QTest::mouseClick(widget<QPushButton>(c().exerciseButton), Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_NE(view->widgetFor(c().drivingData), nullptr);
        EXPECT_EQ(view->pictureView()->geometry(), idle) << language;
        view.reset();
    }
}

TEST_F(MainWindow, MenusCarryTheirShortcutsAndTicks)
{
    open(1);
    EXPECT_EQ(view->actionFor(c().calculatorItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(view->actionFor(c().copyPictureItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(view->actionFor(c().examsTakenItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(view->actionFor(c().printItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(view->actionFor(c().newExamItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(view->actionFor(c().newExerciseItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(view->actionFor(c().exitItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(view->actionFor(c().contentsItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_TRUE(view->actionFor(c().levelItems[2])->isChecked());
    EXPECT_TRUE(view->actionFor(c().unitsItems[1])->isChecked());
    EXPECT_TRUE(view->actionFor(c().languageItems[1])->isChecked());
    EXPECT_EQ(view->actionFor(c().exitItem)->text(), QStringLiteral("&Sortir"));
    const QList<QAction *> tops = view->menuBar()->actions();
    ASSERT_EQ(tops.size(), 5);
    EXPECT_EQ(tops[0]->text(), QStringLiteral("&Opcions"));
    EXPECT_EQ(tops[4]->text(), QStringLiteral("&Ajuda"));
}

TEST_F(MainWindow, ClicksReachTheModelAndItsStateReachesTheWidgets)
{
    open(1);
    QRadioButton *transformation = widget<QRadioButton>(c().typeOptions[3]);
    QTest::mouseClick(transformation, Qt::LeftButton);
    EXPECT_EQ(choice().mechanism, 11);
    EXPECT_TRUE(widget<QRadioButton>(c().mechanismOptions[11])->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(c().mechanismOptions[17])->isVisibleTo(view.get()));
    EXPECT_TRUE(widget<QRadioButton>(c().mechanismOptions[9])->isVisibleTo(view.get()));
    EXPECT_FALSE(widget<QRadioButton>(c().typeOptions[1])->isChecked());

    // Clicking a selected option keeps it selected.
    QTest::mouseClick(widget<QRadioButton>(c().mechanismOptions[11]), Qt::LeftButton);
    EXPECT_TRUE(widget<QRadioButton>(c().mechanismOptions[11])->isChecked());

    view->actionFor(c().levelItems[3])->trigger();
    EXPECT_EQ(form->selection.level(), 3);
    EXPECT_TRUE(view->actionFor(c().randomUnitsItem)->isChecked());
    EXPECT_FALSE(view->actionFor(c().unitsItems[1])->isEnabled());
    EXPECT_FALSE(widget<QGroupBox>(c().typeFrame)->isEnabled());
}

TEST_F(MainWindow, TheFlagButtonSwitchesLanguageAndLetsGoOfTheFocus)
{
    open(1);
    QToolButton *flag = widget<QToolButton>(c().languageButton);
    flag->setFocus();
    QTest::mouseClick(flag, Qt::LeftButton);
    EXPECT_EQ(form->lang.language, 2);
    EXPECT_FALSE(flag->hasFocus());
    EXPECT_EQ(widget<QGroupBox>(c().mechanismFrame)->title(), QStringLiteral("Mecanismo"));
    EXPECT_EQ(widget<QRadioButton>(c().mechanismOptions[17])->text(), QStringLiteral("Polea simple"));
    EXPECT_TRUE(view->actionFor(c().languageItems[2])->isChecked());
    view->actionFor(c().languageItems[3])->trigger();
    EXPECT_EQ(widget<QPushButton>(c().exerciseButton)->text(), QStringLiteral("Exercise"));
}

TEST_F(MainWindow, F1OpensTheTopicOfTheFocusedControlElseTheWindow)
{
    open(2);
    widget<QPushButton>(c().exerciseButton)->setFocus();
    QTest::keyClick(view.get(), Qt::Key_F1);
    ASSERT_FALSE(fakes.help.topics.empty());
    EXPECT_EQ(fakes.help.topics.back(), 112);
    widget<QRadioButton>(c().mechanismOptions[17])->setFocus();
    QTest::keyClick(view.get(), Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics.back(), 167); // from the mechanism frame
}

TEST_F(MainWindow, ExitClosesTheWindow)
{
    open(1);
    view->actionFor(c().exitItem)->trigger();
    EXPECT_TRUE(form->isClosed());
    EXPECT_FALSE(view->isVisible());
}

TEST_F(MainWindow, TextsFitInEveryLanguage)
{
    const char *names[] = {"", "ca", "es", "en"};
    for (int language = 1; language <= 3; ++language) {
        open(language);
        for (int type = 1; type <= 3; ++type) {
            QTest::mouseClick(widget<QRadioButton>(c().typeOptions[type]), Qt::LeftButton);
            QApplication::processEvents();
            for (Control *control : c().all()) {
                auto *radio = qobject_cast<QRadioButton *>(view->widgetFor(*control));
                if (!radio || !radio->isVisibleTo(view.get()))
                    continue;
                EXPECT_GE(radio->width(), radio->sizeHint().width())
                    << "cut: " << radio->text().toStdString() << " in " << names[language];
            }
            for (const Control *frame : {&c().typeFrame, &c().mechanismFrame, &c().exerciseFrame}) {
                auto *box = widget<QGroupBox>(*frame);
                EXPECT_GE(box->height(), box->sizeHint().height()) << box->title().toStdString();
            }
        }
        form->selectOption(c().typeOptions[1]);
        view->sync();
        view->tick();
        QApplication::processEvents();
        saveScreenshot(view->grab().toImage(), QStringLiteral("main_window_%1").arg(QLatin1String(names[language])));
        view.reset();
    }
}

TEST_F(MainWindow, ClosingWithWindowsOpenOverItEndsCleanly)
{
    open(1);
    view->actionFor(c().examsTakenItem)->trigger();
    EXPECT_FALSE(c().window.enabled);
    QTest::mouseClick(qobject_cast<QPushButton *>(view->widgetFor(c().quizButton)), Qt::LeftButton);
    view->close();
    view.reset(); // the list and the quiz go with it
    EXPECT_TRUE(form->isClosed());
}

TEST_F(MainWindow, DataLinesAndStatementFitInEveryLanguage)
{
    for (int language = 1; language <= 3; ++language) {
        open(language);
        for (int m = 1; m <= 19; ++m) {
            const int exercises = (m == 6 || m == 9) ? 3 : 5;
            for (int ex = 1; ex <= exercises; ++ex) {
                setChoice(m, ex, 1); // the easy variant shows the statement line most often
                form->run.begin();
                form->startExercise();
                view->sync();
                for (const Control *box : {&c().drivingData, &c().drivenData, &c().middleData}) {
                    auto *edit = qobject_cast<QPlainTextEdit *>(view->widgetFor(*box));
                    ASSERT_NE(edit, nullptr);
                    const int room = edit->viewport()->width() - 2 * int(edit->document()->documentMargin());
                    for (const QString &line : edit->toPlainText().split(QLatin1Char('\n')))
                        EXPECT_LE(edit->fontMetrics().horizontalAdvance(line), room)
                            << "cut: \"" << line.toStdString() << "\" language " << language;
                }
                auto *statement = qobject_cast<QLabel *>(view->widgetFor(c().ratioLabel));
                if (c().ratioLabel.visible) {
                    EXPECT_LE(statement->sizeHint().width(), statement->width())
                        << "cut: " << statement->text().toStdString();
                }
                form->run.end();
            }
        }
        view.reset();
    }
}

// A finished exam as the fifth answer leaves it: the result window opens over the main one.
class MainWindowOverAnExam : public MainWindow
{
protected:
    ExamResultView *finishExam()
    {
        open(1);
        Exam::Tables tables;
        tables.scores = {9.975f, 2, 2, 2, 2, 1.975f};
        form->exam.restore(tables, true);
        c().window.enabled = false;
        form->onExamFinished();
        QApplication::processEvents();
        const auto windows = view->findChildren<ExamResultView *>();
        EXPECT_EQ(windows.size(), 1);
        return windows.isEmpty() ? nullptr : windows.front();
    }
};

TEST_F(MainWindowOverAnExam, TheMainWindowTakesNoKeysWhileAWindowIsOverIt)
{
    ExamResultView *result = finishExam();
    ASSERT_NE(result, nullptr);
    // Real key presses on the main window, made the active one as a click on it would:
    // a new exam, a new exercise, the list, exit, print.
    QApplication::setActiveWindow(view.get());
    for (Qt::Key key : {Qt::Key_X, Qt::Key_E, Qt::Key_R, Qt::Key_S, Qt::Key_P})
        QTest::keyClick(view.get(), key, Qt::ControlModifier);
    QTest::keyClick(view.get(), Qt::Key_F1);
    QApplication::processEvents();
    EXPECT_FALSE(form->exam.running());
    EXPECT_FALSE(form->run.running());
    EXPECT_FLOAT_EQ(form->exam.tables().scores[0], 9.975f);
    EXPECT_FALSE(form->isClosed());
    EXPECT_TRUE(view->findChildren<ExamsTakenView *>().isEmpty());
    EXPECT_TRUE(fakes.help.topics.empty());
    EXPECT_FALSE(view->menuBar()->isEnabled());
    EXPECT_FALSE(view->actionFor(c().newExamItem)->isEnabled());
    EXPECT_EQ(result->windowModality(), Qt::WindowModal);
    // Storing gives the list; the points are the exam's own.
    QTest::keyClicks(result->findChild<QLineEdit *>(QStringLiteral("nameBox")), QStringLiteral("Aina"));
    QTest::keyClick(result->findChild<QLineEdit *>(QStringLiteral("nameBox")), Qt::Key_Return);
    QApplication::processEvents();
    std::array<ExamRecord, kRecordCount> records;
    ASSERT_TRUE(ExamRecordFile(dir.filePath(QStringLiteral("exadat"))).read(records));
    EXPECT_EQ(records[0].name.trimmed(), QStringLiteral("Aina"));
    EXPECT_EQ(records[0].points.trimmed(), formatNumber(9.975f, QStringLiteral("#0.#"), systemDecimal()));
}

TEST_F(MainWindow, TheExamsListOpensOnceHoweverOftenItIsAskedFor)
{
    open(1);
    QApplication::setActiveWindow(view.get());
    QTest::keyClick(view.get(), Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_EQ(view->findChildren<ExamsTakenView *>().size(), 1);
    QApplication::setActiveWindow(view.get());
    QTest::keyClick(view.get(), Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(view->findChildren<ExamsTakenView *>().size(), 1);
    view->findChildren<ExamsTakenView *>().front()->close();
    QApplication::processEvents();
    EXPECT_TRUE(c().window.enabled);
    EXPECT_TRUE(view->menuBar()->isEnabled());
    QApplication::setActiveWindow(view.get());
    QTest::keyClick(view.get(), Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(view->findChildren<ExamsTakenView *>().size(), 1);
}

TEST_F(MainWindowOverAnExam, EscapeAndTheCloseControlAskBeforeThrowingTheExamAway)
{
    ExamResultView *result = finishExam();
    ASSERT_NE(result, nullptr);
    QTest::keyClick(result, Qt::Key_Escape);
    result->close();
    QApplication::processEvents();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[0].title, form->text(396));
    EXPECT_TRUE(result->isVisible());
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    QTest::keyClick(result, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(view->findChildren<ExamResultView *>().isEmpty());
    EXPECT_TRUE(c().window.enabled);
}

TEST_F(MainWindowOverAnExam, ClosingTheMainWindowAsksToo)
{
    ASSERT_NE(finishExam(), nullptr);
    view->close();
    EXPECT_FALSE(form->isClosed());
    EXPECT_TRUE(view->isVisible());
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    view->close();
    EXPECT_TRUE(form->isClosed());
}
