#include "setup/installer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cinemoto;

namespace {

struct FakePlatform : InstallerPlatform
{
    QString programs;
    QString menu;
    QStringList started;
    QString programFilesDir() override { return programs; }
    QString programsMenuDir() override { return menu; }
    bool startProgram(const QString &path) override
    {
        started << path;
        return true;
    }
};

void write(const QString &path, const QByteArray &content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class Installer : public ::testing::Test
{
protected:
    QTemporaryDir medium, target;
    FakePlatform platform;
    void SetUp() override
    {
        const QStringList names = InstallerModel::alwaysCopied() + InstallerModel::languageFiles(1)
            + InstallerModel::languageFiles(2) + InstallerModel::languageFiles(3);
        for (const QString &name : names)
            write(medium.filePath(name), name.toUtf8());
        platform.programs = target.path(); // no trailing separator
        platform.menu = target.filePath(QStringLiteral("menu"));
    }
};

} // namespace

TEST(InstallerFolders, SeparatorAndNulRules)
{
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("  C:\\Program Files ")), QStringLiteral("C:\\Program Files/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/opt/")), QStringLiteral("/opt/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("D:\\Apps\\")), QStringLiteral("D:\\Apps\\"));
    EXPECT_EQ(cutAtNul(QStringLiteral("abc") + QChar(u'\0') + QStringLiteral("junk")), QStringLiteral("abc"));
    EXPECT_EQ(cutAtNul(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST_F(Installer, ThreeClicksInstallInTheChosenLanguageAndStart)
{
    InstallerModel model(platform, medium.path());
    model.Form_Load();
    model.optIdioma_Click(2);
    model.cmdOK_Click();
    EXPECT_EQ(model.stage, 2);
    EXPECT_FALSE(model.optionsShown);
    EXPECT_EQ(model.messageLine, QStringLiteral("El programa se instalará en el directorio"));
    EXPECT_EQ(model.folderLine, target.path() + QStringLiteral("/cinemoto/"));
    model.optIdioma_Click(3); // too late to change
    EXPECT_EQ(model.language, 2);
    model.cmdOK_Click();
    EXPECT_EQ(model.stage, 3);
    EXPECT_TRUE(model.error.isEmpty());
    EXPECT_EQ(model.messageLine, QStringLiteral("El proceso de instalación ha terminado"));
    const QString dir = target.filePath(QStringLiteral("cinemoto"));
    EXPECT_EQ(read(dir + QStringLiteral("/cinemoto.ini")), QByteArray("\x02\x00", 2));
    EXPECT_EQ(read(dir + QStringLiteral("/cinemoto.txt")), QByteArray("leame.txt"));
    EXPECT_EQ(read(dir + QStringLiteral("/exadat")), QByteArray("exaesp"));
    EXPECT_EQ(read(dir + QStringLiteral("/links.htm")), QByteArray("linksesp.htm"));
    EXPECT_EQ(read(dir + QStringLiteral("/cinemoto")), QByteArray("cinemoto"));
    EXPECT_TRUE(QFile::exists(platform.menu + QStringLiteral("/Cinemoto.desktop")));
    model.cmdOK_Click();
    EXPECT_TRUE(model.finished);
    EXPECT_EQ(platform.started, QStringList{dir + QStringLiteral("/cinemoto")});
}

TEST_F(Installer, InstallingAgainKeepsTheRecordedExams)
{
    for (int round = 0; round < 2; ++round) {
        InstallerModel model(platform, medium.path());
        model.Form_Load();
        model.optIdioma_Click(round == 0 ? 1 : 3);
        model.cmdOK_Click();
        model.cmdOK_Click();
        ASSERT_EQ(model.stage, 3);
        if (round == 0)
            write(target.filePath(QStringLiteral("cinemoto/exadat")), QByteArray("results of the class"));
    }
    const QString dir = target.filePath(QStringLiteral("cinemoto"));
    EXPECT_EQ(read(dir + QStringLiteral("/exadat")), QByteArray("results of the class"));
    EXPECT_EQ(read(dir + QStringLiteral("/cinemoto.ini")), QByteArray("\x03\x00", 2));
    EXPECT_EQ(read(dir + QStringLiteral("/cinemoto.txt")), QByteArray("readme.txt"));
}

TEST_F(Installer, AMissingFileStopsTheStageWithAReason)
{
    QFile::remove(medium.filePath(QStringLiteral("catala.gif")));
    InstallerModel model(platform, medium.path());
    model.Form_Load();
    model.cmdOK_Click();
    model.cmdOK_Click();
    EXPECT_EQ(model.stage, 2);
    EXPECT_EQ(model.error, QStringLiteral("catala.gif"));
    EXPECT_FALSE(model.finished);
}
