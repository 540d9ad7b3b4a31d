#include "app/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace cinemoto {

namespace {

class FirstFrameWatcher : public QObject
{
public:
    explicit FirstFrameWatcher(bool quit) : m_quit(quit) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // Reported once the painted frame has been handed to the display.
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::fprintf(stderr, "first-frame %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stderr);
                if (m_quit)
                    QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_quit;
    bool m_seen = false;
};

} // namespace

void reportFirstFrame(QWidget &window)
{
    const QByteArray mode = qgetenv("CINEMOTO_REPORT_FIRST_FRAME");
    if (mode.isEmpty())
        return;
    auto *watcher = new FirstFrameWatcher(mode == "quit");
    watcher->setParent(&window);
    window.installEventFilter(watcher);
}

} // namespace cinemoto
