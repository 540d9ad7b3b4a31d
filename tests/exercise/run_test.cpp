#include "app/format.h"
#include "support/draws.h"
#include "support/form_fixture.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <set>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {
QString lines(const QString &a, const QString &b)
{
    return a + QStringLiteral("\r\n") + b;
}
// The first number written in a text, read as a pupil would.
double numberIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d*[.,]?\\d+"));
    const QRegularExpressionMatch match = number.match(text);
    EXPECT_TRUE(match.hasMatch()) << text.toStdString();
    return match.captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}
QStringList numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d*[.,]?\\d+"));
    QStringList all;
    for (const QRegularExpressionMatch &match : number.globalMatch(text))
        all << match.captured();
    return all;
}
QString firstLine(const QString &box)
{
    return box.section(QStringLiteral("\r\n"), 0, 0);
}
QString secondLine(const QString &box)
{
    return box.section(QStringLiteral("\r\n"), 1, 1);
}
} // namespace

class RunOnScreen : public FormFixture
{
protected:
    QChar d;
    void SetUp() override
    {
        start(1);
        d = systemDecimal();
    }
    QString num(const char *text) const { return QString::fromLatin1(text).replace(QLatin1Char('.'), d); }
    void choose(int type, int mechanism, int exercise)
    {
        form->selectOption(c().typeOptions[type]);
        form->selectOption(c().mechanismOptions[mechanism]);
        form->selectOption(c().exerciseOptions[exercise]);
    }
    // The spur gear example: teeth 120 and 40, speeds 10 and 30 rad/s.
    void scriptSpurGears(std::initializer_list<float> choices)
    {
        fakes.random.script = {drawForA(120), drawForB(40), drawForS(10), 0.1f};
        for (float f : choices)
            fakes.random.script.push_back(f);
    }
    void answer(const QString &text, qint64 afterMs)
    {
        fakes.clock.advanceMs(afterMs);
        form->onAnimationTick();
        c().answerBox.caption = text;
        int key = 13;
        form->onAnswerKeyPressed(key);
        EXPECT_EQ(key, 0);
    }
};

TEST_F(RunOnScreen, SpurGearExerciseTwoAtTheEasyLevel)
{
    form->onLevelChosen(1);
    choose(2, 1, 2);
    scriptSpurGears({0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});
    form->startOrStopExercise();
    EXPECT_TRUE(form->run.running());
    EXPECT_FLOAT_EQ(st().solution, 95.49297f);
    EXPECT_EQ(st().ratioFormat, QStringLiteral("##.00"));
    // Driving speed and both sizes hidden; the driven speed and the ratio shown.
    EXPECT_EQ(c().drivingData.caption, lines(QString(), QString()));
    EXPECT_EQ(c().drivenData.caption,
              lines(QStringLiteral("Velocitat de gir :") + num(" 286.48   ") + QStringLiteral("rpm"), QString()));
    EXPECT_TRUE(c().ratioLabel.visible);
    EXPECT_EQ(c().ratioLabel.caption, form->text(101) + num("3.00"));
    EXPECT_EQ(c().questionLabel.caption, form->text(246) + QStringLiteral("(rpm) ?"));
    EXPECT_EQ(c().questionLabel.alignment, 2);
    EXPECT_TRUE(c().answerBox.visible && c().doneButton.visible && c().answerLabel.visible);
    EXPECT_EQ(form->focusRequest, &c().answerBox);
    EXPECT_FALSE(c().clockBox.visible); // the easy level hides the clock
    EXPECT_FALSE(c().typeFrame.enabled || c().mechanismFrame.enabled || c().exerciseFrame.enabled);
    EXPECT_FALSE(c().unitsMenu.enabled || c().difficultyMenu.enabled);
    EXPECT_FALSE(c().examButton.enabled);
    EXPECT_EQ(c().window.helpContext, 51);

    answer(QStringLiteral("95,5"), 45000);
    EXPECT_TRUE(form->run.answerCorrect());
    EXPECT_EQ(form->run.seconds(), 45);
    EXPECT_EQ(c().questionLabel.caption, form->text(111) + num(" 95.49  ") + QStringLiteral("rpm"));
    EXPECT_EQ(c().questionLabel.alignment, 0);
    EXPECT_EQ(c().commentLabel.caption, form->text(181));
    EXPECT_EQ(c().faceImage.picture, 41);
    EXPECT_TRUE(c().faceImage.visible && c().commentLabel.visible);
    EXPECT_FALSE(form->run.running());
    EXPECT_TRUE(c().typeFrame.enabled && c().mechanismFrame.enabled && c().difficultyMenu.enabled && c().examButton.enabled);
    ASSERT_EQ(fakes.sound.played.size(), 1u);
    EXPECT_FALSE(fakes.sound.played[0].loop);
    EXPECT_EQ(fakes.sound.played[0].resource, QStringLiteral(":/sounds/1621.wav"));
}

TEST_F(RunOnScreen, DefaultSpeedLinesAndSizesOfTheWorkedExample)
{
    form->onLevelChosen(1);
    choose(2, 1, 1);
    scriptSpurGears({0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f}); // sizes shown for the ratio
    form->startOrStopExercise();
    EXPECT_EQ(c().drivingData.caption, lines(QString(), QStringLiteral("Número de dents de la roda : 120")));
    EXPECT_EQ(c().drivenData.caption, lines(QString(), QStringLiteral("Número de dents de la roda : 40")));
    EXPECT_FALSE(c().ratioLabel.visible);
    EXPECT_EQ(c().questionLabel.caption, form->text(241));
    EXPECT_FLOAT_EQ(st().solution, 3);
}

TEST_F(RunOnScreen, RatioOfOneIsWrittenWithFiveDecimals)
{
    choose(2, 6, 1);
    fakes.random.script = {drawForA(100), drawForB(10), drawForS(4), 0.1f};
    form->startOrStopExercise();
    EXPECT_EQ(st().ratioFormat, QStringLiteral("0.00000"));
    EXPECT_EQ(c().ratioLabel.caption, form->text(101) + num("1.00000"));
}

TEST_F(RunOnScreen, StoppingTwiceShowsNoSolution)
{
    choose(1, 17, 2);
    form->startOrStopExercise();
    form->startOrStopExercise();
    EXPECT_FALSE(form->run.running());
    EXPECT_FALSE(c().drivingData.visible || c().questionLabel.visible || c().faceImage.visible || c().commentLabel.visible);
    EXPECT_FALSE(c().answerBox.visible || c().doneButton.visible);
    EXPECT_TRUE(c().typeFrame.enabled && c().mechanismFrame.enabled && c().exerciseFrame.enabled);
    EXPECT_TRUE(fakes.sound.played.empty());
}

TEST_F(RunOnScreen, WrongAnswerAtNormalLevelPausesTheClock)
{
    choose(2, 1, 2);
    scriptSpurGears({0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});
    form->startOrStopExercise();
    EXPECT_TRUE(c().clockBox.visible);
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    answer(QStringLiteral("12"), 30000);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              form->text(192) + QStringLiteral("\r\n") + form->text(195) + QStringLiteral("\r\n") + form->text(193));
    EXPECT_EQ(fakes.messageBox.shown[0].title, form->text(191));
    EXPECT_EQ(fakes.messageBox.shown[0].helpTopic, 0);
    EXPECT_TRUE(c().answerBox.visible && c().clockBox.visible);
    EXPECT_TRUE(form->run.running());
    // Five seconds later the clock reads 35 s, not counting the box.
    fakes.clock.advanceMs(5000);
    form->onAnimationTick();
    EXPECT_EQ(c().clockBox.caption, QStringLiteral("0:35"));
    fakes.messageBox.answers = {MessageBoxService::Answer::No};
    answer(QStringLiteral("1"), 1000);
    EXPECT_EQ(c().commentLabel.caption, form->text(196));
    EXPECT_EQ(c().faceImage.picture, 43);
    EXPECT_FALSE(c().clockBox.visible);
    EXPECT_TRUE(c().questionLabel.visible);
    EXPECT_EQ(c().questionLabel.caption.left(form->text(111).size()), form->text(111));
    EXPECT_FALSE(form->run.running());
    EXPECT_TRUE(fakes.sound.played.empty()); // no sound for a wrong answer
}

TEST_F(RunOnScreen, WrongAnswerAtEasyLevelOffersHelp)
{
    form->onLevelChosen(1);
    choose(1, 19, 1);
    form->startOrStopExercise();
    answer(QStringLiteral("0"), 1000);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].helpTopic, 69);
    EXPECT_EQ(c().commentLabel.caption, form->text(194));
    EXPECT_EQ(c().faceImage.picture, 42);
    EXPECT_EQ(c().questionLabel.caption.left(form->text(106).size()), form->text(106));
}

TEST_F(RunOnScreen, WrongAnswerAtHardLevelEndsWithoutAQuestion)
{
    form->onLevelChosen(3);
    form->startOrStopExercise();
    EXPECT_TRUE(c().clockBox.visible);
    answer(QStringLiteral("abc"), 2000);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(c().commentLabel.caption, form->text(192));
    EXPECT_EQ(c().faceImage.picture, 43);
    EXPECT_FALSE(form->run.running());
    EXPECT_FALSE(c().typeFrame.enabled); // the hard level keeps its choices locked
    EXPECT_TRUE(c().difficultyMenu.enabled);
}

TEST_F(RunOnScreen, HardLevelSlowAnswerGetsTheFrownAndNoSound)
{
    form->onLevelChosen(3);
    form->onDoneClicked(); // nothing to answer yet
    EXPECT_FALSE(c().faceImage.visible);
    form->startOrStopExercise();
    form->onSoundButtonClicked(); // the loop plays
    EXPECT_TRUE(form->run.loopOn());
    c().answerBox.caption = formatNumber(st().solution, QStringLiteral("###0.0###"), d);
    fakes.clock.advanceMs(125000);
    form->onAnimationTick();
    form->onDoneClicked();
    EXPECT_TRUE(form->run.answerCorrect());
    EXPECT_EQ(form->run.seconds(), 125);
    EXPECT_EQ(c().faceImage.picture, 43);
    EXPECT_EQ(c().commentLabel.caption, form->text(182) + form->text(203));
    EXPECT_TRUE(form->run.loopOn()); // nothing played: the loop goes on
    EXPECT_EQ(fakes.sound.played.size(), 1u);
}

TEST_F(RunOnScreen, LanguageChangeKeepsNumbersAndComment)
{
    choose(2, 1, 2);
    scriptSpurGears({0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});
    form->startOrStopExercise();
    const QString before = c().drivenData.caption;
    form->onLanguageChosen(3);
    EXPECT_EQ(c().drivenData.caption,
              QString(before).replace(QStringLiteral("Velocitat de gir :"), form->text(212)));
    EXPECT_EQ(c().questionLabel.caption, QStringLiteral("What is the drive shaft's speed (rpm) ?"));
    const int draws = fakes.random.draws;
    EXPECT_TRUE(form->run.running());
    answer(QStringLiteral("95.5"), 10000);
    EXPECT_EQ(fakes.sound.played.size(), 1u);
    const QString comment = c().commentLabel.caption;
    form->onLanguageChosen(2);
    EXPECT_EQ(c().commentLabel.caption.left(10), form->text(184).left(10));
    EXPECT_NE(c().commentLabel.caption, comment);
    EXPECT_EQ(c().questionLabel.caption.left(form->text(111).size()), form->text(111));
    EXPECT_EQ(fakes.sound.played.size(), 1u); // no sound again
    EXPECT_EQ(fakes.random.draws, draws);     // nothing drawn again
    EXPECT_TRUE(c().faceImage.visible);
}

TEST_F(RunOnScreen, SolutionsModePrefillsTheAnswer)
{
    form->solutionsMode = true;
    choose(1, 18, 1);
    form->startOrStopExercise();
    EXPECT_EQ(c().answerBox.caption, num("2.0"));
    EXPECT_EQ(c().answerBox.selStart, 0);
    EXPECT_EQ(c().answerBox.selLength, 3);
    int key = 13;
    form->onAnswerKeyPressed(key);
    EXPECT_TRUE(form->run.answerCorrect());
}

TEST_F(RunOnScreen, RandomUnitsGiveEachSpeedItsOwnUnit)
{
    form->onRandomUnitsChosen();
    choose(2, 2, 3);
    // Draws: units, then the values, then the six choices: rpm, 1/s, question in 1/s.
    fakes.random.script = {0.9f, drawForA(120), drawForB(40), drawForS(10), 0.1f, 0.9f,
                           0.1f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f};
    form->startOrStopExercise();
    EXPECT_TRUE(c().drivingData.caption.contains(QStringLiteral("rpm")) || c().drivingData.caption.trimmed().isEmpty()
                || c().drivingData.caption.contains(form->text(219)));
    EXPECT_EQ(c().questionLabel.caption, form->text(251) + QStringLiteral("(1/segon) ?"));
    EXPECT_FLOAT_EQ(st().unitFactor, 1.0f);
    EXPECT_FLOAT_EQ(st().solution, st().resistantValue);
}

TEST_F(RunOnScreen, ExamStepScoresAndFinishesAfterFive)
{
    // An exam as its start sets it up: hard level, random everything, no mechanism used.
    bool finished = false;
    form->onExamFinished = [&finished] { finished = true; };
    form->exam.start();
    form->selection.beginExam();
    form->applyDifficultyPreset();
    form->startExercise();
    std::set<int> mechanisms{st().mechanism};
    const qint64 times[] = {0, 60000, 150000, 301000, 5000};
    for (int i = 0; i < 5; ++i) {
        const bool right = i != 4;
        c().answerBox.caption = right ? formatSignificant(st().solution, QStringLiteral("###0.0###"), d, kPrefillDigits)
                                       : QStringLiteral("-1");
        fakes.clock.advanceMs(times[i]);
        form->onAnimationTick();
        form->onDoneClicked();
        if (i < 4)
            mechanisms.insert(st().mechanism);
    }
    EXPECT_EQ(mechanisms.size(), 5u); // five different mechanisms
    EXPECT_EQ(form->exam.count(), 5);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[1], 2);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[2], 1.7f);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[3], 1.25f);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[4], 0.5f);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[5], 0);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[0], 5.45f);
    EXPECT_EQ(form->exam.tables().results[5], form->text(342));
    EXPECT_EQ(form->exam.tables().times[0], QStringLiteral("8:36")); // answer times only
    EXPECT_EQ(form->exam.tables().times[2], QStringLiteral("1:00"));
    EXPECT_EQ(form->exam.tables().times[4], QStringLiteral("5:01"));
    ASSERT_EQ(fakes.messageBox.shown.size(), 5u);
    EXPECT_EQ(fakes.messageBox.shown[1].title, form->text(346) + QStringLiteral(" 2"));
    EXPECT_EQ(fakes.messageBox.shown[1].text, form->text(343) + form->text(341) + QStringLiteral("\r\n")
                                                  + form->text(344) + QStringLiteral("1:00\r\n") + form->text(345)
                                                  + QStringLiteral(" 1.7"));
    EXPECT_TRUE(finished);
    EXPECT_FALSE(c().window.enabled);
    EXPECT_FALSE(form->exam.running());
}

// Every exercise of every mechanism, at every level and with random units: the question
// is asked, the expected answer is a sensible number, and the sentence that shows the
// solution states exactly that number in the unit of the question.
TEST_F(RunOnScreen, EverySolutionSentenceStatesTheJudgedValue)
{
    form->onRandomUnitsChosen();
    int checked = 0;
    for (int level = 1; level <= 3; ++level) {
        for (int m = 1; m <= 19; ++m) {
            const int exercises = (m == 6 || m == 9) ? 3 : 5;
            for (int ex = 1; ex <= exercises; ++ex) {
                for (int round = 0; round < 3; ++round) {
                    setChoice(m, ex, level);
                    form->run.begin();
                    form->startExercise();
                    const float solution = st().solution;
                    ASSERT_TRUE(std::isfinite(solution) && solution > 0) << m << "/" << ex;
                    ASSERT_FALSE(c().questionLabel.caption.isEmpty());
                    const QString question = c().questionLabel.caption;
                    form->writeSolution();
                    const QString sentence = c().questionLabel.caption;
                    const QString twoDecimals = formatSignificant(solution, QStringLiteral("###0.#0"), d, kShownDigits);
                    const QString whole = strInt(qint64(std::llround(solution)));
                    const QString ratio = formatNumber(st().ratio, st().ratioFormat, d);
                    const bool integral = std::fabs(solution - std::round(solution)) < 1e-6;
                    const bool states = (ex == 1 && sentence.contains(ratio)) || sentence.contains(twoDecimals)
                        || (integral && sentence.contains(whole + QLatin1Char(' ')));
                    EXPECT_TRUE(states) << "mechanism " << m << " exercise " << ex << ": \""
                                        << sentence.toStdString() << "\" for " << solution;
                    // A speed is asked and stated in the same unit.
                    for (const QString &unit : {form->text(201), form->text(202)}) {
                        if (question.contains(QLatin1Char('(') + unit + QLatin1Char(')'))) {
                            EXPECT_TRUE(sentence.endsWith(unit)) << m << "/" << ex << " " << sentence.toStdString();
                        }
                    }
                    form->run.end();
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 3 * 3 * (17 * 5 + 2 * 3));
}

// Small values on screen keep enough digits for the asked value to be worked out from
// them within the tolerance; the pupil's arithmetic below uses only what is shown.
TEST_F(RunOnScreen, SmallValuesShowEnoughDigitsToWorkFrom)
{
    form->onLevelChosen(1);
    form->onUnitsChosen(2);
    choose(3, 9, 2); // the screw's speed, from the nut's speed and the thread pitch
    fakes.random.script = {drawForA(200), drawForB(5), drawForS(2.38f), 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
    form->startOrStopExercise();
    ASSERT_TRUE(c().ratioLabel.visible);
    const QString nutLine = firstLine(c().drivenData.caption);
    EXPECT_EQ(nutLine, form->text(213) + num(" 0.0631   ") + QStringLiteral("mm/s"));
    EXPECT_EQ(c().ratioLabel.caption, form->text(103) + num("0.16667") + QStringLiteral(" mm"));
    const double pitch = numberIn(c().ratioLabel.caption);
    answer(QString::number(2 * M_PI * numberIn(nutLine) / pitch), 1000);
    EXPECT_TRUE(form->run.answerCorrect());

    choose(2, 13, 2); // the driving speed, from the driven one and a tiny ratio
    fakes.random.script = {drawForA(415), drawForB(5), drawForS(7.77f), 0.7f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
    form->startOrStopExercise();
    ASSERT_TRUE(c().ratioLabel.visible);
    EXPECT_EQ(c().ratioLabel.caption, form->text(101) + num("0.000145"));
    const double driven = numberIn(secondLine(c().drivenData.caption));
    answer(QString::number(driven / numberIn(c().ratioLabel.caption)), 1000);
    EXPECT_TRUE(form->run.answerCorrect());
    EXPECT_TRUE(c().questionLabel.caption.startsWith(form->text(111) + num(" 53527.")));
}

TEST_F(RunOnScreen, SolutionsModePrefillOfATinyRatioIsJudgedRight)
{
    form->solutionsMode = true;
    choose(2, 13, 1);
    fakes.random.script = {drawForA(183), drawForB(5), drawForS(3), 0.7f};
    form->startOrStopExercise();
    EXPECT_EQ(c().answerBox.caption, num("0.0007465"));
    EXPECT_EQ(c().answerBox.selLength, 9);
    int key = 13;
    form->onAnswerKeyPressed(key);
    EXPECT_TRUE(form->run.answerCorrect());
    EXPECT_EQ(c().questionLabel.caption, form->text(101) + num("0.000747"));
}

// The loop the pupil turned on after an answer plays through a language switch, and the
// sound button must still know it: its next click stops the loop.
TEST_F(RunOnScreen, LanguageSwitchLeavesTheLoopOn)
{
    choose(2, 1, 2);
    scriptSpurGears({0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});
    form->startOrStopExercise();
    answer(QStringLiteral("95.5"), 10000);
    ASSERT_TRUE(form->run.answerCorrect());
    EXPECT_FALSE(form->run.loopOn()); // the feedback sound replaced any loop
    form->onSoundButtonClicked();
    ASSERT_TRUE(form->run.loopOn());
    const std::size_t played = fakes.sound.played.size();
    const int stops = fakes.sound.stops;
    form->onLanguageChosen(3);
    EXPECT_EQ(c().commentLabel.caption.left(10), form->text(184).left(10));
    EXPECT_TRUE(form->run.loopOn());
    EXPECT_EQ(fakes.sound.played.size(), played);
    form->onSoundButtonClicked();
    EXPECT_FALSE(form->run.loopOn());
    EXPECT_EQ(fakes.sound.stops, stops + 1);
    EXPECT_EQ(fakes.sound.played.size(), played); // stopped, not started again
}

// The screens of the motion-transforming mechanisms: the rack's statement line and its
// first exercise, and the cam's titles.
TEST_F(RunOnScreen, RackAndCamScreens)
{
    form->onLevelChosen(1);
    choose(3, 7, 1);
    fakes.random.script = {drawForA(200), drawForB(20), drawForS(10), 0.9f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
    form->startOrStopExercise();
    // Both speed lines hidden; pinion teeth and diameter shown; the pitch is asked.
    EXPECT_EQ(c().drivingData.caption, lines(QString(), form->text(221) + QStringLiteral(" 20")));
    EXPECT_EQ(c().drivenData.caption, lines(QString(), form->text(222) + QStringLiteral(" 20 mm")));
    EXPECT_FALSE(c().ratioLabel.visible);
    EXPECT_EQ(c().questionLabel.caption, form->text(242));
    EXPECT_EQ(c().ratioLabel.caption, form->text(102) + num("3.14") + QStringLiteral(" mm"));
    EXPECT_FALSE(c().drivingTitle.visible || c().drivenTitle.visible);
    EXPECT_EQ(c().middleTitle.caption, form->text(353));
    answer(QStringLiteral("3.1416"), 1000);
    EXPECT_TRUE(form->run.answerCorrect());
    EXPECT_EQ(c().questionLabel.caption, form->text(102) + num("3.14") + QStringLiteral(" mm"));

    choose(3, 10, 1);
    EXPECT_FALSE(c().drivingTitle.visible);
    EXPECT_FALSE(c().drivenTitle.visible);
    EXPECT_TRUE(c().middleTitle.visible);
    EXPECT_EQ(c().middleTitle.caption, form->text(355));
    EXPECT_TRUE(c().ratioLabel.caption.startsWith(form->text(104)));
    EXPECT_TRUE(c().ratioLabel.caption.endsWith(QStringLiteral(" mm")));
}

// The universal joint and the screw have no exercises 4 and 5: a random exercise is drawn
// again until it is one of theirs, and asking for one of the missing ones from code keeps
// the solution and the sentence already there.
TEST_F(RunOnScreen, MissingExercisesOfTheJointAndTheScrew)
{
    for (int mechanism : {6, 9}) {
        choose(mechanism == 6 ? 2 : 3, mechanism, 1);
        form->selectOption(c().randomExerciseOption);
        ASSERT_TRUE(c().randomExerciseOption.value);
        fakes.random.script = {0.7f, 0.95f, 0.3f};
        const int before = fakes.random.draws;
        form->startOrStopExercise();
        EXPECT_EQ(st().exercise, 2) << mechanism; // 4 and 5 drawn again
        EXPECT_GE(fakes.random.draws - before, 3 + 4);
        form->startOrStopExercise(); // stopped

        for (int exercise : {4, 5}) {
            st().exercise = exercise;
            st().solution = 42;
            form->selectSolution();
            EXPECT_FLOAT_EQ(st().solution, 42);
            c().questionLabel.caption = QStringLiteral("as it was");
            form->writeSolution();
            EXPECT_EQ(c().questionLabel.caption, QStringLiteral("as it was"));
        }
        form->selectOption(c().exerciseOptions[1]);
    }
}

TEST_F(RunOnScreen, WrongAnswerAtEasyLevelAndAnotherChance)
{
    form->onLevelChosen(1);
    choose(2, 1, 2);
    scriptSpurGears({0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});
    form->startOrStopExercise();
    const QString question = c().questionLabel.caption;
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    answer(QStringLiteral("12"), 30000);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, form->text(192) + QStringLiteral("\r\n") + form->text(193));
    EXPECT_EQ(fakes.messageBox.shown[0].helpTopic, 51);
    // The same question, an empty box with the focus, no comment yet, no clock.
    EXPECT_TRUE(form->run.running());
    EXPECT_TRUE(c().questionLabel.visible);
    EXPECT_EQ(c().questionLabel.caption, question);
    EXPECT_TRUE(c().answerBox.visible && c().doneButton.visible);
    EXPECT_TRUE(c().answerBox.caption.isEmpty());
    EXPECT_EQ(form->focusRequest, &c().answerBox);
    EXPECT_FALSE(c().commentLabel.visible || c().faceImage.visible || c().clockBox.visible);
    answer(QStringLiteral("95.49"), 5000);
    EXPECT_TRUE(form->run.answerCorrect());
    EXPECT_EQ(form->run.seconds(), 35); // the clock ran on through the box
    EXPECT_EQ(c().commentLabel.caption, form->text(181));
    EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
}

// Each mechanism's own loop, and a refused request that silences the program for good.
TEST_F(RunOnScreen, SoundLoopsAndARefusal)
{
    const int loops[20] = {0,    1601, 1602, 1601, 1604, 1605, 1606, 1607, 1608, 1609,
                           1610, 1611, 1601, 1601, 1602, 1615, 1616, 1616, 1616, 1615};
    for (int m = 1; m <= 19; ++m) {
        setChoice(m);
        form->onSoundButtonClicked();
        ASSERT_TRUE(form->run.loopOn());
        ASSERT_FALSE(fakes.sound.played.empty());
        const QString expected = QStringLiteral(":/sounds/%1.wav").arg(loops[m]);
        ASSERT_TRUE(QFile::exists(expected)) << loops[m];
        EXPECT_EQ(fakes.sound.played.back().resource, expected) << "mechanism " << m;
        EXPECT_TRUE(fakes.sound.played.back().loop);
        form->onSoundButtonClicked();
        EXPECT_FALSE(form->run.loopOn());
    }
    EXPECT_NE(fakes.sound.played[0].resource, fakes.sound.played[1].resource);

    fakes.sound.accept = 0;
    choose(2, 1, 2);
    scriptSpurGears({0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});
    form->startOrStopExercise();
    answer(QStringLiteral("95.5"), 10000);
    ASSERT_TRUE(form->run.answerCorrect());
    const std::size_t requests = fakes.sound.played.size();
    EXPECT_EQ(form->run.soundDevices(), 0);
    fakes.sound.accept = 1;
    form->onSoundButtonClicked(); // on, but nothing is asked of the platform
    EXPECT_TRUE(form->run.loopOn());
    form->startOrStopExercise();
    answer(formatSignificant(st().solution, QStringLiteral("###0.0###"), d, kPrefillDigits), 5000);
    ASSERT_TRUE(form->run.answerCorrect());
    EXPECT_EQ(fakes.sound.played.size(), requests);
}

class ExamRun : public RunOnScreen
{
protected:
    // Answers the exam's exercise on screen, right or wrong, after the given time.
    void answerExercise(bool right, qint64 afterMs)
    {
        c().answerBox.caption = right ? formatSignificant(st().solution, QStringLiteral("###0.0###"), d, kPrefillDigits)
                                       : QStringLiteral("-1");
        fakes.clock.advanceMs(afterMs);
        form->onAnimationTick();
        form->onDoneClicked();
    }
};

// The level and its options the pupil had before an exam come back when it ends, and each
// of its exercises draws its own units.
TEST_F(ExamRun, FinishedExamBringsTheLevelBack)
{
    form->onLevelChosen(1);
    ASSERT_FALSE(c().randomMechanismOption.visible);
    // Two exercises: mechanism, exercise, units, the values, the six choices.
    const std::initializer_list<float> choices{0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
    fakes.random.script = {0.01f, 0.01f, 0.1f, drawForA(120), drawForB(40), drawForS(10), 0.1f};
    fakes.random.script.insert(fakes.random.script.end(), choices);
    for (float draw : {0.06f, 0.01f, 0.9f, drawForA(120), drawForB(40), drawForS(10), 0.1f})
        fakes.random.script.push_back(draw);
    fakes.random.script.insert(fakes.random.script.end(), choices);
    form->startOrStopExam();
    EXPECT_EQ(st().level, 3);
    EXPECT_TRUE(c().randomUnitsItem.value);
    EXPECT_EQ(st().mechanism, 1);
    EXPECT_EQ(st().units, 1);
    answerExercise(true, 20000);
    EXPECT_EQ(st().mechanism, 2);
    EXPECT_EQ(st().units, 2);
    for (int i = 1; i < 5; ++i)
        answerExercise(i % 2 == 0, 20000);
    EXPECT_FALSE(form->exam.running());
    EXPECT_EQ(form->exam.count(), 5);
    EXPECT_EQ(form->selection.level(), 1);
    EXPECT_TRUE(c().levelItems[1].value);
    // The easy level's own set-up: no random options, the choices open again.
    EXPECT_FALSE(c().randomMechanismOption.visible || c().randomExerciseOption.visible);
    EXPECT_FALSE(c().randomUnitsItem.value);
    EXPECT_TRUE(c().typeFrame.enabled && c().mechanismFrame.enabled && c().exerciseFrame.enabled);
}

// A language switch between two exercises of an exam writes the one on screen again in the
// new language, draws nothing and lets the exam go on to its end.
TEST_F(ExamRun, LanguageChangeBetweenExercises)
{
    form->startOrStopExam();
    answerExercise(true, 10000);
    ASSERT_EQ(form->exam.count(), 1);
    ASSERT_TRUE(form->exam.running());
    const QStringList data = numbersIn(c().drivingData.caption + c().drivenData.caption);
    const float solution = st().solution;
    const QString question = c().questionLabel.caption;
    const int draws = fakes.random.draws;
    form->onLanguageChosen(3);
    EXPECT_NE(c().questionLabel.caption, question);
    form->onLanguageChosen(1);
    EXPECT_EQ(c().questionLabel.caption, question);
    form->onLanguageChosen(3);
    EXPECT_EQ(fakes.random.draws, draws);
    EXPECT_FLOAT_EQ(st().solution, solution);
    EXPECT_EQ(numbersIn(c().drivingData.caption + c().drivenData.caption), data);
    EXPECT_TRUE(c().answerBox.visible);
    EXPECT_TRUE(form->exam.running());
    for (int i = 0; i < 4; ++i)
        answerExercise(true, 10000);
    EXPECT_EQ(form->exam.count(), 5);
    EXPECT_EQ(form->exam.tables().results[1], TextCatalogue::builtIn().text(341));
    EXPECT_EQ(form->exam.tables().results[5], form->text(341));
    EXPECT_EQ(fakes.messageBox.shown.back().title, form->text(346) + QStringLiteral(" 5"));
}
