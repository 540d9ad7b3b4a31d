#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct ProbeRun
{
    int exitCode = -1;
    QStringList lines;
};

ProbeRun runProbe(bool ahead, const QString &configFile = QString())
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CINEMOTO_PROBE_AHEAD"), ahead ? QStringLiteral("1") : QStringLiteral("0"));
    if (!configFile.isEmpty())
        env.insert(QStringLiteral("FONTCONFIG_FILE"), configFile);
    probe.setProcessEnvironment(env);
    probe.setProcessChannelMode(QProcess::SeparateChannels);
    probe.start(QStringLiteral(CINEMOTO_FONT_PROBE), {});
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
    const QString missing = QStringLiteral("/nonexistent/cinemoto/fonts.conf");
    const ProbeRun onTheSpot = runProbe(false, missing);
    const ProbeRun ahead = runProbe(true, missing);
    ASSERT_EQ(onTheSpot.exitCode, 0);
    ASSERT_EQ(ahead.exitCode, 0);
    EXPECT_EQ(measured(ahead), measured(onTheSpot));
}
