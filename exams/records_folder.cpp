#include "exams/records_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace cinemoto {

bool mayCreateFilesIn(const QString &folder)
{
    // Asked of the system rather than read from the bits, so read-only mounts count too;
    // AT_EACCESS asks for the identity files are really opened with.
    return !folder.isEmpty() && QFileInfo(folder).isDir()
        && ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

QString userRecordsFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/cinemoto");
}

QString chooseRecordsFolder(const QString &programFolder, const QString &sharedFolder, const QString &userFolder)
{
    if (mayCreateFilesIn(programFolder))
        return programFolder;
    if (mayCreateFilesIn(sharedFolder))
        return sharedFolder;
    QDir().mkpath(userFolder);
    return userFolder;
}

} // namespace cinemoto
