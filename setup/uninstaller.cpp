#include "setup/uninstaller.h"

#include "exams/records_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace cinemoto {

namespace {

bool isRecord(const QString &name)
{
    return name == QLatin1String("exadat") || name == QLatin1String("exadat.lock");
}

bool removeEntry(const QFileInfo &entry, QString *error)
{
    const bool removed = entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                             : QFile::remove(entry.filePath());
    if (!removed && error)
        *error = entry.filePath();
    return removed;
}

// Only an entry that starts this very program is ours to remove.
bool menuEntryIsOurs(const QString &entry, const QString &programFolder)
{
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.read(64 * 1024);
    return content.contains(QFile::encodeName(programFolder + QStringLiteral("/cinemoto")));
}

} // namespace

InstalledCinemoto installedFrom(const QString &programFolder, bool forEveryUser)
{
    const QString menu = forEveryUser ? QStringLiteral("/usr/local/share/applications")
                                      : QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    return {programFolder, menu + QStringLiteral("/Cinemoto.desktop"),
            forEveryUser ? QString::fromLatin1(kSharedRecordsFolder) : QString()};
}

bool uninstall(const InstalledCinemoto &installed, bool deleteRecords, QString *error)
{
    // The menu entry goes first: it must never point at a folder that is half gone.
    if (QFileInfo::exists(installed.menuEntry) && menuEntryIsOurs(installed.menuEntry, installed.programFolder)
        && !QFile::remove(installed.menuEntry)) {
        if (error)
            *error = installed.menuEntry;
        return false;
    }
    const QDir folder(installed.programFolder);
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (!deleteRecords && isRecord(entry.fileName()))
            continue;
        if (!removeEntry(entry, error))
            return false;
    }
    if (deleteRecords) {
        QDir().rmdir(installed.programFolder);
        if (!installed.sharedRecords.isEmpty() && QFileInfo::exists(installed.sharedRecords)
            && !QDir(installed.sharedRecords).removeRecursively()) {
            if (error)
                *error = installed.sharedRecords;
            return false;
        }
    }
    return true;
}

} // namespace cinemoto
