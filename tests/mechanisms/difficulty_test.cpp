#include "support/form_fixture.h"

using namespace cinemoto;
using namespace cinemoto::test;

class Difficulty : public FormFixture
{
protected:
    void SetUp() override { start(1); }
    bool anyTypeVisible() { return c().typeOptions[1].visible || c().typeOptions[2].visible || c().typeOptions[3].visible; }
};

TEST_F(Difficulty, HardHidesEveryChoiceAndTicksRandomUnits)
{
    form->selectOption(c().typeOptions[2]);
    form->onLevelChosen(3);
    EXPECT_EQ(form->selection.level(), 3);
    EXPECT_TRUE(c().levelItems[3].value);
    EXPECT_FALSE(c().levelItems[1].value || c().levelItems[2].value);
    EXPECT_FALSE(c().typeFrame.enabled);
    EXPECT_FALSE(anyTypeVisible());
    EXPECT_FALSE(c().randomMechanismOption.visible);
    EXPECT_TRUE(c().randomMechanismOption.value);
    EXPECT_TRUE(c().randomExerciseOption.value);
    EXPECT_FALSE(c().randomExerciseOption.visible);
    EXPECT_TRUE(visibleMechanisms().empty());
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(c().exerciseOptions[k].visible);
    EXPECT_FALSE(c().mechanismFrame.enabled || c().exerciseFrame.enabled);
    EXPECT_TRUE(c().randomUnitsItem.value && c().randomUnitsItem.enabled);
    EXPECT_FALSE(c().unitsItems[1].value || c().unitsItems[2].value);
    EXPECT_FALSE(c().unitsItems[1].enabled || c().unitsItems[2].enabled);
}

TEST_F(Difficulty, BackToNormalOffersTheRandomOptionsUnselected)
{
    form->onLevelChosen(3);
    form->onLevelChosen(2);
    EXPECT_TRUE(c().typeOptions[1].value && c().typeOptions[1].visible);
    EXPECT_TRUE(c().typeFrame.enabled);
    EXPECT_EQ(choice().mechanism, 17);
    EXPECT_TRUE(c().mechanismOptions[17].value);
    EXPECT_EQ((std::vector<int>{17, 15, 19, 18, 16}), visibleMechanisms());
    EXPECT_TRUE(c().exerciseOptions[1].value && c().exerciseOptions[1].visible);
    EXPECT_EQ(choice().exercise, 1);
    EXPECT_TRUE(c().randomMechanismOption.visible && c().randomMechanismOption.enabled);
    EXPECT_FALSE(c().randomMechanismOption.value);
    EXPECT_TRUE(c().randomExerciseOption.visible && c().randomExerciseOption.enabled);
    EXPECT_FALSE(c().randomExerciseOption.value);
    EXPECT_TRUE(c().mechanismFrame.enabled && c().exerciseFrame.enabled);
    EXPECT_TRUE(c().randomUnitsItem.value); // still ticked
    EXPECT_TRUE(c().unitsItems[1].enabled && c().unitsItems[2].enabled);
}

TEST_F(Difficulty, EasyOffersNoRandomOptionAndTicksRpmInsteadOfRandomUnits)
{
    form->selectOption(c().typeOptions[3]);
    form->onUnitsChosen(2);
    form->onRandomUnitsChosen();
    Choice drawn = choice();
    drawn.units = 2; // as a random draw may have left it
    form->selection.take(drawn);
    form->onLevelChosen(1);
    EXPECT_EQ(form->selection.level(), 1);
    EXPECT_TRUE(c().typeOptions[1].value);
    EXPECT_EQ(choice().mechanism, 17);
    EXPECT_TRUE(c().exerciseOptions[1].value);
    EXPECT_FALSE(c().randomMechanismOption.visible || c().randomExerciseOption.visible);
    EXPECT_FALSE(c().randomExerciseOption.enabled || c().randomUnitsItem.enabled);
    EXPECT_TRUE(c().unitsItems[1].value);
    EXPECT_FALSE(c().randomUnitsItem.value);
    EXPECT_EQ(choice().units, 1); // the speeds follow the ticked item
    // Choosing a mechanism at the easy level shows no random exercise option.
    form->selectOption(c().mechanismOptions[15]);
    EXPECT_FALSE(c().randomExerciseOption.visible);
}

TEST_F(Difficulty, EasyFromHardGivesEveryManualChoiceBack)
{
    form->onLevelChosen(3);
    form->onLevelChosen(1);
    EXPECT_TRUE(c().typeFrame.enabled);
    EXPECT_TRUE(anyTypeVisible());
    EXPECT_EQ(visibleMechanisms().size(), 5u);
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(c().exerciseOptions[k].visible && c().exerciseOptions[k].enabled);
    EXPECT_TRUE(c().unitsItems[1].value && c().unitsItems[1].enabled);
    EXPECT_FALSE(c().randomMechanismOption.value || c().randomMechanismOption.visible);
}

TEST_F(Difficulty, TheTicksFollowTheLevelAndAnExamLeavesThemAlone)
{
    form->onLevelChosen(1);
    EXPECT_EQ(form->selection.level(), 1);
    EXPECT_TRUE(c().levelItems[1].value);
    EXPECT_FALSE(c().levelItems[2].value || c().levelItems[3].value);
    form->onLevelChosen(3);
    EXPECT_EQ(form->selection.level(), 3);
    EXPECT_TRUE(c().levelItems[3].value);
    EXPECT_FALSE(c().levelItems[1].value || c().levelItems[2].value);
    // An exam runs hard, but the pupil's tick stays and its level comes back after.
    form->onLevelChosen(1);
    form->startOrStopExam();
    EXPECT_EQ(form->selection.level(), 3);
    EXPECT_TRUE(c().levelItems[1].value);
    EXPECT_FALSE(c().levelItems[3].value);
    form->startOrStopExam();
    EXPECT_EQ(form->selection.level(), 1);
    EXPECT_TRUE(c().levelItems[1].value);
}

TEST_F(Difficulty, HardPresetDrawsThePictureOfTheRandomMechanismLater)
{
    // The random option clears nothing of the drawing: the last mechanism stays on show.
    form->onLevelChosen(3);
    EXPECT_EQ(c().pictureArea.picture, 67);
    EXPECT_EQ(c().window.helpContext, 5);
}
