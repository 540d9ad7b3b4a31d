#include "app/about.h"
#include "app/about_view.h"
#include "app/help_view.h"
#include "exams/exam_views.h"
#include "exams/exam_windows.h"
#include "exams/record_file.h"
#include "quiz/quiz.h"
#include "quiz/quiz_view.h"
#include "support/form_fixture.h"
#include "support/qt_app.h"

#include "app/contrast.h"
#include "app/pictures.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QToolButton>
#include <QTreeWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {
const char *const kNames[] = {"", "ca", "es", "en"};

// Every text of a window with fixed places must fit its place.
void expectTextsFit(QWidget *window, const char *what)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->wordWrap() || label->text().isEmpty())
            continue;
        EXPECT_GE(label->width(), label->sizeHint().width())
            << what << ": cut \"" << label->text().toStdString() << "\"";
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(window))
            continue;
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(text) + 12)
            << what << ": " << text.toStdString();
    }
}
// A desktop's dark colours, as a pupil may have chosen them.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2b), text(0xe6, 0xe6, 0xe6);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase, QPalette::ToolTipBase})
        p.setColor(role, window);
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        p.setColor(role, text);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x90, 0x90));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xc6));
    p.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    return p;
}

// Sets a palette for the whole program while it lives.
struct PaletteScope
{
    QPalette saved = QApplication::palette();
    explicit PaletteScope(const QPalette &p) { QApplication::setPalette(p); }
    ~PaletteScope() { QApplication::setPalette(saved); }
};

// The strongest contrast any pixel of the widget makes with the window's background:
// the text's own colour, wherever anti-aliasing blurs its edges.
double textContrast(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    const QColor background = widget->window()->palette().color(QPalette::Window);
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrastRatio(image.pixelColor(x, y), background));
    return best;
}

QAbstractButton *quizAnswer(QWidget *quiz, int k)
{
    return quiz->findChild<QAbstractButton *>(QStringLiteral("answerLabels_%1").arg(k));
}

void showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
}
} // namespace

class SecondaryWindows : public FormFixture
{
protected:
    void SetUp() override { app(); }
    void fillExam()
    {
        Exam::Tables tables;
        tables.times = {QStringLiteral("4:07"), QStringLiteral("0:21"), QStringLiteral("1:02"),
                        QStringLiteral("0:55"), QStringLiteral("1:10"), QStringLiteral("0:39")};
        tables.scores = {6.7333f, 1.895f, 1.69f, 0, 1.65f, 1.805f};
        for (int i = 1; i <= 5; ++i)
            tables.results[std::size_t(i)] = form->text(i == 3 ? 342 : 341);
        form->exam.restore(tables, false);
    }
};

TEST_F(SecondaryWindows, ExamQuizAndAboutWindowsInEveryLanguage)
{
    for (int language = 1; language <= 3; ++language) {
        start(language);
        fillExam();
        const QString suffix = QString::fromLatin1(kNames[language]);

        ExamResultModel result(*form);
        auto *resultView = new ExamResultView(result);
        resultView->show();
        expectTextsFit(resultView, "exam result");
        saveScreenshot(resultView->grab().toImage(), QStringLiteral("exam_result_") + suffix);
        resultView->close();

        ExamRecordFile file(dir.filePath(QStringLiteral("exadat")));
        file.store({QStringLiteral("Maria Gràcia Puig"), QStringLiteral("6,7"), QStringLiteral("08/12/26"),
                    QStringLiteral("10:15")},
                   42);
        file.store({form->text(391), QStringLiteral("10"), QStringLiteral("09/12/26"), QStringLiteral("11:40")}, 0);
        ExamsTakenModel list(*form);
        auto *listView = new ExamsTakenView(list);
        listView->show();
        expectTextsFit(listView, "exams taken");
        saveScreenshot(listView->grab().toImage(), QStringLiteral("exams_taken_") + suffix);
        listView->close();

        for (bool dark : {false, true}) {
            PaletteScope palette(dark ? darkPalette() : QApplication::palette());
            QuizModel quiz(*form);
            auto *quizView = new QuizView(quiz);
            quizView->show();
            expectTextsFit(quizView, "quiz opening");
            if (!dark)
                saveScreenshot(quizView->grab().toImage(), QStringLiteral("quiz_opening_") + suffix);
            quiz.askQuestion();
            quiz.chooseAnswer(quiz.rightAnswer == 1 ? 2 : 1);
            quizView->sync();
            expectTextsFit(quizView, "quiz question");
            saveScreenshot(quizView->grab().toImage(), (dark ? QStringLiteral("quiz_dark_") : QStringLiteral("quiz_")) + suffix);
            quizView->close();
        }

        AboutModel about(fakes.all(), TextCatalogue::builtIn(), form->lang, form->solutionsMode);
        AboutView aboutView(about);
        aboutView.show();
        expectTextsFit(&aboutView, "about");
        saveScreenshot(aboutView.grab().toImage(), QStringLiteral("about_") + suffix);
        QApplication::processEvents();
    }
}

namespace {
HelpWindow *openHelp()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("helpWindow") && w->isVisible())
            return static_cast<HelpWindow *>(w);
    }
    return nullptr;
}
} // namespace

TEST_F(SecondaryWindows, HelpOpensAtTheMechanismTopic)
{
    app();
    // Topic, language's contents heading, the name the title gives the topic.
    const std::tuple<int, const char *, const char *> topics[] = {{5, "Continguts", "Continguts"},
                                                                  {167, "Contenido", nullptr},
                                                                  {258, "Contents", "Worm gear"},
                                                                  {484, "Contenido", "Test"}};
    for (const auto &[topic, heading, name] : topics) {
        HelpWindow::showTopic(QStringLiteral("/nonexistent/cinemoto.hlp"), topic); // the built-in copy
        HelpWindow *window = openHelp();
        ASSERT_NE(window, nullptr);
        EXPECT_GT(window->browser()->document()->characterCount(), 1000);
        EXPECT_GE(window->browser()->document()->documentMargin(), 8);
        auto *contents = window->findChild<QTreeWidget *>(QStringLiteral("helpContents"));
        ASSERT_NE(contents, nullptr);
        ASSERT_GT(contents->topLevelItemCount(), 1) << topic;
        EXPECT_EQ(contents->topLevelItem(0)->text(0), QString::fromUtf8(heading)) << topic;
        if (name) {
            EXPECT_TRUE(window->windowTitle().endsWith(QString::fromUtf8(name))) << window->windowTitle().toStdString();
        }
        saveScreenshot(window->grab().toImage(), QStringLiteral("help_%1").arg(topic));
    }
    // Back and forward walk the topics seen, the title following.
    HelpWindow *window = openHelp();
    auto *back = window->findChild<QToolButton *>(QStringLiteral("helpBack"));
    auto *forward = window->findChild<QToolButton *>(QStringLiteral("helpForward"));
    ASSERT_TRUE(back && forward);
    EXPECT_FALSE(forward->isEnabled());
    back->click();
    EXPECT_EQ(window->topic(), 258);
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Worm")));
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(window->topic(), 484);
    // A contents entry opens its topic.
    auto *contents = window->findChild<QTreeWidget *>(QStringLiteral("helpContents"));
    QTreeWidgetItem *entry = contents->topLevelItem(1)->child(0);
    Q_EMIT contents->itemActivated(entry, 0);
    EXPECT_TRUE(window->windowTitle().endsWith(entry->text(0)));
    window->close();
}

TEST_F(SecondaryWindows, HelpFromAQuestionLeavesTheQuestionInSight)
{
    app();
    QWidget main;
    main.setGeometry(20, 40, 360, 300);
    main.show();
    // Help opened earlier from the main window is still open when the question comes.
    QApplication::setActiveWindow(&main);
    (void)QTest::qWaitForWindowActive(&main);
    HelpWindow::showTopic(QStringLiteral("/nonexistent/cinemoto.hlp"), 5);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Cinemoto"), QStringLiteral("Vols tornar-ho a provar?"),
                    QMessageBox::Yes | QMessageBox::No, &main);
    box.open();
    box.move(80, 120);
    QApplication::setActiveWindow(&box);
    (void)QTest::qWaitForWindowActive(&box);
    HelpWindow::showTopic(QStringLiteral("/nonexistent/cinemoto.hlp"), 58);
    HelpWindow *help = openHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->frameGeometry().intersects(box.frameGeometry()))
        << "help " << help->frameGeometry().x() << "," << help->frameGeometry().y() << " box " << box.x() << ","
        << box.y();
    // With room beside both, the main window's question stays in sight too.
    EXPECT_FALSE(help->frameGeometry().intersects(main.frameGeometry()));
    EXPECT_GE(help->width(), 380);
    // Help stays usable while the question waits: it belongs to the box, which blocks the rest.
    EXPECT_EQ(help->parentWidget(), &box);
    help->close();
    box.close();
}

TEST_F(SecondaryWindows, EveryQuizQuestionAndAnswerFitsItsPlace)
{
    for (int language = 1; language <= 3; ++language) {
        start(language);
        QuizModel quiz(*form);
        auto *view = new QuizView(quiz);
        view->show();
        QLabel *question = view->findChild<QLabel *>(QStringLiteral("questionLabel"));
        QAbstractButton *answer = quizAnswer(view, 1);
        ASSERT_TRUE(question && answer);
        // Room at the left is kept for the tick or the cross.
        const int room = answer->width() - answer->fontMetrics().height() - 6;
        const int base = form->lang.quizBase();
        for (int q = 1; q <= quiz.questionCount(); ++q) {
            const QString text = form->catalogue().text(base + 10 * q);
            const QRect needed = question->fontMetrics().boundingRect(
                QRect(0, 0, question->width(), 1000), Qt::TextWordWrap, text);
            EXPECT_LE(needed.height(), question->height()) << "question cut: " << text.toStdString();
            for (int i = 1; i <= 4; ++i) {
                const QString a = form->catalogue().text(base + 10 * q + i);
                EXPECT_LE(answer->fontMetrics().horizontalAdvance(a), room)
                    << "answer cut: " << a.toStdString();
            }
        }
        view->close();
    }
}

TEST_F(SecondaryWindows, TheQuizIsTakenWithTheKeyboardAlone)
{
    start(3);
    QuizModel quiz(*form);
    auto *view = new QuizView(quiz);
    showActive(view);
    // The first stop is the question button; N asks too.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N);
    ASSERT_FALSE(quiz.answered);
    ASSERT_EQ(QApplication::focusWidget(), quizAnswer(view, 1));
    // The arrows walk the answers round; Enter chooses the one with the focus.
    const int wrong = quiz.rightAnswer == 4 ? 3 : 4;
    for (int k = 1; k < wrong; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), quizAnswer(view, wrong));
    saveScreenshot(view->grab().toImage(), QStringLiteral("quiz_keyboard_answer_focus"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    saveScreenshot(view->grab().toImage(), QStringLiteral("quiz_keyboard_ask_focus"));
    EXPECT_TRUE(quiz.answered);
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("1"));
    EXPECT_EQ(quiz.rightCount.caption, QStringLiteral("0"));
    // Judged: the focus waits on the question button, and Space asks the next.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_FALSE(quiz.answered);
    // Keys 1 to 4 answer from wherever the focus is.
    QTest::keyClick(QApplication::focusWidget(), char('0' + quiz.rightAnswer));
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("2"));
    EXPECT_EQ(quiz.rightCount.caption, QStringLiteral("1"));
    // Tab from the question button reaches the answers, Shift+Tab comes back.
    ASSERT_EQ(QApplication::focusWidget(), view->findChild<QWidget *>(QStringLiteral("askButton")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), quizAnswer(view, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), view->findChild<QWidget *>(QStringLiteral("askButton")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("3"));
    view->close();
}

TEST_F(SecondaryWindows, QuizAnswersAreButtonsThatSayTheirMark)
{
    start(1);
    QuizModel quiz(*form);
    auto *view = new QuizView(quiz);
    showActive(view);
    quiz.askQuestion();
    view->sync();
    const int wrong = quiz.rightAnswer == 1 ? 2 : 1;
    QAccessibleInterface *chosen = QAccessible::queryAccessibleInterface(quizAnswer(view, wrong));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->role(), QAccessible::Button);
    EXPECT_TRUE(chosen->state().focusable);
    EXPECT_EQ(chosen->text(QAccessible::Name), quiz.answerLabels[std::size_t(wrong)].caption);
    ASSERT_NE(chosen->actionInterface(), nullptr);
    chosen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY_WITH_TIMEOUT(quiz.answered, 2000);
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("1"));
    // More than colour: the mark is in the name a screen reader says.
    const QString right = QAccessible::queryAccessibleInterface(quizAnswer(view, quiz.rightAnswer))->text(QAccessible::Name);
    EXPECT_TRUE(right.startsWith(QChar(0x2713))) << right.toStdString();
    EXPECT_TRUE(right.contains(form->text(575)));
    const QString mistaken = chosen->text(QAccessible::Name);
    EXPECT_TRUE(mistaken.startsWith(QChar(0x2717))) << mistaken.toStdString();
    EXPECT_TRUE(mistaken.contains(form->text(576)));
    view->close();
}

TEST_F(SecondaryWindows, QuizAnswersReadOnLightAndDarkDesktops)
{
    for (bool dark : {false, true}) {
        PaletteScope palette(dark ? darkPalette() : QApplication::palette());
        start(2);
        QuizModel quiz(*form);
        auto *view = new QuizView(quiz);
        view->show();
        quiz.askQuestion();
        quiz.chooseAnswer(quiz.rightAnswer == 1 ? 2 : 1);
        view->sync();
        for (int k = 1; k <= 4; ++k) {
            auto *answer = view->findChild<QWidget *>(QStringLiteral("answerLabels_%1").arg(k));
            ASSERT_NE(answer, nullptr);
            EXPECT_GE(textContrast(answer), 4.5) << (dark ? "dark, answer " : "light, answer ") << k;
        }
        EXPECT_GE(textContrast(view->findChild<QWidget *>(QStringLiteral("questionLabel"))), 4.5);
        view->close();
    }
}

TEST_F(SecondaryWindows, FixedWindowsOfferNoMaximiseAndLineUpTheirNumbers)
{
    start(1);
    fillExam();
    ExamResultModel result(*form);
    auto *resultView = new ExamResultView(result);
    ExamsTakenModel list(*form);
    auto *listView = new ExamsTakenView(list);
    QuizModel quiz(*form);
    auto *quizView = new QuizView(quiz);
    for (QWidget *w : std::initializer_list<QWidget *>{resultView, listView, quizView}) {
        const Qt::WindowFlags flags = w->windowFlags();
        // Without the customise hint the window manager adds its own maximise button.
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << w->objectName().toStdString();
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << w->objectName().toStdString();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint)) << w->objectName().toStdString();
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
    }
    for (const char *name : {"rowPoints_1", "rowPoints_0", "rowTimes_5", "pointsHeading"})
        EXPECT_TRUE(resultView->findChild<QLabel *>(QString::fromLatin1(name))->alignment() & Qt::AlignRight) << name;
    for (const char *name : {"pointsCells_1", "pointsCells_10", "pointsHeading"})
        EXPECT_TRUE(listView->findChild<QLabel *>(QString::fromLatin1(name))->alignment() & Qt::AlignRight) << name;
    resultView->close();
    listView->close();
    quizView->close();
}

TEST_F(SecondaryWindows, AboutAndTheSoundIconReadOnLightAndDarkDesktops)
{
    for (bool dark : {false, true}) {
        PaletteScope palette(dark ? darkPalette() : QApplication::palette());
        start(3);
        form->solutionsMode = true; // the teacher's red line is shown
        AboutModel about(fakes.all(), TextCatalogue::builtIn(), form->lang, form->solutionsMode);
        AboutView view(about);
        view.show();
        auto *solutions = view.findChild<QLabel *>(QStringLiteral("solutionsModeLabel"));
        ASSERT_TRUE(solutions && solutions->isVisible());
        EXPECT_GE(textContrast(solutions), 4.5) << (dark ? "dark" : "light");
        saveScreenshot(view.grab().toImage(), dark ? QStringLiteral("about_dark_en") : QStringLiteral("about_solutions_en"));
        // The sound button's picture stands out from the window behind it.
        const QColor back = QApplication::palette().color(QPalette::Button);
        QImage icon(48, 48, QImage::Format_ARGB32);
        icon.fill(back);
        QPainter p(&icon);
        toolIcon(QStringLiteral("sound")).paint(&p, icon.rect());
        p.end();
        double best = 1;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                best = std::max(best, contrastRatio(icon.pixelColor(x, y), back));
        EXPECT_GE(best, 4.5) << (dark ? "sound icon on dark" : "sound icon on light");
    }
}

TEST_F(SecondaryWindows, ScreenshotsUnderADarkPalette)
{
    PaletteScope palette(darkPalette());
    start(1);
    fillExam();
    ExamResultModel result(*form);
    auto *resultView = new ExamResultView(result);
    resultView->show();
    // The blue exam windows keep their own colours on a dark desktop.
    EXPECT_EQ(resultView->palette().color(QPalette::Window), QColor::fromRgba(result.window.backColor));
    saveScreenshot(resultView->grab().toImage(), QStringLiteral("exam_result_dark_ca"));
    resultView->close();
    ExamsTakenModel list(*form);
    auto *listView = new ExamsTakenView(list);
    listView->show();
    saveScreenshot(listView->grab().toImage(), QStringLiteral("exams_taken_dark_ca"));
    listView->close();
    HelpWindow::showTopic(QStringLiteral("/nonexistent/cinemoto.hlp"), 62);
    HelpWindow *help = openHelp();
    ASSERT_NE(help, nullptr);
    saveScreenshot(help->grab().toImage(), QStringLiteral("help_dark_62"));
    help->close();
}
