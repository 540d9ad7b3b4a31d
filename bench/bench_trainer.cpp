// The trainer's main window in this process, as the program builds it, for what only a
// running window shows:
//   bench_trainer animate <seconds> <mechanism>...  CPU share while each mechanism moves
//   bench_trainer windows <exams-taken times> <other times>  resident memory before and
//       after opening and closing every window that many times
#include "app/main_window_model.h"
#include "app/main_window_view.h"
#include "app/platform/qt_services.h"
#include "app/textcatalogue.h"
#include "mechanisms/catalogue.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <utility>

using namespace cinemoto;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Runs the event loop as the program does, so that only what the window asks for costs time.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool extraWindowShown(const QWidget &main)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != &main && w->isVisible())
            return true;
    }
    return false;
}

// Opens a window as the pupil would and closes it again, modal or not.
void openAndClose(QWidget &main, const std::function<void()> &open)
{
    QTimer closer;
    closer.setInterval(2);
    QObject::connect(&closer, &QTimer::timeout, [&main] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w != &main && w->isVisible())
                w->close();
        }
    });
    closer.start();
    open();
    for (int i = 0; i < 500 && extraWindowShown(main); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    closer.stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    QtServices services;
    MainWindowModel model(services.all(), TextCatalogue::builtIn());
    model.load();
    MainWindowView window(model);
    services.messageBox.setParent(&window);
    services.messageBox.beforeShow = [&window] { window.sync(); };
    window.resize(window.sizeHint().expandedTo(QSize(960, 640)));
    window.show();
    runFor(1000);

    if (args.value(1) == QLatin1String("animate") && args.size() >= 4) {
        const int seconds = args.value(2).toInt();
        for (int i = 3; i < args.size(); ++i) {
            const int mechanism = args.value(i).toInt();
            model.selectOption(model.c.typeOptions[mechanismInfo(mechanism).type]);
            model.selectOption(model.c.mechanismOptions[mechanism]);
            window.sync();
            runFor(500);
            const double before = cpuSeconds();
            QElapsedTimer wall;
            wall.start();
            runFor(seconds * 1000);
            const double share = 100.0 * (cpuSeconds() - before) / (double(wall.elapsed()) / 1000.0);
            std::printf("animate %d %.3f\n", mechanism, share);
            std::fflush(stdout);
        }
        return 0;
    }
    if (args.value(1) == QLatin1String("windows") && args.size() == 4) {
        const int examsTaken = args.value(2).toInt();
        const int others = args.value(3).toInt();
        const auto action = [&window](const char *name) {
            return window.findChild<QAction *>(QString::fromLatin1(name));
        };
        QAction *examsList = action("examsTakenItem");
        QAction *about = action("aboutItem");
        QAction *help = action("contentsItem");
        auto *quiz = window.findChild<QPushButton *>(QStringLiteral("quizButton"));
        auto *print = window.findChild<QToolButton *>(QStringLiteral("printButton"));
        QAction *preview = print && print->menu() ? print->menu()->actions().value(0) : nullptr;
        std::printf("windows found: exams-taken %d about %d help %d quiz %d preview %d\n", examsList != nullptr,
                    about != nullptr, help != nullptr, quiz != nullptr, preview != nullptr);
        if (!examsList || !about || !help || !quiz || !preview)
            return 1;
        std::printf("rss-start %.1f widgets %lld\n", residentMb(),
                    static_cast<long long>(QApplication::allWidgets().size()));
        for (int i = 0; i < examsTaken; ++i)
            openAndClose(window, [examsList] { examsList->trigger(); });
        std::printf("rss-after-exams-taken %.1f\n", residentMb());
        // One kind after the other, so that what each keeps shows on its own.
        const std::pair<const char *, std::function<void()>> kinds[] = {
            {"about", [about] { about->trigger(); }},
            {"help", [help] { help->trigger(); }},
            {"quiz", [quiz] { quiz->click(); }},
            {"preview", [preview] { preview->trigger(); }},
        };
        for (const auto &[name, open] : kinds) {
            for (int i = 0; i < others; ++i)
                openAndClose(window, open);
            std::printf("rss-after-%s %.1f widgets %lld\n", name, residentMb(),
                        static_cast<long long>(QApplication::allWidgets().size()));
        }
        runFor(500);
        std::printf("rss-end %.1f\n", residentMb());
        std::fflush(stdout);
        return 0;
    }
    std::fputs("usage: bench_trainer animate <seconds> <mechanism>... | windows <n> <m>\n", stderr);
    return 2;
}
