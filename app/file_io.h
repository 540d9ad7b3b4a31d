#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace cinemoto {

// Why a file could not be read or written, in terms a pupil can be told.
enum class FileFailure {
    None,
    Missing,          // no such file or folder
    NoSpace,          // the disk or the user's quota is full
    PermissionDenied, // the user may not read or write there
    NotARegularFile,  // a folder, a named pipe, a device
    Locked,           // another trainer holds the file
    Other,            // anything else the system reported
};

struct FileError
{
    FileFailure failure = FileFailure::None;
    QString detail; // the system's own words, for a log or a tooltip

    explicit operator bool() const { return failure != FileFailure::None; }
};

// Reads at most maxBytes of a file, but only if it is a regular file: a named pipe or a
// device could block the program for good, so it is never opened for reading.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, FileError *error = nullptr);

// True when the path names a regular file (following links).
bool isRegularFile(const QString &path);

// Replaces the file with the content, or leaves it exactly as it was. The content goes to
// a new file beside it, every write and the sync to disk are checked, and only then is it
// renamed into place. The new file gets the given permission bits (before the umask).
bool replaceFileAtomically(const QString &path, const QByteArray &content, FileError *error = nullptr,
                           mode_t mode = 0644);

// Removes the leftovers "<name>.new-XXXXXX" of an atomic replace that was killed before
// its rename. Only call it while no one else can be replacing the same file.
void removeStaleTemporaries(const QString &path);

// A lock held on a file that guards another: the system releases it when its holder
// ends, however it ends, so a trainer killed while storing never leaves a stale lock.
class FileLock
{
public:
    explicit FileLock(QString path) : m_path(std::move(path)) {}
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to timeoutMs for the lock; Locked when someone else keeps it that long.
    bool acquire(int timeoutMs, FileError *error = nullptr);

private:
    QString m_path;
    int m_fd = -1;
};

// The system calls the atomic replace uses, so that tests can make them fail as a full
// disk or a failing device would.
struct FileSystemCalls
{
    ssize_t (*write)(int fd, const void *data, size_t size);
    int (*fsync)(int fd);
};
FileSystemCalls &fileSystemCalls();

FileFailure failureFromErrno(int error);

} // namespace cinemoto
