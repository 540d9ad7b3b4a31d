#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct ProbeRun
{
    int exitCode = -1;
    QStringList lines;
};

struct ProbeStart
{
    QString program = QStringLiteral(CINEMOTO_FONT_PROBE);
    // Runs the probe through this command line when given (another account, a limit).
    QStringList through;
    QString configFile;
};

ProbeRun runProbe(bool ahead, const ProbeStart &how = {})
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CINEMOTO_PROBE_AHEAD"), ahead ? QStringLiteral("1") : QStringLiteral("0"));
    if (!how.configFile.isEmpty())
        env.insert(QStringLiteral("FONTCONFIG_FILE"), how.configFile);
    // The leak checker of a sanitized build needs a thread of its own at exit.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    probe.setProcessEnvironment(env);
    probe.setProcessChannelMode(QProcess::SeparateChannels);
    if (how.through.isEmpty())
        probe.start(how.program, {});
    else
        probe.start(how.through.first(), how.through.mid(1) << how.program);
    ProbeRun run;
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = probe.exitCode();
    run.lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

// What both starts print about the measured text, leaving out the lines only the read-ahead prints.
QStringList measured(const ProbeRun &run)
{
    QStringList lines;
    for (const QString &line : run.lines) {
        if (!line.startsWith(QLatin1String("found")) && !line.startsWith(QLatin1String("configuration")))
            lines << line;
    }
    return lines;
}

} // namespace

// The configuration read on its own thread before the application exists is the one the
// font database takes up, and texts measure as they do when it is read on the spot.
TEST(Start, FontConfigurationReadAheadIsTheOneTheWindowUses)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ProbeRun onTheSpot = runProbe(false);
        const ProbeRun ahead = runProbe(true);
        ASSERT_EQ(onTheSpot.exitCode, 0);
        ASSERT_EQ(ahead.exitCode, 0);
        EXPECT_TRUE(ahead.lines.contains(QStringLiteral("found 1")))
            << ahead.lines.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(ahead.lines.contains(QStringLiteral("configuration read ahead in use 1")))
            << ahead.lines.join(QLatin1Char('|')).toStdString();
        const QStringList expected = measured(onTheSpot);
        ASSERT_EQ(expected.size(), 3);
        EXPECT_NE(expected.first(), QStringLiteral("families 0"));
        EXPECT_EQ(measured(ahead), expected);
    }
}

// A machine whose font configuration is missing starts the same way with and without it.
TEST(Start, MissingFontConfigurationStartsAsWithoutReadingAhead)
{
    ProbeStart missing;
    missing.configFile = QStringLiteral("/nonexistent/cinemoto/fonts.conf");
    const ProbeRun onTheSpot = runProbe(false, missing);
    const ProbeRun ahead = runProbe(true, missing);
    ASSERT_EQ(onTheSpot.exitCode, 0);
    ASSERT_EQ(ahead.exitCode, 0);
    EXPECT_EQ(measured(ahead), measured(onTheSpot));
}

// An account that may not start one more thread, as a locked-down lab account may be, starts
// the same way, reading the configuration on the spot. Needs root to take such an account.
TEST(Start, AnAccountWithoutSpareThreadsReadsTheConfigurationOnTheSpot)
{
    const QString runuser = QStandardPaths::findExecutable(QStringLiteral("runuser"));
    const QString prlimit = QStandardPaths::findExecutable(QStringLiteral("prlimit"));
    if (geteuid() != 0 || runuser.isEmpty() || prlimit.isEmpty())
        GTEST_SKIP() << "needs root, runuser and prlimit";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), open));
    ProbeStart limited;
    limited.program = dir.filePath(QStringLiteral("probe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CINEMOTO_FONT_PROBE), limited.program));
    ASSERT_TRUE(QFile::setPermissions(limited.program, open));
    limited.through = {runuser, QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), prlimit,
        QStringLiteral("--nproc=1")};
    const ProbeRun onTheSpot = runProbe(false, limited);
    const ProbeRun ahead = runProbe(true, limited);
    ASSERT_EQ(onTheSpot.exitCode, 0);
    ASSERT_EQ(ahead.exitCode, 0) << ahead.lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(ahead.lines.contains(QStringLiteral("found 1")));
    EXPECT_TRUE(ahead.lines.contains(QStringLiteral("configuration read ahead in use 1")));
    EXPECT_EQ(measured(ahead), measured(onTheSpot));
}
