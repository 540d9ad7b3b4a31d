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
    // Code 255 shares its scrambled form with 0, which no stored text holds: it comes back.
    const QByteArray high(1, char(255));
    EXPECT_EQ(scrambleText(key, high, true), key);
    EXPECT_EQ(quint8(scrambleText(key, scrambleText(key, high, true), false)[0]), 255);
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
    FileError error;
    EXPECT_FALSE(file.store({QStringLiteral("x"), QStringLiteral("1"), QString(), QString()}, 1, &error));
    EXPECT_EQ(error.failure, FileFailure::NotARegularFile);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("exadat"))).isDir());
}

TEST(Scramble, EveryWindows1252CharacterComesBackAsTypedWithEveryKey)
{
    QString all;
    for (char16_t u = 0x20; u <= 0xFF; ++u) {
        if (fitsCodePage(QChar(u)))
            all.append(QChar(u));
    }
    for (char16_t u : {0x20AC, 0x201A, 0x0192, 0x2026, 0x0160, 0x0152, 0x017D, 0x2122, 0x0178})
        all.append(QChar(u));
    ASSERT_TRUE(all.contains(QChar(u'\u00FF')));
    for (int key = 0; key < 256; ++key) {
        for (qsizetype from = 0; from < all.size(); from += 16) {
            const QString name = all.mid(from, 16);
            const ExamRecord back = decodeRecord(encodeRecord({name, QString(), QString(), QString()}, quint8(key)));
            ASSERT_EQ(back.name.left(name.size()), name) << "key " << key;
        }
    }
}

TEST(Scramble, RecordBytesSitAtTheirOffsetsAndOldFilesReadAsBefore)
{
    // A record written byte by byte with key 10: name, points, date and time at 1, 17, 21, 32.
    QByteArray bytes(1, char(10));
    const auto add = [&bytes](const char *text, int width) {
        QByteArray field(text);
        field.append(QByteArray(width - field.size(), ' '));
        for (char c : field)
            bytes.append(char(quint8(c) + 10));
    };
    add("Pere Sol\xe0", 16);
    add("7,5", 4);
    add("08/12/26", 11);
    add("10:05", 8);
    ASSERT_EQ(bytes.size(), 40);
    const ExamRecord r = decodeRecord(bytes);
    EXPECT_EQ(r.name, QStringLiteral("Pere Solà       "));
    EXPECT_EQ(r.points, QStringLiteral("7,5 "));
    EXPECT_EQ(r.date, QStringLiteral("08/12/26   "));
    EXPECT_EQ(r.time, QStringLiteral("10:05   "));
    EXPECT_EQ(encodeRecord(r, 10), bytes);
    // Key 0 stores plain text.
    EXPECT_EQ(encodeRecord(r, 0).mid(1, 16), QByteArray("Pere Sol\xe0       "));
}

TEST(Scramble, NamesTheFileCannotHoldAreShownReplaced)
{
    EXPECT_TRUE(fitsCodePage(QChar(u'\u00FF')));
    EXPECT_TRUE(fitsCodePage(QChar(u'\u20AC')));
    EXPECT_FALSE(fitsCodePage(QChar(u'\u0142'))); // l with stroke
    EXPECT_FALSE(fitsCodePage(QChar(u'\t')));
    EXPECT_FALSE(fitsCodePage(QChar(u'\0')));
    EXPECT_EQ(withUnstorableReplaced(QStringLiteral("Łukasz ŭ ÿ")), QStringLiteral("?ukasz ? ÿ"));
}
