#pragma once

#include "app/file_io.h"

#include <QString>
#include <QStringList>

namespace cinemoto {

// What the installer needs from the system: where programs live, where the desktop's
// program menu is, and how to start the installed trainer.
class InstallerPlatform
{
public:
    virtual ~InstallerPlatform() = default;
    // The folder programs are installed in, as the system names it (may lack a separator).
    virtual QString programFilesDir() = 0;
    // The desktop's program menu, where the shortcut goes.
    virtual QString programsMenuDir() = 0;
    virtual bool startProgram(const QString &path) = 0;
    // The machine's shared exam records folder, for an installation for every user;
    // empty for an installation of one's own.
    virtual QString sharedRecordsDir() { return {}; }
    // An installation for every user is made by the administrator, who is not the pupil
    // the trainer is for: it is not started then.
    virtual bool startsTrainer() { return true; }
};

// Cuts a text at its first NUL character.
QString cutAtNul(const QString &text);
// Trims blanks and adds a separator unless the text already ends in "/" or "\".
QString withTrailingSeparator(const QString &folder);

// The installer's one window: choose a language, see the folder, install, start.
class InstallerModel
{
public:
    InstallerModel(InstallerPlatform &platform, QString sourceDir);

    int optionCount = 3;
    int language = 1;
    int stage = 1;
    QString baseFolder;
    QString messageLine;  // first message line
    QString folderLine;   // folder, or second message line
    bool messagesShown = false;
    bool optionsShown = true;
    bool finished = false;
    // Why the last step stopped, empty when it went well: the file and the reason.
    QString error;
    QString errorFile;
    FileFailure errorReason = FileFailure::None;

    void load();
    void onLanguageChosen(int index);
    void onOkClicked();

    // The files copied whatever the language, and the ones of each language.
    static QStringList alwaysCopied();
    static QStringList languageFiles(int language); // source names; destinations below
    static QStringList languageTargets();
    QString programFolder() const { return baseFolder + QStringLiteral("cinemoto"); }
    // The desktop's menu entry for the installed program, with its uninstall action.
    QString menuEntry() const;

private:
    bool install();
    bool fillStaging(const QString &staging);
    bool copy(const QString &source, const QString &stagedTarget, mode_t mode);
    bool keepRecords(const QString &staging);
    bool prepareSharedRecords();
    bool switchOver(const QString &staging);
    bool fail(const QString &file, FileError why);
    bool makeShortcut();

    InstallerPlatform &m_platform;
    QString m_source;
};

} // namespace cinemoto
