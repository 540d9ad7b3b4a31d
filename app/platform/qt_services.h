#pragma once

#include "app/platform/services.h"
#include "printing/qt_printer.h"

#include <QBuffer>
#include <QPointer>
#include <functional>
#include <memory>
#include <random>

class QAudioSink;
class QWidget;

namespace cinemoto {

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

class QtSound : public SoundService
{
public:
    QtSound();
    ~QtSound() override;
    int deviceCount() override;
    int play(const QByteArray &wave, bool loop) override;
    void stop() override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
    QByteArray m_samples;
    bool m_loop = false;
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
