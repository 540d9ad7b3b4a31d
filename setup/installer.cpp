#include "setup/installer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

namespace cinemoto {

namespace {

constexpr qint64 kLargestMediumFile = 256 * 1024 * 1024;

// Installed files get ordinary modes whatever the medium had: a read-only medium must not
// make a read-only program or record file.
constexpr mode_t kDataMode = 0644;
constexpr mode_t kProgramMode = 0755;
// The shared records folder is written by every pupil of the machine; it has no sticky
// bit, because each store replaces the file made by whoever stored last.
constexpr mode_t kSharedFolderMode = 0777;
constexpr mode_t kSharedRecordMode = 0666;

QString text(int language, const char *ca, const char *es, const char *en)
{
    const char *const texts[] = {ca, es, en};
    return QString::fromUtf8(texts[qBound(1, language, 3) - 1]);
}

QString reasonText(int language, const FileError &why, bool fromMedium)
{
    switch (why.failure) {
    case FileFailure::Missing:
        if (fromMedium)
            return text(language, "no es troba al suport d'instal·lació", "no está en el soporte de instalación",
                        "missing from the installation medium");
        return text(language, "no es troba", "no se encuentra", "not found");
    case FileFailure::NoSpace:
        return text(language, "no queda espai al disc", "no queda espacio en el disco", "no space left on the disk");
    case FileFailure::PermissionDenied:
        return text(language, "permís denegat", "permiso denegado", "permission denied");
    case FileFailure::NotARegularFile:
        return text(language, "no és un arxiu normal", "no es un archivo normal", "not an ordinary file");
    case FileFailure::Locked:
    case FileFailure::Other:
    case FileFailure::None:
        break;
    }
    return why.detail;
}

bool isProgram(const QString &name)
{
    return name == QLatin1String("cinemoto") || name == QLatin1String("setup") || name == QLatin1String("uninstall");
}

QString makeStagingFolder(const QString &base)
{
    QByteArray pattern = QFile::encodeName(base) + ".cinemoto-new-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    ::chmod(pattern.constData(), kProgramMode);
    return QFile::decodeName(pattern);
}

} // namespace

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

void InstallerModel::load()
{
    optionCount = 3;
    language = 1;
    stage = 1;
}

void InstallerModel::onLanguageChosen(int index)
{
    if (stage == 1 && index >= 1 && index <= 3)
        language = index;
}

QStringList InstallerModel::alwaysCopied()
{
    return {QStringLiteral("cinemoto"),    QStringLiteral("cinemoto.hlp"), QStringLiteral("recte.gif"),
            QStringLiteral("catala.gif"),  QStringLiteral("espanol.gif"),  QStringLiteral("english.gif"),
            QStringLiteral("cinemoto.svg"), QStringLiteral("uninstall"),    QStringLiteral("cinemoto-sound.so"),
            QStringLiteral("cinemoto-print.so")};
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

bool InstallerModel::fail(const QString &file, FileError why)
{
    const bool fromMedium = file.startsWith(m_source);
    errorFile = QFileInfo(file).fileName();
    errorReason = why.failure;
    error = errorFile + QStringLiteral(": ") + reasonText(language, why, fromMedium);
    return false;
}

bool InstallerModel::copy(const QString &source, const QString &stagedTarget, mode_t mode)
{
    const QString from = m_source + QLatin1Char('/') + source;
    FileError why;
    const std::optional<QByteArray> content = readRegularFile(from, kLargestMediumFile, &why);
    if (!content)
        return fail(from, why);
    if (!replaceFileAtomically(stagedTarget, *content, &why, mode))
        return fail(stagedTarget, why);
    return true;
}

bool InstallerModel::keepRecords(const QString &staging)
{
    // An installation done again keeps the exams already recorded.
    const QString installed = programFolder() + QStringLiteral("/exadat");
    if (!QFileInfo::exists(installed))
        return copy(languageFiles(language)[2], staging + QStringLiteral("/exadat"), kDataMode);
    FileError why;
    const std::optional<QByteArray> records = readRegularFile(installed, kLargestMediumFile, &why);
    if (!records)
        return fail(installed, why);
    if (!replaceFileAtomically(staging + QStringLiteral("/exadat"), *records, &why, kDataMode))
        return fail(staging + QStringLiteral("/exadat"), why);
    return true;
}

bool InstallerModel::fillStaging(const QString &staging)
{
    for (const QString &name : alwaysCopied()) {
        if (!copy(name, staging + QLatin1Char('/') + name, isProgram(name) ? kProgramMode : kDataMode))
            return false;
    }
    FileError why;
    const char bytes[2] = {char(language & 0xFF), char((language >> 8) & 0xFF)};
    const QString settings = staging + QStringLiteral("/cinemoto.ini");
    if (!replaceFileAtomically(settings, QByteArray(bytes, 2), &why, kDataMode))
        return fail(settings, why);
    const QStringList sources = languageFiles(language);
    const QStringList targets = languageTargets();
    for (int i = 0; i < sources.size(); ++i) {
        const bool ok = targets[i] == QLatin1String("exadat")
            ? keepRecords(staging)
            : copy(sources[i], staging + QLatin1Char('/') + targets[i], kDataMode);
        if (!ok)
            return false;
    }
    return true;
}

bool InstallerModel::prepareSharedRecords()
{
    const QString shared = m_platform.sharedRecordsDir();
    if (shared.isEmpty())
        return true;
    if (!QDir().mkpath(shared))
        return fail(shared, {failureFromErrno(errno), QString()});
    ::chmod(QFile::encodeName(shared).constData(), kSharedFolderMode);
    const QString records = shared + QStringLiteral("/exadat");
    if (QFileInfo::exists(records)) {
        // Kept, and writable by every pupil however an earlier install left it.
        ::chmod(QFile::encodeName(records).constData(), kSharedRecordMode);
        return true;
    }
    if (!copy(languageFiles(language)[2], records, kSharedRecordMode))
        return false;
    ::chmod(QFile::encodeName(records).constData(), kSharedRecordMode); // whatever the umask
    return true;
}

bool InstallerModel::switchOver(const QString &staging)
{
    const QByteArray from = QFile::encodeName(staging);
    const QByteArray to = QFile::encodeName(programFolder());
    if (!QFileInfo::exists(programFolder())) {
        if (::rename(from.constData(), to.constData()) != 0)
            return fail(programFolder(), {failureFromErrno(errno), QString()});
        return true;
    }
    // One step swaps the new folder in: there is never a moment without a working program.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
        QDir(staging).removeRecursively(); // now the previous installation
        return true;
    }
    // A file system that cannot swap: move the old one aside, then put it back on failure.
    const QByteArray aside = QFile::encodeName(staging + QStringLiteral("-old"));
    if (::rename(to.constData(), aside.constData()) != 0)
        return fail(programFolder(), {failureFromErrno(errno), QString()});
    if (::rename(from.constData(), to.constData()) != 0) {
        const int code = errno;
        ::rename(aside.constData(), to.constData());
        return fail(programFolder(), {failureFromErrno(code), QString()});
    }
    QDir(QFile::decodeName(aside)).removeRecursively();
    return true;
}

bool InstallerModel::install()
{
    error.clear();
    errorFile.clear();
    errorReason = FileFailure::None;
    if (!QDir().mkpath(baseFolder))
        return fail(baseFolder, {failureFromErrno(errno), QString()});
    // Everything goes into a folder beside the target first, so that a failure leaves the
    // previous installation as it was and nothing half-installed.
    const QString staging = makeStagingFolder(baseFolder);
    if (staging.isEmpty())
        return fail(programFolder(), {failureFromErrno(errno), QString()});
    if (!fillStaging(staging) || !prepareSharedRecords() || !switchOver(staging)) {
        QDir(staging).removeRecursively();
        return false;
    }
    makeShortcut(); // a shortcut that cannot be made does not stop the installation
    return true;
}

QString InstallerModel::menuEntry() const
{
    QFile templateFile(QStringLiteral(":/desktop/cinemoto.desktop.in"));
    if (!templateFile.open(QIODevice::ReadOnly))
        return {};
    const QString folder = programFolder();
    QString entry = QString::fromUtf8(templateFile.readAll());
    entry.replace(QStringLiteral("@CINEMOTO_EXEC@"), QStringLiteral("\"%1/cinemoto\"").arg(folder));
    entry.replace(QStringLiteral("@CINEMOTO_TRYEXEC@"), folder + QStringLiteral("/cinemoto"));
    entry.replace(QStringLiteral("@CINEMOTO_ICON@"), folder + QStringLiteral("/cinemoto.svg"));
    if (!entry.endsWith(QLatin1Char('\n')))
        entry += QLatin1Char('\n');
    entry += QStringLiteral("Path=%1\nActions=uninstall;\n\n[Desktop Action uninstall]\nName=Uninstall Cinemoto\n"
                            "Name[ca]=Desinstal·la Cinemoto\nName[es]=Desinstalar Cinemoto\nExec=\"%1/uninstall\"\n")
                 .arg(folder);
    return entry;
}

bool InstallerModel::makeShortcut()
{
    const QString dir = m_platform.programsMenuDir();
    const QString entry = menuEntry();
    if (dir.isEmpty() || entry.isEmpty() || !QDir().mkpath(dir))
        return false;
    return replaceFileAtomically(dir + QStringLiteral("/Cinemoto.desktop"), entry.toUtf8(), nullptr, kDataMode);
}

void InstallerModel::onOkClicked()
{
    switch (stage) {
    case 1:
        optionsShown = false;
        baseFolder = withTrailingSeparator(cutAtNul(m_platform.programFilesDir()));
        messageLine = text(language, "El programa s'instal·larà al directori", "El programa se instalará en el directorio",
                           "The Cinemoto folder will be");
        folderLine = baseFolder + QStringLiteral("cinemoto") + QDir::separator();
        messagesShown = true;
        stage = 2;
        break;
    case 2:
        if (!install())
            return; // the stage does not advance
        messageLine = text(language, "El procés d'instal·lació ha acabat", "El proceso de instalación ha terminado",
                           "Installation successfully completed");
        if (m_platform.startsTrainer())
            folderLine = text(language, "Tot seguit s'iniciarà el programa", "A continuación se iniciará el programa",
                              "Cinemoto will start now");
        else
            folderLine = text(language, "Programa instal·lat a ", "Programa instalado en ", "Cinemoto was installed in ")
                + programFolder() + QDir::separator();
        stage = 3;
        break;
    default:
        if (m_platform.startsTrainer())
            m_platform.startProgram(programFolder() + QStringLiteral("/cinemoto"));
        finished = true;
        break;
    }
}

} // namespace cinemoto
