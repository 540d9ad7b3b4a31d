#include "mechanisms/catalogue.h"
#include "mechanisms/selection.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace cinemoto;
using namespace cinemoto::test;

TEST(SelectionDraws, MechanismThenExerciseThenUnitsEachFromItsOwnDraws)
{
    FakeRandom random;
    // The universal joint; exercises 5 and 4 it lacks, then 3; then rad/s.
    random.script = {0.3f, 0.9f, 0.7f, 0.5f, 0.6f};
    Selection selection(random);
    const std::int32_t mechanism = selection.drawMechanism([](std::int32_t) { return true; });
    EXPECT_EQ(mechanism, 6);
    ASSERT_FALSE(hasFiveExercises(mechanism));
    EXPECT_EQ(selection.drawExercise(mechanism), 3);
    EXPECT_EQ(random.draws, 4);
    EXPECT_EQ(selection.drawUnits(), 2);
    EXPECT_EQ(random.draws, 5);
    // A mechanism with five exercises takes the first draw.
    random.script = {0.9f};
    EXPECT_EQ(selection.drawExercise(1), 5);
}

TEST(SelectionDraws, MechanismsTheFilterRefusesAreDrawnAgain)
{
    FakeRandom random;
    random.script = {0.0f, 0.99f, 0.06f};
    Selection selection(random);
    const auto even = [](std::int32_t mechanism) { return mechanism % 2 == 0; };
    EXPECT_EQ(selection.drawMechanism(even), 2); // 1 and 19 refused
    EXPECT_EQ(random.draws, 3);
}

TEST(SelectionDraws, EachLevelHasItsPresetAndNoOtherLevelHasOne)
{
    EXPECT_EQ(Selection::preset(0), nullptr);
    EXPECT_EQ(Selection::preset(4), nullptr);
    // Only the hard level takes the choice away, and only the easy one offers no chance.
    for (int level = 1; level <= 3; ++level) {
        const LevelPreset *preset = Selection::preset(level);
        ASSERT_NE(preset, nullptr);
        EXPECT_EQ(preset->manualChoices, level != 3);
        EXPECT_EQ(preset->randomOffered, level != 1);
        EXPECT_EQ(preset->randomSelected, preset->randomOffered && !preset->manualChoices);
    }
}
