#include "mechanisms/catalogue.h"
#include "mechanisms/selection.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace cinemoto;
using namespace cinemoto::test;

using Change = Selection::Change;

class SelectionChoice : public ::testing::Test
{
protected:
    FakeRandom random;
    Selection selection{random};
    std::vector<Change> reported;

    void SetUp() override
    {
        selection.changed = [this](Change change) { reported.push_back(change); };
    }
    // The changes reported since the last call.
    std::vector<Change> changes() { return std::exchange(reported, {}); }
    // A pupil who picked the second type's fifth mechanism, its third exercise, in rad/s.
    void pickSomething()
    {
        selection.chooseType(2);
        selection.chooseMechanism(5);
        selection.chooseExercise(3);
        selection.chooseUnits(2);
        changes();
    }
};

TEST_F(SelectionChoice, ATypeOffersItsFirstMechanismAndAMechanismItsFirstExercise)
{
    selection.chooseType(3);
    EXPECT_EQ(selection.choice().mechanism, defaultMechanism(3));
    selection.chooseExercise(4);
    selection.chooseMechanism(9);
    EXPECT_EQ(selection.choice().exercise, 1);
    EXPECT_FALSE(selection.choice().randomExercise);
    // The mechanism to chance takes the exercise with it, even one then picked.
    selection.chooseRandomMechanism();
    EXPECT_TRUE(selection.choice().randomMechanism && selection.choice().randomExercise);
    selection.chooseExercise(2);
    EXPECT_TRUE(selection.choice().randomExercise);
    selection.chooseMechanism(4);
    EXPECT_TRUE(selection.choice().randomExercise);
    // A type picked again gives the choice back to the pupil.
    selection.chooseType(1);
    EXPECT_FALSE(selection.choice().randomMechanism || selection.choice().randomExercise);
    EXPECT_EQ(selection.choice().mechanism, 17);
}

TEST_F(SelectionChoice, EachLevelsPresetSetsTheChoice)
{
    pickSomething();
    selection.chooseRandomUnits();
    selection.chooseLevel(3);
    Choice hard = selection.choice();
    EXPECT_TRUE(hard.randomMechanism && hard.randomExercise && hard.randomUnits);
    EXPECT_EQ(hard.mechanism, 5); // still on show until a draw
    EXPECT_EQ(hard.units, 2);
    selection.chooseLevel(2);
    EXPECT_EQ(selection.choice().mechanism, 17);
    EXPECT_EQ(selection.choice().type, 1);
    EXPECT_EQ(selection.choice().exercise, 1);
    EXPECT_FALSE(selection.choice().randomMechanism || selection.choice().randomExercise);
    EXPECT_TRUE(selection.choice().randomUnits); // the normal level keeps it
    pickSomething();
    selection.chooseLevel(1);
    EXPECT_EQ(selection.choice().mechanism, 17);
    EXPECT_EQ(selection.choice().units, 2); // ticked by hand, kept
    EXPECT_EQ(selection.level(), 1);
    // A level outside the three changes nothing but the tick.
    const Choice before = selection.choice();
    selection.chooseLevel(4);
    EXPECT_EQ(selection.choice().mechanism, before.mechanism);
    EXPECT_EQ(selection.choice().units, before.units);
}

TEST_F(SelectionChoice, RandomUnitsFallBackToTheTickedItemAtTheEasyLevel)
{
    selection.chooseRandomUnits();
    Choice drawn = selection.choice();
    drawn.units = 2; // as the last draw left it
    selection.take(drawn);
    selection.chooseLevel(1);
    EXPECT_FALSE(selection.choice().randomUnits);
    EXPECT_EQ(selection.choice().units, 1);
    EXPECT_EQ(selection.exerciseChoice().units, 1);
    EXPECT_FALSE(selection.exerciseChoice().randomUnits);
}

TEST_F(SelectionChoice, AnExamDrawsEachMechanismOnceAndGivesTheTickedLevelBack)
{
    selection.chooseLevel(1);
    Exam exam;
    exam.start();
    selection.beginExam();
    EXPECT_EQ(selection.level(), 3);
    EXPECT_EQ(selection.choice().level, 1);
    EXPECT_EQ(selection.exerciseChoice().level, 3);
    exam.markUsed(1);
    exam.markUsed(2);
    // 1 and 2 are used and drawn again; then 3, its second exercise, rad/s.
    random.script = {0.01f, 0.06f, 0.11f, 0.3f, 0.9f};
    selection.drawRun(exam);
    EXPECT_EQ(selection.choice().mechanism, 3);
    EXPECT_TRUE(exam.used(3));
    EXPECT_EQ(selection.choice().exercise, 2);
    EXPECT_EQ(selection.choice().units, 2);
    EXPECT_EQ(random.draws, 5);
    // Out of an exam a used mechanism is drawn as any other.
    exam.stop();
    random.script = {0.01f, 0.5f, 0.1f};
    selection.drawRun(exam);
    EXPECT_EQ(selection.choice().mechanism, 1);
    selection.endExam();
    EXPECT_EQ(selection.level(), 1);
    EXPECT_FALSE(selection.choice().randomMechanism || selection.choice().randomUnits);
    EXPECT_EQ(selection.choice().units, 1);
}

TEST_F(SelectionChoice, ADrawnMechanismNeverKeepsAnExerciseItLacks)
{
    Choice choice;
    choice.exercise = 5;
    choice.randomMechanism = true; // the exercise kept by hand, as no window allows
    selection.take(choice);
    Exam exam;
    random.script = {0.3f}; // the universal joint
    const int before = random.draws;
    selection.drawRun(exam);
    EXPECT_EQ(selection.choice().mechanism, 6);
    EXPECT_EQ(selection.choice().exercise, 1);
    EXPECT_EQ(random.draws - before, 1);
    // Nothing to chance: nothing drawn, nothing reported.
    selection.chooseType(1);
    changes();
    selection.drawRun(exam);
    EXPECT_EQ(random.draws - before, 1);
    EXPECT_TRUE(changes().empty());
}

TEST_F(SelectionChoice, ChangesAreReportedWhenAndOnlyWhenTheyHappen)
{
    selection.chooseType(1); // as it starts
    EXPECT_TRUE(changes().empty());
    selection.chooseMechanism(17);
    selection.chooseExercise(1);
    selection.chooseUnits(1);
    selection.chooseLevel(2);
    EXPECT_TRUE(changes().empty());
    selection.chooseUnits(2);
    EXPECT_EQ(changes(), (std::vector<Change>{Change::Units}));
    selection.chooseExercise(3);
    EXPECT_EQ(changes(), (std::vector<Change>{Change::Exercise}));
    selection.chooseMechanism(16);
    EXPECT_EQ(changes(), (std::vector<Change>{Change::Mechanism, Change::Exercise}));
    selection.chooseRandomExercise();
    selection.chooseRandomExercise();
    EXPECT_EQ(changes(), (std::vector<Change>{Change::Exercise}));
    selection.chooseLevel(3);
    EXPECT_EQ(changes(), (std::vector<Change>{Change::Level, Change::Mechanism, Change::Units}));
    // An exam at the hard level changes nothing.
    selection.beginExam();
    selection.endExam();
    EXPECT_TRUE(changes().empty());
    selection.chooseLevel(1);
    changes();
    selection.beginExam();
    EXPECT_EQ(changes(), (std::vector<Change>{Change::Level, Change::Mechanism, Change::Exercise, Change::Units}));
    // Each report comes once the whole change is made.
    std::vector<int> seenMechanisms;
    selection.changed = [&](Change) { seenMechanisms.push_back(selection.choice().mechanism); };
    Exam exam;
    random.script = {0.2f, 0.5f, 0.7f};
    selection.drawRun(exam);
    EXPECT_EQ(seenMechanisms, (std::vector<int>{4, 4, 4}));
}
