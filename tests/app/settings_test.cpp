#include "app/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cinemoto;

namespace {
QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("cinemoto.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}
const QLocale catalan(QLocale::Catalan, QLocale::Spain);
const QLocale spanish(QLocale::Spanish, QLocale::Spain);
const QLocale german(QLocale::German, QLocale::Germany);
} // namespace

TEST(Settings, ReadsTheInstalledLanguageAndIgnoresTheRest)
{
    QTemporaryDir dir;
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x01\x00", 2)), german), 1);
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x02\x00", 2)), german), 2);
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x03\x00", 2)), catalan), 3);
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x02\x00\x09\x01 junk", 9)), german), 2);
}

TEST(Settings, AnUnusableFileFallsBackToTheSystemLanguage)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("nothing.ini"));
    EXPECT_EQ(readLanguageSetting(missing, catalan), 1);
    EXPECT_EQ(readLanguageSetting(missing, spanish), 2);
    EXPECT_EQ(readLanguageSetting(missing, german), 3);
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray()), spanish), 2);
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x02", 1)), catalan), 1); // one byte only
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x00\x00", 2)), spanish), 2);
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x04\x00", 2)), german), 3);
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\xFF\xFF", 2)), catalan), 1); // -1
    EXPECT_EQ(readLanguageSetting(writeFile(dir, QByteArray("\x01\x01", 2)), german), 3);  // 257
    EXPECT_EQ(readLanguageSetting(dir.path(), spanish), 2); // a folder, not a file
}
