#include "exercise/generation.h"
#include "support/draws.h"

#include <deque>
#include <gtest/gtest.h>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {

struct Script
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

ExerciseState generate(int mechanism, std::deque<float> draws, bool *side = nullptr)
{
    ExerciseState st;
    st.mechanism = mechanism;
    Script script{std::move(draws)};
    const bool s = drawValues(st, script.draw());
    if (side)
        *side = s;
    return st;
}

} // namespace

TEST(Generation, SpurGearWorkedExample)
{
    bool side = false;
    ExerciseState st = generate(1, {drawForA(120), drawForB(40), drawForS(10), 0.1f}, &side);
    EXPECT_TRUE(side);
    EXPECT_EQ(st.motorSize, 120);
    EXPECT_EQ(st.resistantSize, 40);
    EXPECT_FLOAT_EQ(st.motorValue, 10);
    EXPECT_FLOAT_EQ(st.resistantValue, 30);
    EXPECT_FLOAT_EQ(st.ratio, 3);
    st.exercise = 2;
    st.unitFactor = kRpmFactor;
    EXPECT_FLOAT_EQ(solutionFor(st, 0), 95.49297f);
    // The other side drives: the larger count is driven.
    st = generate(1, {drawForA(120), drawForB(40), drawForS(10), 0.7f});
    EXPECT_EQ(st.motorSize, 40);
    EXPECT_EQ(st.resistantSize, 120);
    EXPECT_FLOAT_EQ(st.motorValue, 30);
    EXPECT_FLOAT_EQ(st.resistantValue, 10);
    EXPECT_NEAR(st.ratio, 1.0 / 3, 1e-7);
}

TEST(Generation, RackAndPinionWorkedExample)
{
    const ExerciseState st = generate(7, {drawForA(200), drawForB(20), drawForS(10), 0.9f});
    EXPECT_EQ(st.motorSize, 20);
    EXPECT_EQ(st.resistantSize, 20);
    EXPECT_FLOAT_EQ(st.motorValue, 2);
    EXPECT_FLOAT_EQ(st.resistantValue, 20);
    EXPECT_FLOAT_EQ(st.ratio, 3.1415927f);
}

TEST(Generation, CountsStayInTheirRanges)
{
    for (float r : {0.0f, 0.0011f, 0.5f, 0.99999994f}) {
        const ExerciseState st = generate(1, {r, r, r, 0.2f});
        EXPECT_GE(st.motorSize, 51);
        EXPECT_LE(st.motorSize, 501);
        EXPECT_GE(st.resistantSize, 5);
        EXPECT_LE(st.resistantSize, 51);
        EXPECT_GE(st.motorValue, 1);
        EXPECT_LT(st.motorValue, 51);
    }
    EXPECT_EQ(nearest(2.5), 2); // halves to even
    EXPECT_EQ(nearest(3.5), 4);
}

TEST(Generation, UniversalJointTurnsAtOneToOne)
{
    const ExerciseState st = generate(6, {drawForA(300), drawForB(9), drawForS(7), 0.8f});
    EXPECT_FLOAT_EQ(st.ratio, 1);
    EXPECT_EQ(st.motorValue, st.resistantValue);
}

TEST(Generation, SimpleGearTrainDrivenCountIsAlwaysBelowTheOther)
{
    // B is drawn again from 51..501 until it is below A.
    ExerciseState st = generate(12, {drawForA(200), drawForB(20), drawForS(5), drawForA(300), drawForA(120),
                                     0.1f, drawForB(25)});
    EXPECT_EQ(st.motorSize, 200);
    EXPECT_EQ(st.resistantSize, 120);
    EXPECT_EQ(st.centralSize, 25);
    EXPECT_NEAR(st.centralValue * st.centralSize, st.motorValue * st.motorSize, 1e-3);
    EXPECT_GT(st.resistantValue, st.motorValue); // fewer teeth turn faster
    // A = 51 leaves no B below it: A is drawn again and the draw ends.
    Script script{{drawForA(51), drawForB(20), drawForS(5), drawForA(51), drawForA(90), drawForA(60), 0.6f,
                   drawForB(10)}};
    ExerciseState st2;
    st2.mechanism = 12;
    drawValues(st2, script.draw());
    EXPECT_EQ(st2.resistantSize, 90);
    EXPECT_EQ(st2.motorSize, 60);
    EXPECT_EQ(script.used, 8);
}

TEST(Generation, CompoundDrivesHaveTwoEqualStages)
{
    for (int m : {13, 14}) {
        const ExerciseState st = generate(m, {drawForA(100), drawForB(20), drawForS(2), 0.1f});
        EXPECT_FLOAT_EQ(st.resistantValue, 50);
        EXPECT_FLOAT_EQ(st.ratio, 25);
        EXPECT_EQ(st.smallSize, 20);
        EXPECT_EQ(st.largeSize, 100);
        ExerciseState q = st;
        q.exercise = 4;
        EXPECT_FLOAT_EQ(solutionFor(q, 0), 20);
        q.exercise = 5;
        EXPECT_FLOAT_EQ(solutionFor(q, 0), 100);
    }
}

TEST(Generation, SimpleMachinesFollowTheirLaws)
{
    ExerciseState winch = generate(16, {drawForA(120), drawForB(40), drawForS(10), 0.1f});
    EXPECT_EQ(winch.motorSize, 1200);
    EXPECT_EQ(winch.resistantSize, 800); // 20 B
    EXPECT_FLOAT_EQ(winch.ratio, 3);     // A / B
    EXPECT_FLOAT_EQ(winch.resistantValue, 30 / 9.8f);

    ExerciseState pulley = generate(17, {drawForA(120), drawForB(40), drawForS(10), 0.1f});
    EXPECT_FLOAT_EQ(pulley.ratio, 1);
    EXPECT_EQ(pulley.motorSize, pulley.resistantSize);
    EXPECT_EQ(pulley.motorSize, 600);

    ExerciseState block = generate(18, {drawForA(120), drawForB(40), drawForS(10), 0.1f});
    EXPECT_FLOAT_EQ(block.ratio, 2);
    EXPECT_EQ(block.motorSize, 2 * block.resistantSize);
    EXPECT_NEAR(block.resistantValue * 9.8f, 2 * block.motorValue, 1e-4);

    ExerciseState plane = generate(19, {drawForA(120), drawForB(40), drawForS(10), 0.1f});
    EXPECT_EQ(plane.motorSize, 600);
    EXPECT_EQ(plane.resistantSize, 200);
    EXPECT_NEAR(plane.motorValue * plane.motorSize, plane.resistantValue * 9.8 * plane.resistantSize, 0.05);
}

// The winch's load must balance the crank on the sizes shown: F x arm = m g x D / 2,
// with the drum in whole millimetres, whichever side of the draw turns the crank.
TEST(Generation, WinchLoadBalancesTheDrumShown)
{
    const auto balance = [](const ExerciseState &w) {
        return double(w.motorValue) * w.motorSize / (double(w.resistantValue) * 9.8 * w.resistantSize / 2);
    };
    // The larger count on the crank: arm 10 A, drum 20 B.
    const ExerciseState large = generate(16, {drawForA(333), drawForB(17), drawForS(7.3f), 0.1f});
    EXPECT_EQ(large.motorSize, 3330);
    EXPECT_EQ(large.resistantSize, 340);
    EXPECT_NEAR(balance(large), 1, 1e-6);
    // The smaller count on the crank: arm 10 B, drum 20 B^2 / A rounded, here 1.497 to 1 mm.
    const ExerciseState small = generate(16, {drawForA(481), drawForB(6), drawForS(34.99f), 0.7f});
    EXPECT_EQ(small.motorSize, 60);
    EXPECT_EQ(small.resistantSize, 1);
    EXPECT_FLOAT_EQ(small.ratio, 120);
    EXPECT_NEAR(small.resistantValue, 34.99 * 120 / 9.8, 1e-3);
    EXPECT_NEAR(balance(small), 1, 1e-6);
    // The smallest drum the draws allow, 500 / 501 mm, is still 1 mm, never 0.
    const ExerciseState smallest = generate(16, {0.99999994f, drawForB(5), drawForS(1), 0.7f});
    EXPECT_EQ(smallest.motorSize, 50);
    EXPECT_EQ(smallest.resistantSize, 1);
    EXPECT_NEAR(balance(smallest), 1, 1e-6);
}

TEST(Generation, LinkagesDeriveStrokeRadiusAndSpeeds)
{
    ExerciseState cam = generate(10, {drawForA(120), drawForB(12), drawForS(5), 0.1f, 0.5f});
    EXPECT_FLOAT_EQ(cam.ratio, 24);
    EXPECT_EQ(cam.resistantSize, 13); // nearest(24 * 0.5 + 1)
    EXPECT_EQ(cam.motorSize, 37);     // minor radius + stroke
    EXPECT_NEAR(cam.resistantValue, 24 * 5 / 3.1415927, 1e-4);

    ExerciseState crank = generate(11, {drawForA(120), drawForB(12), drawForS(5), 0.1f});
    EXPECT_EQ(crank.motorSize, 12); // half the stroke
    EXPECT_NEAR(crank.resistantSize, crank.resistantValue * 3.1415927 / 2, 0.5);

    ExerciseState screw = generate(9, {drawForA(120), drawForB(15), drawForS(6), 0.1f});
    EXPECT_FLOAT_EQ(screw.ratio, 0.5f);
    EXPECT_NEAR(screw.resistantValue, 6 / (2 * 3.1415927) * 0.5, 1e-6);

    ExerciseState worm = generate(8, {drawForA(300), drawForB(25), drawForS(6), 0.1f});
    EXPECT_EQ(worm.motorSize, 4);       // nearest(2.5 + 1) to even
    EXPECT_EQ(worm.resistantSize, 30);
    EXPECT_NEAR(worm.resistantValue, worm.motorValue * 4 / 3.1415927 / 30, 1e-5);
}

TEST(Generation, EasyVariantByLevel)
{
    Script script{{0.2f, 0.7f}};
    ExerciseState st;
    st.level = 1;
    chooseEasyVariant(st, script.draw());
    EXPECT_EQ(st.easyVariant, true);
    EXPECT_EQ(script.used, 0);
    st.level = 2;
    chooseEasyVariant(st, script.draw());
    EXPECT_EQ(st.easyVariant, true);
    chooseEasyVariant(st, script.draw());
    EXPECT_EQ(st.easyVariant, false);
    st.level = 3;
    st.easyVariant = true;
    chooseEasyVariant(st, script.draw());
    EXPECT_EQ(st.easyVariant, false);
    st.level = 7;
    chooseEasyVariant(st, script.draw());
    EXPECT_EQ(st.easyVariant, false); // unchanged
}

TEST(Generation, SolutionFollowsTheAskedQuantity)
{
    ExerciseState st = generate(7, {drawForA(200), drawForB(20), drawForS(10), 0.9f});
    st.unitFactor = 1.0f;
    st.exercise = 2;
    EXPECT_FLOAT_EQ(solutionFor(st, 0), 20); // rack speed, mm/s
    st.exercise = 3;
    st.unitFactor = kRpmFactor;
    EXPECT_FLOAT_EQ(solutionFor(st, 0), 2 * kRpmFactor);
    st.mechanism = 9;
    st.exercise = 4;
    EXPECT_FLOAT_EQ(solutionFor(st, 42), 42); // no such exercise: unchanged
    st.mechanism = 17;
    st.exercise = 2;
    EXPECT_FLOAT_EQ(solutionFor(st, 0), st.motorValue); // a force is never converted
}
