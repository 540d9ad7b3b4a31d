#include "exams/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cinemoto;

TEST(Scramble, ShiftsModulo255AndComesBack)
{
    const QByteArray key("\x0A", 1);
    const QByteArray text("Anna 7,5", 8);
    const QByteArray scrambled = scrambleText(key, text, true);
    EXPECT_NE(scrambled, text);
    EXPECT_EQ(scrambleText(key, scrambled, false), text);
    // 250 + 10 wraps by 255, not 256.
    EXPECT_EQ(quint8(scrambleText(key, QByteArray(1, char(250)), true)[0]), 5);
    // Code 255 comes back as 0 when the key is above 0.
    const QByteArray high(1, char(255));
    EXPECT_EQ(quint8(scrambleText(key, scrambleText(key, high, true), false)[0]), 0);
    // A zero key changes nothing; only the first character of the key counts.
    EXPECT_EQ(scrambleText(QByteArray(1, '\0'), text, true), text);
    EXPECT_EQ(scrambleText(QByteArray("\x0AZZ", 3), text, true), scrambled);
}

TEST(Scramble, RecordsKeepCatalanAndSpanishLetters)
{
    ExamRecord r{QStringLiteral("Núria Ç. Peñas €"), QStringLiteral("7,5"), QStringLiteral("08/12/26"),
                 QStringLiteral("10:05")};
    const QByteArray bytes = encodeRecord(r, 200);
    ASSERT_EQ(bytes.size(), 40);
    EXPECT_EQ(quint8(bytes[0]), 200);
    const ExamRecord back = decodeRecord(bytes);
    EXPECT_EQ(back.name, QStringLiteral("Núria Ç. Peñas €"));
    EXPECT_EQ(back.points, QStringLiteral("7,5 "));
    EXPECT_EQ(back.date, QStringLiteral("08/12/26   "));
    EXPECT_EQ(back.time, QStringLiteral("10:05   "));
    // Never-written records read as nothing.
    const ExamRecord empty = decodeRecord(QByteArray(40, '\0'));
    EXPECT_TRUE(empty.name.isEmpty() && empty.points.isEmpty() && empty.date.isEmpty() && empty.time.isEmpty());
    // Names are cut after 16 characters.
    r.name = QStringLiteral("Abcdefghijklmnopqrst");
    EXPECT_EQ(decodeRecord(encodeRecord(r, 3)).name, QStringLiteral("Abcdefghijklmnop"));
}

TEST(RecordFile, FirstStoreMakesTenRecordsAndElevenKeepTheNewest)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ExamRecordFile file(path);
    ASSERT_TRUE(file.store({QStringLiteral("first"), QStringLiteral("9"), QStringLiteral("01/01/26"),
                            QStringLiteral("09:00")},
                           77));
    EXPECT_EQ(QFile(path).size(), 400);
    std::array<ExamRecord, kRecordCount> records;
    ASSERT_TRUE(file.read(records));
    EXPECT_EQ(records[0].name.trimmed(), QStringLiteral("first"));
    for (int i = 1; i < kRecordCount; ++i)
        EXPECT_TRUE(records[std::size_t(i)].name.isEmpty());
    for (int n = 2; n <= 11; ++n)
        ASSERT_TRUE(file.store({QStringLiteral("exam %1").arg(n), QStringLiteral("5"), QString(), QString()},
                               quint8(n * 23)));
    ASSERT_TRUE(file.read(records));
    EXPECT_EQ(QFile(path).size(), 400);
    EXPECT_EQ(records[0].name.trimmed(), QStringLiteral("exam 11"));
    EXPECT_EQ(records[9].name.trimmed(), QStringLiteral("exam 2"));
    for (const ExamRecord &r : records)
        EXPECT_NE(r.name.trimmed(), QStringLiteral("first"));
}

TEST(RecordFile, AFolderThatCannotBeWrittenLosesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    ExamRecordFile file(path);
    ASSERT_TRUE(file.store({QStringLiteral("kept"), QStringLiteral("8"), QString(), QString()}, 5));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    const bool stored = file.store({QStringLiteral("new"), QStringLiteral("1"), QString(), QString()}, 6, &error);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (stored)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_FALSE(error.isEmpty());
    std::array<ExamRecord, kRecordCount> records;
    ASSERT_TRUE(file.read(records));
    EXPECT_EQ(records[0].name.trimmed(), QStringLiteral("kept"));
}

TEST(RecordFile, ShortOrForeignFilesAreReadSafely)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exadat"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x05garbage that is not a record at all and too long for one", 58));
    }
    ExamRecordFile file(path);
    std::array<ExamRecord, kRecordCount> records;
    EXPECT_TRUE(file.read(records));
    EXPECT_EQ(records[0].name.size(), 16);
    ASSERT_TRUE(file.store({QStringLiteral("next"), QStringLiteral("2"), QString(), QString()}, 9));
    EXPECT_EQ(QFile(path).size(), 400);
}

TEST(RecordFile, AStoreThatFailsSaysSoAndChangesNothing)
{
    QTemporaryDir dir;
    // Something else stands where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("exadat")));
    ExamRecordFile file(dir.filePath(QStringLiteral("exadat")));
    QString error;
    EXPECT_FALSE(file.store({QStringLiteral("x"), QStringLiteral("1"), QString(), QString()}, 1, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("exadat"))).isDir());
}
