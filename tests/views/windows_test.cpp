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

#include <QLabel>
#include <QTextBrowser>
#include <QPushButton>

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
} // namespace

class SecondaryWindows : public FormFixture
{
protected:
    void SetUp() override { app(); }
    void fillExam()
    {
        form->examTimes = {QStringLiteral("4:07"), QStringLiteral("0:21"), QStringLiteral("1:02"),
                           QStringLiteral("0:55"), QStringLiteral("1:10"), QStringLiteral("0:39")};
        form->examScores = {6.7333f, 1.895f, 1.69f, 0, 1.65f, 1.805f};
        for (int i = 1; i <= 5; ++i)
            form->examResults[std::size_t(i)] = form->text(i == 3 ? 342 : 341);
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

        QuizModel quiz(*form);
        auto *quizView = new QuizView(quiz);
        quizView->show();
        expectTextsFit(quizView, "quiz opening");
        quiz.cmdPregunta_Click();
        quiz.lblResposta_Click(quiz.rightAnswer == 1 ? 2 : 1);
        quizView->sync();
        expectTextsFit(quizView, "quiz question");
        saveScreenshot(quizView->grab().toImage(), QStringLiteral("quiz_") + suffix);
        quizView->close();

        AboutModel about(fakes.all(), TextCatalogue::builtIn(), form->lang, form->solutionsMode);
        AboutView aboutView(about);
        aboutView.show();
        expectTextsFit(&aboutView, "about");
        saveScreenshot(aboutView.grab().toImage(), QStringLiteral("about_") + suffix);
        QApplication::processEvents();
    }
}

TEST_F(SecondaryWindows, HelpOpensAtTheMechanismTopic)
{
    app();
    for (int topic : {5, 167, 269, 484}) {
        HelpWindow::showTopic(QStringLiteral("/nonexistent/cinemoto.hlp"), topic); // the built-in copy
        QWidget *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("helpWindow") && w->isVisible())
                window = w;
        }
        ASSERT_NE(window, nullptr);
        auto *browser = window->findChild<QTextBrowser *>();
        ASSERT_NE(browser, nullptr);
        EXPECT_GT(browser->document()->characterCount(), 1000);
        saveScreenshot(window->grab().toImage(), QStringLiteral("help_%1").arg(topic));
    }
}

TEST_F(SecondaryWindows, EveryQuizQuestionAndAnswerFitsItsPlace)
{
    for (int language = 1; language <= 3; ++language) {
        start(language);
        QuizModel quiz(*form);
        auto *view = new QuizView(quiz);
        view->show();
        QLabel *question = view->findChild<QLabel *>(QStringLiteral("lblPregunta"));
        QLabel *answer = view->findChild<QLabel *>(QStringLiteral("lblResposta_1"));
        ASSERT_TRUE(question && answer);
        const int base = form->lang.quizBase();
        for (int q = 1; q <= quiz.questionCount(); ++q) {
            const QString text = form->catalogue().text(base + 10 * q);
            const QRect needed = question->fontMetrics().boundingRect(
                QRect(0, 0, question->width(), 1000), Qt::TextWordWrap, text);
            EXPECT_LE(needed.height(), question->height()) << "question cut: " << text.toStdString();
            for (int i = 1; i <= 4; ++i) {
                const QString a = form->catalogue().text(base + 10 * q + i);
                EXPECT_LE(answer->fontMetrics().horizontalAdvance(a), answer->width())
                    << "answer cut: " << a.toStdString();
            }
        }
        view->close();
    }
}
