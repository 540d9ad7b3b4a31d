#include "setup/installer.h"
#include "setup/uninstaller.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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
    model.load();
    model.onLanguageChosen(2);
    model.onOkClicked();
    EXPECT_EQ(model.stage, 2);
    EXPECT_FALSE(model.optionsShown);
    EXPECT_EQ(model.messageLine, QStringLiteral("El programa se instalará en el directorio"));
    EXPECT_EQ(model.folderLine, target.path() + QStringLiteral("/cinemoto/"));
    model.onLanguageChosen(3); // too late to change
    EXPECT_EQ(model.language, 2);
    model.onOkClicked();
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
    model.onOkClicked();
    EXPECT_TRUE(model.finished);
    EXPECT_EQ(platform.started, QStringList{dir + QStringLiteral("/cinemoto")});
}

TEST_F(Installer, InstallingAgainKeepsTheRecordedExams)
{
    for (int round = 0; round < 2; ++round) {
        InstallerModel model(platform, medium.path());
        model.load();
        model.onLanguageChosen(round == 0 ? 1 : 3);
        model.onOkClicked();
        model.onOkClicked();
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
    model.load();
    model.onLanguageChosen(3);
    model.onOkClicked();
    model.onOkClicked();
    EXPECT_EQ(model.stage, 2);
    EXPECT_EQ(model.errorFile, QStringLiteral("catala.gif"));
    EXPECT_EQ(model.error, QStringLiteral("catala.gif: missing from the installation medium"));
    EXPECT_FALSE(model.finished);
    // Nothing half-installed: no folder, no menu entry, no staging left over.
    EXPECT_EQ(QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

namespace {

void install(InstallerModel &model, int language)
{
    model.load();
    model.onLanguageChosen(language);
    model.onOkClicked();
    model.onOkClicked();
}

QFile::Permissions mode(const QString &path)
{
    return QFileInfo(path).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                           | QFile::WriteOther | QFile::ExeOther);
}

constexpr QFile::Permissions kRw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr QFile::Permissions kRwx = kRw | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

} // namespace

TEST_F(Installer, InstalledFilesGetOrdinaryModesWhateverTheMediumHad)
{
    for (const QString &name : QDir(medium.path()).entryList(QDir::Files))
        QFile::setPermissions(medium.filePath(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    InstallerModel model(platform, medium.path());
    install(model, 1);
    ASSERT_EQ(model.stage, 3) << model.error.toStdString();
    const QString dir = target.filePath(QStringLiteral("cinemoto"));
    EXPECT_EQ(mode(dir), kRwx);
    EXPECT_EQ(mode(dir + QStringLiteral("/cinemoto")), kRwx);
    for (const char *name : {"exadat", "cinemoto.ini", "cinemoto.hlp", "links.htm"})
        EXPECT_EQ(mode(dir + QLatin1Char('/') + QLatin1String(name)), kRw) << name;
    // Installing again over a read-only record file still leaves a writable one.
    QFile::setPermissions(dir + QStringLiteral("/exadat"), QFile::ReadOwner);
    InstallerModel again(platform, medium.path());
    install(again, 1);
    ASSERT_EQ(again.stage, 3) << again.error.toStdString();
    EXPECT_EQ(mode(dir + QStringLiteral("/exadat")), kRw);
}

TEST_F(Installer, AFailedReinstallLeavesThePreviousInstallationWorking)
{
    InstallerModel first(platform, medium.path());
    install(first, 2);
    ASSERT_EQ(first.stage, 3);
    const QString dir = target.filePath(QStringLiteral("cinemoto"));
    write(dir + QStringLiteral("/exadat"), QByteArray("results of the class"));
    const QByteArray menuEntry = read(platform.menu + QStringLiteral("/Cinemoto.desktop"));
    // The new medium's program is too big for the space left.
    write(medium.filePath(QStringLiteral("cinemoto")), QByteArray(64 * 1024, 'x'));
    InstallerModel second(platform, medium.path());
    {
        test::FileSizeLimit full(4096);
        ASSERT_TRUE(full.isSet());
        install(second, 3);
    }
    EXPECT_EQ(second.stage, 2);
    EXPECT_EQ(second.errorReason, FileFailure::NoSpace);
    EXPECT_EQ(second.error, QStringLiteral("cinemoto: no space left on the disk"));
    // Everything as the first installation left it.
    EXPECT_EQ(read(dir + QStringLiteral("/cinemoto")), QByteArray("cinemoto"));
    EXPECT_EQ(read(dir + QStringLiteral("/cinemoto.ini")), QByteArray("\x02\x00", 2));
    EXPECT_EQ(read(dir + QStringLiteral("/exadat")), QByteArray("results of the class"));
    EXPECT_EQ(read(platform.menu + QStringLiteral("/Cinemoto.desktop")), menuEntry);
    EXPECT_EQ(QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("cinemoto"), QStringLiteral("menu")}));
}

TEST_F(Installer, AnInstallForEveryUserSharesTheRecordsAndDoesNotStartTheTrainer)
{
    struct SystemPlatform : FakePlatform
    {
        QString shared;
        QString sharedRecordsDir() override { return shared; }
        bool startsTrainer() override { return false; }
    } system;
    system.programs = platform.programs;
    system.menu = platform.menu;
    system.shared = target.filePath(QStringLiteral("var/lib/cinemoto"));
    InstallerModel model(system, medium.path());
    install(model, 3);
    ASSERT_EQ(model.stage, 3) << model.error.toStdString();
    EXPECT_EQ(model.folderLine, QStringLiteral("Cinemoto was installed in ") + target.path() + QStringLiteral("/cinemoto/"));
    EXPECT_EQ(mode(system.shared), kRwx | QFile::WriteGroup | QFile::WriteOther);
    EXPECT_EQ(read(system.shared + QStringLiteral("/exadat")), QByteArray("exaeng"));
    EXPECT_EQ(mode(system.shared + QStringLiteral("/exadat")), kRw | QFile::WriteGroup | QFile::WriteOther);
    // The class's records stay through another installation.
    write(system.shared + QStringLiteral("/exadat"), QByteArray("results of the class"));
    InstallerModel again(system, medium.path());
    install(again, 1);
    EXPECT_EQ(read(system.shared + QStringLiteral("/exadat")), QByteArray("results of the class"));
    again.onOkClicked();
    EXPECT_TRUE(again.finished);
    EXPECT_TRUE(system.started.isEmpty());
}

TEST_F(Installer, TheMenuEntryStartsTheProgramWithItsOwnIconAndOffersUninstall)
{
    InstallerModel model(platform, medium.path());
    install(model, 1);
    ASSERT_EQ(model.stage, 3) << model.error.toStdString();
    const QString dir = target.filePath(QStringLiteral("cinemoto"));
    const QString entryPath = platform.menu + QStringLiteral("/Cinemoto.desktop");
    const QString entry = QString::fromUtf8(read(entryPath));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"%1/cinemoto\"\n").arg(dir)));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=%1/cinemoto.svg\n").arg(dir)));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nCategories=Education;")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nComment[ca]=")));
    EXPECT_FALSE(entry.contains(QStringLiteral("recte.gif")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\n[Desktop Action uninstall]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"%1/uninstall\"\n").arg(dir)));
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("/cinemoto.svg")).isFile());
    EXPECT_EQ(mode(dir + QStringLiteral("/uninstall")), kRwx);
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        QProcess check;
        check.start(validator, {entryPath});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
        EXPECT_TRUE(check.readAllStandardOutput().trimmed().isEmpty());
    }
}

TEST_F(Installer, UninstallRemovesProgramAndMenuEntryAndKeepsTheRecords)
{
    InstallerModel model(platform, medium.path());
    install(model, 2);
    ASSERT_EQ(model.stage, 3);
    const QString dir = target.filePath(QStringLiteral("cinemoto"));
    write(dir + QStringLiteral("/exadat"), QByteArray("results of the class"));
    const InstalledCinemoto installed{dir, platform.menu + QStringLiteral("/Cinemoto.desktop"), QString()};
    // Another program's entry of the same name is not ours to remove.
    const QString foreign = target.filePath(QStringLiteral("foreign.desktop"));
    write(foreign, QByteArray("[Desktop Entry]\nExec=/usr/bin/other\n"));
    EXPECT_TRUE(uninstall({dir, foreign, QString()}, false));
    EXPECT_TRUE(QFile::exists(foreign));

    QString error;
    ASSERT_TRUE(uninstall(installed, false, &error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(installed.menuEntry));
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("exadat")});
    EXPECT_EQ(read(dir + QStringLiteral("/exadat")), QByteArray("results of the class"));
    // Installing again finds them.
    InstallerModel again(platform, medium.path());
    install(again, 2);
    EXPECT_EQ(read(dir + QStringLiteral("/exadat")), QByteArray("results of the class"));
    // Asked to, it deletes them too, and the shared folder of an install for every user.
    const QString shared = target.filePath(QStringLiteral("var/lib/cinemoto"));
    QDir().mkpath(shared);
    write(shared + QStringLiteral("/exadat"), QByteArray("shared"));
    ASSERT_TRUE(uninstall({dir, installed.menuEntry, shared}, true));
    EXPECT_FALSE(QFileInfo::exists(dir));
    EXPECT_FALSE(QFileInfo::exists(shared));
}
