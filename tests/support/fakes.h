#pragma once

// Stand-ins for the desktop services, so tests can drive a window model like a pupil
// would and read back what it asked of the system.

#include "app/platform/services.h"
#include "printing/printout.h"

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace cinemoto::test {

struct FakeMessageBox : MessageBoxService
{
    struct Shown
    {
        Icon icon;
        QString text, title;
        Buttons buttons;
        int helpTopic;
    };
    std::vector<Shown> shown;
    std::deque<Answer> answers; // scripted replies; Ok or No when empty
    int beeps = 0;

    Answer show(Icon icon, const QString &text, const QString &title, Buttons buttons, int helpTopic) override
    {
        shown.push_back({icon, text, title, buttons, helpTopic});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    void beep() override { ++beeps; }
};

struct FakeSound : SoundService
{
    int devices = 1;
    int accept = 1;
    struct Request
    {
        QString resource;
        bool loop;
    };
    std::vector<Request> played;
    int stops = 0;

    int deviceCount() override { return devices; }
    int play(const QString &resource, bool loop) override
    {
        played.push_back({resource, loop});
        return accept;
    }
    void stop() override { ++stops; }
};

struct FakeShell : ShellService
{
    QHash<QString, QString> programs; // name -> path; missing means not found
    struct Started
    {
        QString program;
        QStringList arguments;
        bool minimised;
    };
    std::vector<Started> started;
    QStringList urls;

    QString findExecutable(const QString &name) override { return programs.value(name); }
    bool start(const QString &program, const QStringList &arguments, bool minimised) override
    {
        started.push_back({program, arguments, minimised});
        return true;
    }
    bool openUrl(const QString &url) override
    {
        urls << url;
        return true;
    }
};

struct FakeClipboard : ClipboardService
{
    int clears = 0;
    QString text;
    int picture = 0;
    void clear() override
    {
        ++clears;
        text.clear();
        picture = 0;
    }
    void setTextAndPicture(const QString &t, int pictureId) override
    {
        text = t;
        picture = pictureId;
    }
};

struct FakePrinter : PrinterService
{
    struct Job
    {
        Printout printout;
        Target target;
    };
    std::vector<Job> jobs; // every request, whatever became of it
    Outcome outcome = Outcome::Done;
    Outcome print(const Printout &printout, Target target) override
    {
        jobs.push_back({printout, target});
        return outcome;
    }
};

struct FakeHelp : HelpViewerService
{
    QString file;
    std::vector<int> topics;
    void setHelpFile(const QString &path) override { file = path; }
    void showTopic(int topic) override { topics.push_back(topic); }
};

struct FakeClock : ClockService
{
    QDateTime current = QDateTime(QDate(2026, 3, 14), QTime(10, 0, 0));
    QDateTime now() override { return current; }
    void advanceMs(qint64 ms) { current = current.addMSecs(ms); }
};

struct FakeRandom : RandomService
{
    std::deque<float> script; // draws handed out first, in order
    float fallback = 0.25f;   // then an even, repeatable spread of values
    int draws = 0;
    int seeds = 0;
    float next() override
    {
        ++draws;
        if (script.empty()) {
            const float v = fallback;
            fallback += 0.618034f;
            if (fallback >= 1.0f)
                fallback -= 1.0f;
            return v;
        }
        const float v = script.front();
        script.pop_front();
        return v;
    }
    void seed(quint32) override { ++seeds; }
    void seedFromTimer() override { ++seeds; }
};

struct FakeFolder : ProgramFolderService
{
    QString folder = QDir::tempPath();
    QString path() override { return folder; }
};

// All the fakes together, ready to hand to a window model.
struct FakeServices
{
    FakeMessageBox messageBox;
    FakeSound sound;
    FakeShell shell;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeHelp help;
    FakeClock clock;
    FakeRandom random;
    FakeFolder folder;

    Services all()
    {
        return {&messageBox, &sound, &shell, &clipboard, &printer, &help, &clock, &random, &folder};
    }
};

} // namespace cinemoto::test
