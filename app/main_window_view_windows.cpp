#include "app/about.h"
#include "app/about_view.h"
#include "app/main_window_model.h"
#include "app/main_window_view.h"
#include "app/platform/memory.h"
#include "exams/exam_views.h"
#include "exams/exam_windows.h"
#include "quiz/quiz.h"
#include "quiz/quiz_view.h"

#include <QApplication>
#include <QTimer>

namespace cinemoto {

void MainWindowView::showAbout()
{
    AboutModel about(m_model.services(), m_model.catalogue(), m_model.lang, m_model.solutionsMode);
    AboutView dialog(about, this);
    m_model.c.window.enabled = false;
    sync();
    dialog.exec();
    m_model.c.window.enabled = true;
    sync();
    returnFreedMemorySoon();
}

// A window over the main one: the main window takes no input until it is gone, and its
// model lives exactly as long as the window.
template <typename Model, typename View>
void MainWindowView::openWindow(Model *model)
{
    m_model.c.window.enabled = false;
    auto *window = new View(*model, this);
    window->setWindowFlag(Qt::Window);
    window->setWindowModality(Qt::WindowModal);
    connect(window, &QObject::destroyed, this, [this, model] {
        delete model;
        returnFreedMemorySoon();
        sync();
    });
    sync();
    window->show();
}

void MainWindowView::showExamsTaken()
{
    openWindow<ExamsTakenModel, ExamsTakenView>(new ExamsTakenModel(m_model));
}

void MainWindowView::showQuiz()
{
    openWindow<QuizModel, QuizView>(new QuizModel(m_model));
}

void MainWindowView::showExamResult()
{
    auto *model = new ExamResultModel(m_model);
    model->onStored = [this] { QTimer::singleShot(0, this, [this] { showExamsTaken(); }); };
    openWindow<ExamResultModel, ExamResultView>(model);
}

void MainWindowView::showHelp()
{
    // The topic of the focused control, else of its container, else of the window.
    int topic = 0;
    for (QWidget *w = QApplication::focusWidget(); w && !topic; w = w->parentWidget()) {
        if (auto *control = static_cast<Control *>(w->property("cinemotoControl").value<void *>()))
            topic = control->helpContext;
    }
    if (!topic)
        topic = m_model.c.window.helpContext;
    if (m_model.services().help)
        m_model.services().help->showTopic(topic);
}

} // namespace cinemoto
