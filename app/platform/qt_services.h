#pragma once

#include "app/platform/services.h"
#include "printing/qt_printer.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <random>

namespace cinemoto {

class SoundPlugin;

class QtMessageBox : public MessageBoxService
{
public:
    explicit QtMessageBox(HelpViewerService *help) : m_help(help) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    // Run before a box opens, so the window behind it shows its latest state.
    std::function<void()> beforeShow;
    // The pupil's language (1 Catalan, 2 Spanish, 3 English), for the button captions.
    std::function<int()> language;
    Answer show(Icon icon, const QString &text, const QString &title, Buttons buttons, int helpTopic) override;
    void beep() override;

private:
    HelpViewerService *m_help;
    QPointer<QWidget> m_parent;
};

// Sound through the sound plugin beside the program, loaded on the first sound.
class QtSound : public SoundService
{
public:
    QtSound();
    ~QtSound() override;
    // Answered without loading the plugin: 1 when it is there, else 0. The devices are
    // asked on the first sound; with none it is refused, which silences the program
    // just as a count of 0 would.
    int deviceCount() override;
    int play(const QString &resource, bool loop) override;
    void stop() override;

    // The plugin file; the program folder's unless replaced before the first sound.
    QString pluginFile;

private:
    SoundPlugin *plugin();
    SoundPlugin *m_plugin = nullptr;
    bool m_tried = false;
};

class QtShell : public ShellService
{
public:
    QString findExecutable(const QString &name) override;
    bool start(const QString &program, const QStringList &arguments, bool minimised) override;
    bool openUrl(const QString &url) override;
};

class QtClipboard : public ClipboardService
{
public:
    void clear() override;
    void setTextAndPicture(const QString &text, int pictureId) override;
};

class QtHelpViewer : public HelpViewerService
{
public:
    void setHelpFile(const QString &path) override { m_file = path; }
    void showTopic(int topic) override;
    QString helpFile() const { return m_file; }

private:
    QString m_file;
};

class QtClock : public ClockService
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

class QtRandom : public RandomService
{
public:
    float next() override;
    void seed(quint32 value) override { m_engine.seed(value); }
    void seedFromTimer() override;

private:
    std::mt19937 m_engine{5489u};
};

class QtProgramFolder : public ProgramFolderService
{
public:
    QString path() override;
    // Chosen on first use and kept, so one run never splits its records over two folders.
    QString recordsFolder() override;

private:
    QString m_records;
};

// The real services of a running trainer, owned in one place.
struct QtServices
{
    QtHelpViewer help;
    QtMessageBox messageBox{&help};
    QtSound sound;
    QtShell shell;
    QtClipboard clipboard;
    QtPrinter printer;
    QtClock clock;
    QtRandom random;
    QtProgramFolder folder;

    Services all()
    {
        return {&messageBox, &sound, &shell, &clipboard, &printer, &help, &clock, &random, &folder};
    }
};

} // namespace cinemoto
