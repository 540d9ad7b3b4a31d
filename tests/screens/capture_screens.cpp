// Writes a fixed set of screenshots of every window and every mechanism, with the fakes
// behind them and one font, so two builds of the trainer can be compared pixel for pixel.
//   capture_screens <folder>          writes the PNGs
//   capture_screens --compare <a> <b> lists the files that differ; exit 1 when any does
#include "app/about.h"
#include "app/about_view.h"
#include "app/main_window_model.h"
#include "app/main_window_view.h"
#include "app/help_view.h"
#include "app/trainer_style.h"
#include "exams/exam_views.h"
#include "exams/exam_windows.h"
#include "exams/record_file.h"
#include "mechanisms/catalogue.h"
#include "quiz/quiz.h"
#include "quiz/quiz_view.h"
#include "support/fakes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {

const char *const kNames[] = {"", "ca", "es", "en"};

class Capture
{
public:
    explicit Capture(const QString &folder) : m_folder(folder) { QDir().mkpath(folder); }

    void save(QWidget *widget, const QString &name)
    {
        QApplication::processEvents();
        widget->grab().toImage().convertToFormat(QImage::Format_RGB32).save(m_folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        ++m_count;
    }
    int count() const { return m_count; }

private:
    QString m_folder;
    int m_count = 0;
};

// A started trainer in a program folder of its own.
struct Trainer
{
    QTemporaryDir dir;
    FakeServices fakes;
    std::unique_ptr<MainWindowModel> form;

    explicit Trainer(int language)
    {
        QFile settings(dir.filePath(QStringLiteral("cinemoto.ini")));
        settings.open(QIODevice::WriteOnly);
        settings.write(QByteArray(1, char(language)) + QByteArray(1, '\0'));
        settings.close();
        fakes.folder.folder = dir.path();
        form = std::make_unique<MainWindowModel>(fakes.all(), TextCatalogue::builtIn());
        form->load();
    }
};

void closeNow(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void dropPlatformNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

// The animation moves only on the ticks given here, not on the wall clock.
void stopTimers(QWidget &view)
{
    for (QTimer *timer : view.findChildren<QTimer *>())
        timer->stop();
}

void showSettled(MainWindowView &view)
{
    view.sync();
    view.tick();
    QApplication::processEvents();
}

void captureMainWindow(Capture &capture)
{
    for (int language = 1; language <= 3; ++language) {
        Trainer t(language);
        MainWindowView view(*t.form);
        view.resize(960, 640);
        view.show();
        stopTimers(view);
        showSettled(view);
        capture.save(&view, QStringLiteral("main_%1").arg(QLatin1String(kNames[language])));
        for (int type = 1; type <= 3; ++type) {
            t.form->selectOption(t.form->c.typeOptions[type]);
            showSettled(view);
            capture.save(&view, QStringLiteral("main_type%1_%2").arg(type).arg(QLatin1String(kNames[language])));
        }
    }
}

// Every exercise of every mechanism running, then answered wrongly with the solution shown.
void captureMechanisms(Capture &capture, int language)
{
    Trainer t(language);
    MainWindowView view(*t.form);
    view.resize(960, 640);
    view.show();
    stopTimers(view);
    showSettled(view);
    MainWindowModel &form = *t.form;
    for (int m = 1; m <= mechanismCount; ++m) {
        const MechanismInfo &info = mechanismInfo(m);
        form.selectOption(form.c.typeOptions[info.type]);
        form.selectOption(form.c.mechanismOptions[m]);
        for (int ex = 1; ex <= info.exerciseCount; ++ex) {
            form.selectOption(form.c.exerciseOptions[ex]);
            form.startOrStopExercise();
            for (int i = 0; i < 7; ++i)
                view.tick();
            t.fakes.clock.advanceMs(12000);
            showSettled(view);
            const QString name = QStringLiteral("mech%1_ex%2_%3").arg(m, 2, 10, QLatin1Char('0')).arg(ex).arg(QLatin1String(kNames[language]));
            capture.save(&view, name);
            form.c.answerBox.caption = QStringLiteral("1");
            form.onDoneClicked();
            showSettled(view);
            capture.save(&view, name + QStringLiteral("_answered"));
            if (form.run.running()) {
                form.startOrStopExercise();
                showSettled(view);
            }
        }
    }
}

void captureOtherWindows(Capture &capture)
{
    for (int language = 1; language <= 3; ++language) {
        Trainer t(language);
        MainWindowModel &form = *t.form;
        const QString suffix = QString::fromLatin1(kNames[language]);
        Exam::Tables tables;
        tables.times = {QStringLiteral("4:07"), QStringLiteral("0:21"), QStringLiteral("1:02"),
                        QStringLiteral("0:55"), QStringLiteral("1:10"), QStringLiteral("0:39")};
        tables.scores = {6.7333f, 1.895f, 1.69f, 0, 1.65f, 1.805f};
        for (int i = 1; i <= 5; ++i)
            tables.results[std::size_t(i)] = form.text(i == 3 ? 342 : 341);
        form.exam.restore(tables, false);
        {
            ExamResultModel result(form);
            auto *view = new ExamResultView(result); // deletes itself when closed
            view->show();
            capture.save(view, QStringLiteral("exam_result_") + suffix);
            closeNow(view);
        }
        {
            ExamRecordFile file(t.dir.filePath(QStringLiteral("exadat")));
            file.store({QStringLiteral("Maria Gràcia Puig"), QStringLiteral("6,7"), QStringLiteral("08/12/26"),
                        QStringLiteral("10:15")},
                       42);
            file.store({form.text(391), QStringLiteral("10"), QStringLiteral("09/12/26"), QStringLiteral("11:40")}, 0);
            ExamsTakenModel list(form);
            auto *view = new ExamsTakenView(list); // deletes itself when closed
            view->show();
            capture.save(view, QStringLiteral("exams_taken_") + suffix);
            closeNow(view);
        }
        {
            QuizModel quiz(form);
            auto *view = new QuizView(quiz); // deletes itself when closed
            view->show();
            capture.save(view, QStringLiteral("quiz_opening_") + suffix);
            quiz.askQuestion();
            quiz.chooseAnswer(quiz.rightAnswer == 1 ? 2 : 1);
            view->sync();
            capture.save(view, QStringLiteral("quiz_answered_") + suffix);
            closeNow(view);
        }
        {
            AboutModel about(t.fakes.all(), TextCatalogue::builtIn(), form.lang, form.solutionsMode);
            AboutView view(about);
            view.show();
            capture.save(&view, QStringLiteral("about_") + suffix);
        }
    }
    for (int topic : {5, 167, 258, 484}) {
        HelpWindow::showTopic(QStringLiteral("/nonexistent/cinemoto.hlp"), topic);
        QWidget *help = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("helpWindow") && w->isVisible())
                help = w;
        }
        if (help) {
            help->resize(720, 520);
            capture.save(help, QStringLiteral("help_%1").arg(topic));
            closeNow(help);
        }
    }
}

int compare(const QString &a, const QString &b)
{
    const QStringList names = QDir(a).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    int differing = 0;
    for (const QString &name : names) {
        const QImage left(a + QLatin1Char('/') + name), right(b + QLatin1Char('/') + name);
        if (right.isNull()) {
            std::printf("missing: %s\n", qPrintable(name));
            ++differing;
            continue;
        }
        if (left.size() != right.size()) {
            std::printf("size differs: %s\n", qPrintable(name));
            ++differing;
            continue;
        }
        int pixels = 0;
        for (int y = 0; y < left.height(); ++y)
            for (int x = 0; x < left.width(); ++x)
                pixels += left.pixel(x, y) != right.pixel(x, y);
        if (pixels) {
            std::printf("%d pixels differ: %s\n", pixels, qPrintable(name));
            ++differing;
        }
    }
    const int extra = int(QDir(b).entryList({QStringLiteral("*.png")}, QDir::Files).size()) - int(names.size());
    std::printf("%lld screenshots compared, %d differ%s\n", static_cast<long long>(names.size()), differing,
                extra > 0 ? " (and the second folder has more)" : "");
    return differing || extra != 0 ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropPlatformNoise);
    QApplication app(argc, argv);
    TrainerStyle::useForApplication();
    if (argc == 4 && QByteArray(argv[1]) == "--compare")
        return compare(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc != 2) {
        std::fprintf(stderr, "usage: capture_screens <folder> | --compare <folder> <folder>\n");
        return 2;
    }
    // One font everywhere, whatever the machine's default.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    QApplication::setFont(font);
    Capture capture(QString::fromLocal8Bit(argv[1]));
    captureMainWindow(capture);
    for (int language = 1; language <= 3; ++language)
        captureMechanisms(capture, language);
    captureOtherWindows(capture);
    std::printf("%d screenshots written\n", capture.count());
    return 0;
}
