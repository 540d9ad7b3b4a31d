#pragma once

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
    QString messageLine;  // lblOnhofaig
    QString folderLine;   // lblEllloc
    bool messagesShown = false;
    bool optionsShown = true;
    bool finished = false;
    QString error; // why the last step stopped, empty when it went well

    void Form_Load();
    void optIdioma_Click(int index);
    void cmdOK_Click();

    // The files copied whatever the language, and the ones of each language.
    static QStringList alwaysCopied();
    static QStringList languageFiles(int language); // source names; destinations below
    static QStringList languageTargets();
    QString programFolder() const { return baseFolder + QStringLiteral("cinemoto"); }

private:
    bool install();
    bool copy(const QString &source, const QString &target, bool keepExisting = false);
    bool makeShortcut();

    InstallerPlatform &m_platform;
    QString m_source;
};

} // namespace cinemoto
