// The pure side of an exercise: made from chosen draws, written out from the catalogue,
// judged, without a window.

#include "app/format.h"
#include "app/textcatalogue.h"
#include "exercise/display.h"
#include "exercise/judge.h"
#include "mechanisms/catalogue.h"
#include "mechanisms/rules/rules.h"
#include "support/draws.h"

#include <deque>
#include <gtest/gtest.h>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {

// Hands out the given draws in order and counts them; past the end, 0.3.
struct Draws
{
    std::deque<float> values;
    int used = 0;
    Draw draw()
    {
        return [this] {
            ++used;
            if (values.empty())
                return 0.3f;
            const float v = values.front();
            values.pop_front();
            return v;
        };
    }
};

QString catalan(int id)
{
    return TextCatalogue::builtIn().text(LanguageBases{}.textId(id));
}

QString num(const char *text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), systemDecimal());
}

Exercise make(const ExerciseChoice &choice, std::deque<float> values, int *used = nullptr)
{
    Draws draws{std::move(values)};
    const Exercise e = generateExercise(choice, draws.draw());
    if (used)
        *used = draws.used;
    return e;
}

} // namespace

// The counts, the side, the variant at the normal level, then six coin tosses, and nothing
// more: every exercise drawn before this code was reshaped comes out the same.
TEST(GenerateExercise, TakesTheDrawsInTheirOrder)
{
    int used = 0;
    Exercise e = make({1, 2, 2, 1, false},
                      {drawForA(120), drawForB(40), drawForS(10), 0.1f, 0.2f, 0.1f, 0.9f, 0.1f, 0.9f, 0.1f, 0.9f},
                      &used);
    EXPECT_EQ(used, 11);
    EXPECT_TRUE(e.largeDrives);
    EXPECT_TRUE(e.easyVariant);
    EXPECT_EQ(e.randomChoices, (std::array<bool, 7>{false, true, false, true, false, true, false}));
    EXPECT_EQ(e.motorSize, 120);
    EXPECT_EQ(e.resistantSize, 40);

    // The easy and the hard level toss no coin for the variant.
    make({1, 2, 1, 1, false}, {}, &used);
    EXPECT_EQ(used, 10);
    e = make({1, 2, 3, 1, false}, {}, &used);
    EXPECT_EQ(used, 10);
    EXPECT_FALSE(e.easyVariant);
    // The cam draws its minor radius after the side.
    e = make({10, 1, 3, 1, false}, {drawForA(120), drawForB(12), drawForS(5), 0.1f, 0.5f}, &used);
    EXPECT_EQ(used, 11);
    EXPECT_EQ(e.resistantSize, 13);
    // The simple gear train draws the idler after the side, and its driven count again
    // until it is below the driving one.
    e = make({12, 1, 3, 1, false},
             {drawForA(200), drawForB(20), drawForS(5), drawForA(300), drawForA(120), 0.1f, drawForB(25)}, &used);
    EXPECT_EQ(used, 13);
    EXPECT_EQ(e.motorSize, 200);
    EXPECT_EQ(e.resistantSize, 120);
    EXPECT_EQ(e.centralSize, 25);
}

TEST(ComposeDisplay, SpurGearExerciseTwoAtTheEasyLevel)
{
    const Exercise e = make({1, 2, 1, 1, false}, {drawForA(120), drawForB(40), drawForS(10), 0.1f});
    EXPECT_FLOAT_EQ(e.solution, 95.49297f);
    EXPECT_FLOAT_EQ(e.unitFactor, kRpmFactor);
    const Display d = composeDisplay(e, catalan);
    for (int i : {0, 1, 3, 4, 5})
        EXPECT_TRUE(d.lines[std::size_t(i)].isEmpty()) << i;
    EXPECT_EQ(d.lines[2], QStringLiteral("Velocitat de gir :") + num(" 286.48   ") + QStringLiteral("rpm"));
    EXPECT_TRUE(d.ratioShown);
    EXPECT_FALSE(d.middleShown);
    EXPECT_EQ(d.ratioFormat, QStringLiteral("##.00"));
    EXPECT_EQ(d.ratioLine, catalan(101) + num("3.00"));
    EXPECT_EQ(d.question, catalan(246) + QStringLiteral("(rpm) ?"));
    EXPECT_EQ(d.unitLabel, QStringLiteral("rpm"));
    EXPECT_EQ(d.solution, catalan(111) + num(" 95.49  ") + QStringLiteral("rpm"));
}

TEST(ComposeDisplay, RackPitchShowsTeethAndDiameter)
{
    const Exercise e = make({7, 1, 1, 1, false}, {drawForA(200), drawForB(20), drawForS(10), 0.9f});
    EXPECT_FLOAT_EQ(e.solution, 3.1415927f);
    const Display d = composeDisplay(e, catalan);
    EXPECT_EQ(d.lines[0], QString());
    EXPECT_EQ(d.lines[1], catalan(221) + QStringLiteral(" 20"));
    EXPECT_EQ(d.lines[2], QString());
    EXPECT_EQ(d.lines[3], catalan(222) + QStringLiteral(" 20 mm"));
    EXPECT_FALSE(d.ratioShown);
    EXPECT_EQ(d.ratioLine, catalan(102) + num("3.14") + QStringLiteral(" mm"));
    EXPECT_EQ(d.question, catalan(242));
    EXPECT_EQ(d.solution, catalan(102) + num("3.14") + QStringLiteral(" mm"));
}

// With random units each speed takes the next coin toss: the driving speed the first
// (rpm), the driven the second (1/s), the question the third (1/s).
TEST(ComposeDisplay, RandomUnitsGiveEachSpeedItsOwnUnit)
{
    const Exercise e = make({2, 3, 2, 1, true},
                            {drawForA(120), drawForB(40), drawForS(10), 0.1f, 0.9f, 0.1f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f});
    EXPECT_FALSE(e.easyVariant);
    EXPECT_FLOAT_EQ(e.unitFactor, 1.0f);
    EXPECT_FLOAT_EQ(e.solution, e.resistantValue);
    const Display d = composeDisplay(e, catalan);
    EXPECT_TRUE(d.lines[0].endsWith(catalan(201))) << d.lines[0].toStdString();
    EXPECT_EQ(d.lines[2], QString()); // asked
    EXPECT_EQ(d.question, catalan(251) + QLatin1Char('(') + catalan(202) + QStringLiteral(") ?"));
    EXPECT_TRUE(d.solution.endsWith(catalan(202)));
    EXPECT_FALSE(d.ratioShown);
}

TEST(ComposeDisplay, WinchDrumAskedInMillimetres)
{
    const Exercise e = make({16, 5, 3, 1, false}, {drawForA(120), drawForB(40), drawForS(10), 0.1f});
    EXPECT_EQ(e.motorSize, 1200);
    EXPECT_EQ(e.resistantSize, 800);
    EXPECT_FLOAT_EQ(e.solution, 800);
    const Display d = composeDisplay(e, catalan);
    EXPECT_EQ(d.question, catalan(551) + QStringLiteral(" (mm) ?"));
    EXPECT_EQ(d.lines[1], catalan(227) + QStringLiteral(" 1200 mm"));
    EXPECT_EQ(d.lines[3], QString());
    EXPECT_EQ(d.solution, catalan(161) + QStringLiteral(" 800 mm"));
}

// Exercises 4 and 5 of the universal joint do not exist: nothing to ask or state.
TEST(ComposeDisplay, MissingExerciseAsksAndStatesNothing)
{
    const Exercise e = make({6, 4, 3, 1, false}, {drawForA(100), drawForB(10), drawForS(4), 0.1f});
    const Display d = composeDisplay(e, catalan);
    EXPECT_TRUE(d.question.isEmpty());
    EXPECT_TRUE(d.solution.isEmpty());
    EXPECT_EQ(d.ratioFormat, QStringLiteral("0.00000"));
}

// A ratio far below 1 keeps three significant digits in its sentence, and the answer
// box filled in for the teacher is judged right against it.
TEST(ComposeDisplay, TinyRatioOfTheCompoundGearTrain)
{
    const Exercise e = make({13, 1, 2, 1, false}, {drawForA(183), drawForB(5), drawForS(3), 0.7f});
    EXPECT_FALSE(e.largeDrives);
    EXPECT_EQ(e.smallSize, 5);
    EXPECT_EQ(e.largeSize, 183);
    const Display d = composeDisplay(e, catalan);
    EXPECT_EQ(d.ratioFormat, QStringLiteral("0.00000"));
    EXPECT_EQ(d.solution, catalan(101) + num("0.000747"));
    EXPECT_TRUE(judge(0.0007465f, e));
    EXPECT_FALSE(judge(0.00073f, e));
}

// An answer off by exactly the tolerance is wrong: 2 % at the easy level, 1 % above.
TEST(Judge, AcceptsStrictlyWithinTheTolerance)
{
    Exercise e;
    e.solution = 100;
    e.level = 1;
    EXPECT_TRUE(judge(100, e));
    EXPECT_TRUE(judge(101.99f, e));
    EXPECT_TRUE(judge(98.01f, e));
    EXPECT_FALSE(judge(102, e));
    EXPECT_FALSE(judge(98, e));
    for (int level : {2, 3}) {
        e.level = level;
        EXPECT_TRUE(judge(100.99f, e)) << level;
        EXPECT_TRUE(judge(99.01f, e)) << level;
        EXPECT_FALSE(judge(101, e)) << level;
        EXPECT_FALSE(judge(99, e)) << level;
        EXPECT_FALSE(judge(-100, e)) << level;
    }
}

// Every exercise the catalogue lists has what it shows, its question and its solution
// sentence in its mechanism's rules, and one it does not list has none of them; every text they name is in
// each language.
TEST(MechanismRules, CoverEveryExerciseOfTheCatalogueInEachLanguage)
{
    const TextCatalogue &texts = TextCatalogue::builtIn();
    for (int m = 1; m <= mechanismCount; ++m) {
        const MechanismRules &rules = rulesFor(m);
        std::vector<int> ids{rules.titles.driving, rules.titles.middle, rules.titles.driven};
        for (int k = 1; k <= 5; ++k) {
            const bool listed = mechanismInfo(m).exerciseNames[std::size_t(k - 1)] != 0;
            const Question &question = rules.questions[std::size_t(k - 1)];
            const LineRule &sentence = rules.sentences[std::size_t(k - 1)];
            EXPECT_EQ(question.text != 0, listed) << "mechanism " << m << " exercise " << k;
            EXPECT_EQ(sentence.text != 0, listed) << "mechanism " << m << " exercise " << k;
            EXPECT_EQ(rules.shows[std::size_t(k - 1)] != nullptr, listed) << "mechanism " << m << " exercise " << k;
            ids.insert(ids.end(), {question.text, sentence.text, sentence.suffix.text});
        }
        for (const auto &lines : {rules.speedLines, rules.sizeLines}) {
            for (const DataLine &line : lines)
                ids.insert(ids.end(), {line.line.text, line.line.suffix.text});
        }
        for (int id : ids) {
            for (int language = 1; id != 0 && language <= 3; ++language)
                EXPECT_TRUE(texts.contains(LanguageBases{language}.textId(id))) << "mechanism " << m << " text " << id;
        }
    }
    EXPECT_EQ(&rulesFor(0), &rulesFor(20)); // no mechanism: no rules
    EXPECT_EQ(rulesFor(0).questions[0].text, 0);
}
