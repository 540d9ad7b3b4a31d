#include "app/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cinemoto {

namespace {

void setError(FileError *error, FileFailure failure, const QString &detail)
{
    if (error)
        *error = {failure, detail};
}

void setErrno(FileError *error, int code)
{
    setError(error, failureFromErrno(code), QString::fromLocal8Bit(std::strerror(code)));
}

int closeChecked(int fd)
{
    // A close interrupted by a signal has still released the descriptor on Linux.
    const int result = ::close(fd);
    return result == 0 || errno == EINTR ? 0 : -1;
}

} // namespace

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

bool FileLock::acquire(int timeoutMs, FileError *error)
{
    const QByteArray name = QFile::encodeName(m_path);
    // Read access is enough to lock, so a lock file made by another user serves everyone.
    m_fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (m_fd < 0) {
        setErrno(error, errno);
        return false;
    }
    struct stat info;
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        setError(error, FileFailure::NotARegularFile, QStringLiteral("the lock is not a regular file"));
        return false;
    }
    ::fchmod(m_fd, 0666); // whatever the umask; fails harmlessly on another user's file
    for (int waited = 0;; waited += 20) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            setErrno(error, errno);
            return false;
        }
        if (waited >= timeoutMs)
            break;
        ::usleep(20000);
    }
    setError(error, FileFailure::Locked, QStringLiteral("held by another trainer"));
    return false;
}

FileSystemCalls &fileSystemCalls()
{
    static FileSystemCalls calls{&::write, &::fsync};
    return calls;
}

FileFailure failureFromErrno(int error)
{
    switch (error) {
    case 0:
        return FileFailure::None;
    case ENOENT:
    case ENOTDIR:
        return FileFailure::Missing;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileFailure::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileFailure::PermissionDenied;
    case EISDIR:
    case ENXIO:
        return FileFailure::NotARegularFile;
    default:
        return FileFailure::Other;
    }
}

bool isRegularFile(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, FileError *error)
{
    // Non-blocking, so that opening a named pipe with no writer cannot hang.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setErrno(error, errno);
        return std::nullopt;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        setError(error, FileFailure::NotARegularFile, QStringLiteral("not a regular file"));
        return std::nullopt;
    }
    // A regular file tells its size, so no more than that is ever set aside.
    QByteArray bytes(qsizetype(qBound(qint64(0), qint64(info.st_size), maxBytes)), '\0');
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int code = errno;
            ::close(fd);
            setErrno(error, code);
            return std::nullopt;
        }
        if (n == 0)
            break;
        done += n;
    }
    ::close(fd);
    bytes.truncate(done);
    setError(error, FileFailure::None, QString());
    return bytes;
}

bool replaceFileAtomically(const QString &path, const QByteArray &content, FileError *error, mode_t mode)
{
    QByteArray name = QFile::encodeName(path) + ".new-XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        setErrno(error, errno);
        return false;
    }
    const auto fail = [&](int code) {
        ::close(fd);
        ::unlink(name.constData());
        setErrno(error, code);
        return false;
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, mode & ~mask) != 0)
        return fail(errno);
    const FileSystemCalls &calls = fileSystemCalls();
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t n = calls.write(fd, content.constData() + done, size_t(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : ENOSPC);
        done += n;
    }
    // Space can run out only when the data reach the disk; a failed sync is a failed store.
    if (calls.fsync(fd) != 0)
        return fail(errno);
    if (closeChecked(fd) != 0) {
        const int code = errno;
        ::unlink(name.constData());
        setErrno(error, code);
        return false;
    }
    if (::rename(name.constData(), QFile::encodeName(path).constData()) != 0) {
        const int code = errno;
        ::unlink(name.constData());
        setErrno(error, code);
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    setError(error, FileFailure::None, QString());
    return true;
}

void removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    const QString name = QRegularExpression::escape(target.fileName());
    // Ours, and those of the earlier way of saving, whose random part always mixed in a
    // capital or a digit: a teacher's "exadat.backup" is left alone.
    const QRegularExpression ours(QStringLiteral("^%1\\.new-[A-Za-z0-9]{6}$").arg(name));
    const QRegularExpression earlier(QStringLiteral("^%1\\.(?=[a-z]*[A-Z0-9])[A-Za-z0-9]{6}$").arg(name));
    const QDir folder = target.absoluteDir();
    const QStringList names =
        folder.entryList({target.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &n : names) {
        const QString full = folder.filePath(n);
        if ((ours.match(n).hasMatch() || earlier.match(n).hasMatch()) && isRegularFile(full))
            QFile::remove(full);
    }
}

} // namespace cinemoto
