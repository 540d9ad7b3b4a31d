// The record file under the conditions a classroom meets: no rights, a full disk, a
// failing device, named pipes, a second trainer, a kill at any moment.

#include "app/file_io.h"
#include "exams/record_file.h"
#include "exams/records_folder.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace cinemoto;

namespace {

const ExamRecord kOld{QStringLiteral("kept"), QStringLiteral("8"), QStringLiteral("01/12/26"), QStringLiteral("09:00")};
const ExamRecord kNew{QStringLiteral("new"), QStringLiteral("1"), QStringLiteral("02/12/26"), QStringLiteral("10:00")};

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Checks files as an ordinary user does, even in a test run as root: the file-system
// identity of this thread becomes "nobody", which also drops root's right to ignore
// permission bits.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser() : m_old(setfsuid(65534)) { setfsgid(65534); }
    ~AsOrdinaryUser()
    {
        setfsuid(m_old);
        setfsgid(getegid());
    }

private:
    int m_old;
};

// A folder others may read but not write, as /opt is to a pupil.
void makeReadOnlyForOthers(const QString &folder)
{
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    if (getuid() != 0)
        ::chmod(QFile::encodeName(folder).constData(), 0555);
}

// The record counter used by the concurrency tests: record 1's name is "n=<count>".
int topCount(const QByteArray &file)
{
    const QString name = decodeRecord(file.left(kRecordSize)).name.trimmed();
    return name.startsWith(QStringLiteral("n=")) ? name.mid(2).toInt() : 0;
}

bool storeNext(const ExamRecordFile &file)
{
    return file.update([](const QByteArray &previous) {
        const ExamRecord next{QStringLiteral("n=%1").arg(topCount(previous) + 1), QStringLiteral("5"),
                              QStringLiteral("08/12/26"), QStringLiteral("10:00")};
        return encodeRecord(next, 77) + previous.left(kRecordSize * (kRecordCount - 1));
    });
}

// A whole file is ten records counting down by one from the top (zero records below).
bool isWholeChain(const QByteArray &file)
{
    if (file.size() != kRecordSize * kRecordCount)
        return false;
    const int top = topCount(file);
    for (int i = 1; i < kRecordCount; ++i) {
        const int expected = top - i;
        const int got = topCount(file.mid(i * kRecordSize));
        if (got != qMax(expected, 0))
            return false;
    }
    return true;
}

} // namespace

TEST(RecordSafety, AFolderTheUserCannotWriteLosesNothingAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ExamRecordFile file(path);
    ASSERT_TRUE(file.store(kOld, 5));
    const QByteArray before = contents(path);
    makeReadOnlyForOthers(dir.path());
    FileError error;
    bool stored;
    {
        AsOrdinaryUser user;
        stored = file.store(kNew, 6, &error);
        EXPECT_FALSE(mayCreateFilesIn(dir.path()));
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_FALSE(stored);
    EXPECT_EQ(error.failure, FileFailure::PermissionDenied);
    EXPECT_EQ(contents(path), before);
}

TEST(RecordSafety, AFullDiskKeepsThePreviousFileByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ExamRecordFile file(path);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(file.store(kOld, quint8(i)));
    const QByteArray before = contents(path);
    FileError error;
    bool stored;
    {
        test::FileSizeLimit full(100);
        ASSERT_TRUE(full.isSet());
        stored = file.store(kNew, 9, &error);
    }
    EXPECT_FALSE(stored);
    EXPECT_EQ(error.failure, FileFailure::NoSpace);
    EXPECT_EQ(contents(path), before);
    // Nothing is left behind beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("exadat"), QStringLiteral("exadat.lock")}));
}

TEST(RecordSafety, DeviceErrorsOnWriteOrSyncAreFailedStores)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ExamRecordFile file(path);
    ASSERT_TRUE(file.store(kOld, 5));
    const QByteArray before = contents(path);
    FileSystemCalls &calls = fileSystemCalls();
    const FileSystemCalls real = calls;

    calls.write = [](int, const void *, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    FileError error;
    EXPECT_FALSE(file.store(kNew, 6, &error));
    EXPECT_EQ(error.failure, FileFailure::NoSpace);
    calls = real;
    EXPECT_EQ(contents(path), before);

    calls.fsync = [](int) {
        errno = EIO;
        return -1;
    };
    EXPECT_FALSE(file.store(kNew, 6, &error));
    EXPECT_EQ(error.failure, FileFailure::Other);
    calls = real;
    EXPECT_EQ(contents(path), before);

    // A write that takes only part of the data is carried on, not mistaken for the whole.
    calls.write = [](int fd, const void *data, size_t size) { return ::write(fd, data, size < 7 ? size : 7); };
    EXPECT_TRUE(file.store(kNew, 6));
    calls = real;
    std::array<ExamRecord, kRecordCount> records;
    ASSERT_TRUE(file.read(records));
    EXPECT_EQ(records[0].name.trimmed(), QStringLiteral("new"));
    EXPECT_EQ(records[1].name.trimmed(), QStringLiteral("kept"));
}

TEST(RecordSafety, NamedPipesAndFoldersAreNeverOpenedForReading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    ExamRecordFile file(path);
    std::array<ExamRecord, kRecordCount> records;
    FileError error;
    // Would block for good if the pipe were opened as a file.
    EXPECT_FALSE(file.read(records, &error));
    EXPECT_EQ(error.failure, FileFailure::NotARegularFile);
    EXPECT_FALSE(file.store(kNew, 3, &error));
    EXPECT_EQ(error.failure, FileFailure::NotARegularFile);
    EXPECT_FALSE(isRegularFile(path));
    EXPECT_FALSE(readRegularFile(dir.path(), 10).has_value());
}

TEST(RecordSafety, LeftoversOfAKilledStoreAreCleanedUpByTheNext)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    for (const char *name : {"exadat.new-aB3xZ9", "exadat.aB3xZ9", "exadat.k2abcd"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("half");
    }
    // Files that merely look alike are somebody else's.
    QFile other(dir.filePath(QStringLiteral("exadat.backup")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    ASSERT_TRUE(ExamRecordFile(path).store(kNew, 4));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("exadat"), QStringLiteral("exadat.backup"),
                                 QStringLiteral("exadat.lock")}));
}

TEST(RecordSafety, ALockHeldByAnotherTrainerIsNamedAsSuch)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ExamRecordFile file(path);
    ASSERT_TRUE(file.store(kOld, 1));
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        FileLock lock(path + QStringLiteral(".lock"));
        if (!lock.acquire(0))
            _exit(1);
        ::sleep(30);
        _exit(0);
    }
    const auto otherHolds = [&path] { return !FileLock(path + QStringLiteral(".lock")).acquire(0); };
    while (!otherHolds())
        ::usleep(1000);
    FileError error;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(file.store(kNew, 2, &error));
    const auto waited = std::chrono::steady_clock::now() - start;
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(error.failure, FileFailure::Locked);
    EXPECT_LT(waited, std::chrono::seconds(3));
    // The lock of a trainer that died goes with it.
    EXPECT_TRUE(file.store(kNew, 2, &error));
}

TEST(RecordSafety, TwoTrainersStoringFiftyExamsEachLoseNone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    pid_t children[2];
    for (pid_t &child : children) {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const ExamRecordFile file(path);
            int done = 0, tries = 0;
            while (done < 50 && tries < 5000) {
                ++tries;
                if (storeNext(file))
                    ++done;
            }
            _exit(done == 50 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QByteArray file = contents(path);
    // Every store counted on the one before it: a lost store would leave the count short.
    EXPECT_EQ(topCount(file), 100);
    EXPECT_TRUE(isWholeChain(file));
}

TEST(RecordSafety, AKillAtAnyMomentLeavesTheOldFileOrTheNew)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ASSERT_TRUE(storeNext(ExamRecordFile(path)));
    std::mt19937 random(12345);
    int last = topCount(contents(path));
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const ExamRecordFile file(path);
            for (;;)
                storeNext(file);
        }
        ::usleep(useconds_t(random() % 4000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray file = contents(path);
        ASSERT_TRUE(isWholeChain(file)) << "round " << round;
        EXPECT_GE(topCount(file), last);
        last = topCount(file);
    }
    // The next store finds its way past the dead trainer's lock and leftovers.
    ASSERT_TRUE(storeNext(ExamRecordFile(path)));
    EXPECT_EQ(topCount(contents(path)), last + 1);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{QStringLiteral("exadat"), QStringLiteral("exadat.lock")}));
}

TEST(RecordsFolder, ProgramFolderThenSharedFolderThenTheUsersOwn)
{
    QTemporaryDir root;
    // The pupil must be able to reach the folders at all.
    ::chmod(QFile::encodeName(root.path()).constData(), 0755);
    const QString program = root.filePath(QStringLiteral("opt"));
    const QString shared = root.filePath(QStringLiteral("var"));
    const QString user = root.filePath(QStringLiteral("home/.local/share/cinemoto"));
    QDir().mkpath(program);
    QDir().mkpath(shared);
    // A per-user install or a copied program folder keeps its records beside the program.
    EXPECT_EQ(chooseRecordsFolder(program, shared, user), program);
    makeReadOnlyForOthers(program);
    ::chmod(QFile::encodeName(shared).constData(), 0777);
    {
        AsOrdinaryUser pupil;
        // A system-wide install: the shared folder every local user may write.
        EXPECT_EQ(chooseRecordsFolder(program, shared, user), shared);
        // Without it, the pupil's own folder, made on the way.
        EXPECT_EQ(chooseRecordsFolder(program, root.filePath(QStringLiteral("none")), QStringLiteral("/nonexistent/x")),
                  QStringLiteral("/nonexistent/x"));
    }
    ::chmod(QFile::encodeName(shared).constData(), 0755);
    {
        AsOrdinaryUser pupil;
        EXPECT_EQ(chooseRecordsFolder(program, shared, user), user);
    }
    qputenv("XDG_DATA_HOME", "/tmp/xdg-test");
    EXPECT_EQ(userRecordsFolder(), QStringLiteral("/tmp/xdg-test/cinemoto"));
    qputenv("XDG_DATA_HOME", "relative/not/allowed");
    EXPECT_EQ(userRecordsFolder(), QDir::homePath() + QStringLiteral("/.local/share/cinemoto"));
    qunsetenv("XDG_DATA_HOME");
}
