#include "exercise/exercise_run.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace cinemoto;
using namespace cinemoto::test;

class ExerciseRunAlone : public ::testing::Test
{
protected:
    FakeClock clock;
    FakeSound sound;
    ExerciseRun run{clock, sound};

    // Asks, lets the time pass and answers.
    bool answerAfter(qint64 ms, const QString &typed, float solution, int level)
    {
        clock.advanceMs(ms);
        run.tick();
        return run.judge(typed, solution, level);
    }
};

TEST_F(ExerciseRunAlone, ALateRightAnswerEarnsTheSlowestComment)
{
    run.startClock();
    ASSERT_TRUE(answerAfter(125400, QStringLiteral("95,5"), 95.49297f, 3));
    EXPECT_EQ(run.answerMs(), 125400);
    EXPECT_EQ(run.seconds(), 125);
    const CorrectComment hard = run.earned(3);
    EXPECT_EQ(hard.parts, (std::vector<int>{182, 203}));
    EXPECT_EQ(hard.face, 43);
    EXPECT_EQ(hard.sound, 0);
    // The same time at the normal level still gets a sound.
    EXPECT_EQ(run.earned(2).face, 42);
    EXPECT_EQ(run.earned(2).sound, 2);
    // A quick one gets the seconds in its comment and the smile.
    run.startClock();
    ASSERT_TRUE(answerAfter(15000, QStringLiteral("95.49"), 95.49297f, 3));
    EXPECT_EQ(run.earned(3).parts, (std::vector<int>{190, 0, 185}));
    EXPECT_EQ(run.earned(3).face, 41);
}

TEST_F(ExerciseRunAlone, TheToleranceOfTheLevelDecidesAndAWrongAnswerKeepsTheLastSeconds)
{
    run.startClock();
    ASSERT_TRUE(answerAfter(20000, QStringLiteral("10"), 10, 2));
    EXPECT_EQ(run.seconds(), 20);
    EXPECT_FALSE(answerAfter(20000, QStringLiteral("10.15"), 10, 2)); // 1.5 % off
    EXPECT_FALSE(run.answerCorrect());
    EXPECT_EQ(run.seconds(), 20);
    EXPECT_TRUE(answerAfter(0, QStringLiteral("10.15"), 10, 1)); // within 2 %
    // Too large to be held: never right, whatever the solution.
    EXPECT_FALSE(answerAfter(0, QStringLiteral("9") + QString(50, QLatin1Char('9')), 3.0e38f, 1));
}

TEST_F(ExerciseRunAlone, AnotherChanceGoesOnFromTheWrongAnswersTime)
{
    std::vector<qint64> reported;
    run.changed = [this, &reported](ExerciseRun::Change change) {
        if (change == ExerciseRun::Change::Clock)
            reported.push_back(run.clockMs());
    };
    run.startClock();
    EXPECT_FALSE(answerAfter(30000, QStringLiteral("1"), 10, 2));
    EXPECT_EQ(run.answerMs(), 30000);
    clock.advanceMs(12000); // reading the message is not counted
    run.resumeClock();
    EXPECT_EQ(run.clockMs(), 30000);
    clock.advanceMs(5000);
    EXPECT_EQ(run.tick(), 35000);
    // A new exercise starts from zero.
    run.startClock();
    EXPECT_EQ(run.clockMs(), 0);
    clock.advanceMs(1000);
    EXPECT_EQ(run.tick(), 1000);
    // Each tick, and only a tick, reports the time.
    EXPECT_EQ(reported, (std::vector<qint64>{30000, 35000, 1000}));
}

TEST_F(ExerciseRunAlone, TheLoopFollowsTheMechanismAndAFeedbackSoundEndsIt)
{
    run.findSoundDevices();
    EXPECT_EQ(run.soundDevices(), 1);
    run.followMechanism(1); // nothing on: nothing starts
    EXPECT_TRUE(sound.played.empty());
    run.switchLoop(1);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0].resource, QStringLiteral(":/sounds/1601.wav"));
    EXPECT_TRUE(sound.played[0].loop);
    run.followMechanism(16);
    ASSERT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(sound.played[1].resource, QStringLiteral(":/sounds/1616.wav"));
    EXPECT_TRUE(run.loopOn());
    run.playFeedback(2);
    ASSERT_EQ(sound.played.size(), 3u);
    EXPECT_EQ(sound.played[2].resource, QStringLiteral(":/sounds/1622.wav"));
    EXPECT_FALSE(sound.played[2].loop);
    EXPECT_FALSE(run.loopOn());
    run.switchLoop(3);
    run.switchLoop(3);
    EXPECT_EQ(sound.stops, 1);
    EXPECT_FALSE(run.loopOn());
}

TEST_F(ExerciseRunAlone, ARefusedSoundSilencesTheRestButTheButtonStillSwitches)
{
    run.findSoundDevices();
    sound.accept = 0;
    run.playFeedback(1);
    EXPECT_EQ(run.soundDevices(), 0);
    run.switchLoop(1);
    EXPECT_TRUE(run.loopOn());
    EXPECT_EQ(sound.played.size(), 1u); // only the refused one was asked for
    sound.devices = 0;
    ExerciseRun silent(clock, sound);
    silent.findSoundDevices();
    silent.playFeedback(1);
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(ExerciseRunAlone, ChangesAreReportedWhenAndOnlyWhenTheyHappen)
{
    using Change = ExerciseRun::Change;
    std::vector<Change> reported;
    run.changed = [&reported](Change change) { reported.push_back(change); };
    const auto since = [&reported] { return std::exchange(reported, {}); };
    run.begin();
    run.begin();
    run.startClock();
    EXPECT_EQ(since(), (std::vector<Change>{Change::Running}));
    EXPECT_TRUE(answerAfter(20000, QStringLiteral("10"), 10, 2));
    EXPECT_EQ(since(), (std::vector<Change>{Change::Clock, Change::Answer}));
    // The same answer at the same time tells nothing new; a wrong one does.
    EXPECT_TRUE(run.judge(QStringLiteral("10"), 10, 2));
    EXPECT_TRUE(since().empty());
    EXPECT_FALSE(run.judge(QStringLiteral("11"), 10, 2));
    EXPECT_EQ(since(), (std::vector<Change>{Change::Answer}));
    run.end();
    run.end();
    EXPECT_EQ(since(), (std::vector<Change>{Change::Running}));

    run.findSoundDevices();
    run.findSoundDevices();
    run.followMechanism(3); // no loop to follow
    EXPECT_EQ(since(), (std::vector<Change>{Change::Sound}));
    run.switchLoop(3);
    EXPECT_EQ(since(), (std::vector<Change>{Change::Sound}));
    run.followMechanism(4); // still on, still heard
    EXPECT_TRUE(since().empty());
    sound.accept = 0;
    run.followMechanism(5); // refused: no devices any more
    EXPECT_EQ(since(), (std::vector<Change>{Change::Sound}));
    run.playFeedback(1);
    EXPECT_EQ(since(), (std::vector<Change>{Change::Sound})); // the loop is off
    run.playFeedback(1);
    EXPECT_TRUE(since().empty());
}
