#include "setup/installer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace cinemoto {

QString cutAtNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString withTrailingSeparator(const QString &folder)
{
    QString f = folder.trimmed();
    if (!f.endsWith(QLatin1Char('/')) && !f.endsWith(QLatin1Char('\\')))
        f += QDir::separator();
    return f;
}

InstallerModel::InstallerModel(InstallerPlatform &platform, QString sourceDir)
    : m_platform(platform), m_source(std::move(sourceDir))
{
}

void InstallerModel::Form_Load()
{
    optionCount = 3;
    language = 1;
    stage = 1;
}

void InstallerModel::optIdioma_Click(int index)
{
    if (stage == 1 && index >= 1 && index <= 3)
        language = index;
}

QStringList InstallerModel::alwaysCopied()
{
    return {QStringLiteral("cinemoto"), QStringLiteral("cinemoto.hlp"), QStringLiteral("recte.gif"),
            QStringLiteral("catala.gif"), QStringLiteral("espanol.gif"), QStringLiteral("english.gif")};
}

QStringList InstallerModel::languageFiles(int language)
{
    switch (language) {
    case 2:
        return {QStringLiteral("leame.txt"), QStringLiteral("espanol.cnt"), QStringLiteral("exaesp"),
                QStringLiteral("linksesp.htm")};
    case 3:
        return {QStringLiteral("readme.txt"), QStringLiteral("english.cnt"), QStringLiteral("exaeng"),
                QStringLiteral("linkseng.htm")};
    default:
        return {QStringLiteral("llegiume.txt"), QStringLiteral("catala.cnt"), QStringLiteral("exacat"),
                QStringLiteral("linkscat.htm")};
    }
}

QStringList InstallerModel::languageTargets()
{
    return {QStringLiteral("cinemoto.txt"), QStringLiteral("cinemoto.cnt"), QStringLiteral("exadat"),
            QStringLiteral("links.htm")};
}

bool InstallerModel::copy(const QString &source, const QString &target, bool keepExisting)
{
    const QString from = m_source + QLatin1Char('/') + source;
    const QString to = programFolder() + QLatin1Char('/') + target;
    if (keepExisting && QFileInfo::exists(to))
        return true;
    if (QFileInfo(from).absoluteFilePath() == QFileInfo(to).absoluteFilePath())
        return true;
    QFile::remove(to);
    if (!QFile::copy(from, to)) {
        error = source;
        return false;
    }
    if (source == QLatin1String("cinemoto"))
        QFile::setPermissions(to, QFile::permissions(to) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return true;
}

bool InstallerModel::makeShortcut()
{
    const QString dir = m_platform.programsMenuDir();
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return false;
    QSaveFile file(dir + QStringLiteral("/Cinemoto.desktop"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString exe = programFolder() + QStringLiteral("/cinemoto");
    file.write("[Desktop Entry]\nType=Application\nName=Cinemoto\n");
    file.write(QStringLiteral("Exec=\"%1\"\nPath=%2\nIcon=%2/recte.gif\nCategories=Education;Science;\n")
                   .arg(exe, programFolder())
                   .toUtf8());
    return file.commit();
}

bool InstallerModel::install()
{
    error.clear();
    if (!QDir().mkpath(programFolder())) {
        error = programFolder();
        return false;
    }
    for (const QString &name : alwaysCopied()) {
        if (!copy(name, name))
            return false;
    }
    QSaveFile settings(programFolder() + QStringLiteral("/cinemoto.ini"));
    const char bytes[2] = {char(language & 0xFF), char((language >> 8) & 0xFF)};
    if (!settings.open(QIODevice::WriteOnly) || settings.write(bytes, 2) != 2 || !settings.commit()) {
        error = QStringLiteral("cinemoto.ini");
        return false;
    }
    const QStringList sources = languageFiles(language);
    const QStringList targets = languageTargets();
    for (int i = 0; i < sources.size(); ++i) {
        // An installation done again keeps the exams already recorded.
        const bool keep = targets[i] == QLatin1String("exadat");
        if (!copy(sources[i], targets[i], keep))
            return false;
    }
    makeShortcut(); // a shortcut that cannot be made does not stop the installation
    return true;
}

void InstallerModel::cmdOK_Click()
{
    static const char *const folderMessage[] = {"El programa s'instal·larà al directori",
                                                "El programa se instalará en el directorio",
                                                "The Cinemoto folder will be"};
    static const char *const doneMessage[] = {"El procés d'instal·lació ha acabat",
                                              "El proceso de instalación ha terminado",
                                              "Installation successfully completed"};
    static const char *const startMessage[] = {"Tot seguit s'iniciarà el programa",
                                               "A continuación se iniciará el programa", "Cinemoto will start now"};
    const int l = qBound(1, language, 3) - 1;
    switch (stage) {
    case 1:
        optionsShown = false;
        baseFolder = withTrailingSeparator(cutAtNul(m_platform.programFilesDir()));
        messageLine = QString::fromUtf8(folderMessage[l]);
        folderLine = baseFolder + QStringLiteral("cinemoto") + QDir::separator();
        messagesShown = true;
        stage = 2;
        break;
    case 2:
        if (!install())
            return; // the stage does not advance
        messageLine = QString::fromUtf8(doneMessage[l]);
        folderLine = QString::fromUtf8(startMessage[l]);
        stage = 3;
        break;
    default:
        m_platform.startProgram(programFolder() + QStringLiteral("/cinemoto"));
        finished = true;
        break;
    }
}

} // namespace cinemoto
