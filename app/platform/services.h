#pragma once

// The trainer reaches the desktop only through these small interfaces, so that
// every window model can be driven by tests with fakes in place of the real thing.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace cinemoto {

class MessageBoxService
{
public:
    enum class Icon { Information, Exclamation, Question };
    enum class Buttons { Ok, YesNo, YesNoDefaultNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxService() = default;
    // Modal; returns the button pressed. helpTopic > 0 adds a Help button for that topic.
    virtual Answer show(Icon icon, const QString &text, const QString &title, Buttons buttons,
                        int helpTopic = 0) = 0;
    // The short system beep.
    virtual void beep() = 0;
};

class SoundService
{
public:
    virtual ~SoundService() = default;
    virtual int deviceCount() = 0;
    // Plays the WAVE file of a resource path (":/sounds/1601.wav"), once or looped; a new
    // request ends the sound before it. Returns 1 when the platform accepted the sound, 0 when not.
    virtual int play(const QString &resource, bool loop) = 0;
    virtual void stop() = 0;
};

class ShellService
{
public:
    virtual ~ShellService() = default;
    // Path of the program registered for a name such as "calc", or an empty text.
    virtual QString findExecutable(const QString &name) = 0;
    virtual bool start(const QString &program, const QStringList &arguments, bool minimised) = 0;
    virtual bool openUrl(const QString &url) = 0;
};

class ClipboardService
{
public:
    virtual ~ClipboardService() = default;
    virtual void clear() = 0;
    // The text and the picture with that number, together in one piece.
    virtual void setTextAndPicture(const QString &text, int pictureId) = 0;
};

struct Printout;

class PrinterService
{
public:
    enum class Target { Printer, Preview, PdfFile };
    // Why nothing reached paper or file, so the pupil can be told what to do.
    enum class Outcome { Done, Cancelled, NoPrinter, PrinterStopped, JobRefused, FileNotWritten };

    virtual ~PrinterService() = default;
    // Lays the printout out on paper and sends it to the default printer, a preview or a
    // PDF file the pupil names.
    virtual Outcome print(const Printout &printout, Target target) = 0;
};

class HelpViewerService
{
public:
    virtual ~HelpViewerService() = default;
    virtual void setHelpFile(const QString &path) = 0;
    virtual void showTopic(int topic) = 0;
};

class ClockService
{
public:
    virtual ~ClockService() = default;
    virtual QDateTime now() = 0;
    qint64 nowMs() { return now().toMSecsSinceEpoch(); }
};

class RandomService
{
public:
    virtual ~RandomService() = default;
    // Uniform in [0, 1).
    virtual float next() = 0;
    virtual void seed(quint32 value) = 0;
    virtual void seedFromTimer() = 0;
};

class ProgramFolderService
{
public:
    virtual ~ProgramFolderService() = default;
    // The folder that holds the running program, without a trailing separator.
    virtual QString path() = 0;
    // The folder of the exam records, without a trailing separator.
    virtual QString recordsFolder() { return path(); }
};

// Everything a window model needs from outside, handed over in one piece.
struct Services
{
    MessageBoxService *messageBox = nullptr;
    SoundService *sound = nullptr;
    ShellService *shell = nullptr;
    ClipboardService *clipboard = nullptr;
    PrinterService *printer = nullptr;
    HelpViewerService *help = nullptr;
    ClockService *clock = nullptr;
    RandomService *random = nullptr;
    ProgramFolderService *folder = nullptr;
};

// Every window points the help viewer at the help file of the program folder when it opens.
inline void useProgramHelpFile(const Services &services)
{
    services.help->setHelpFile(services.folder->path() + QStringLiteral("/cinemoto.hlp"));
}

} // namespace cinemoto
