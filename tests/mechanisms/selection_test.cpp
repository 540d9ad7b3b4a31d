#include "support/form_fixture.h"

using namespace cinemoto;
using namespace cinemoto::test;

class SelectionOptions : public FormFixture
{
protected:
    void SetUp() override { start(1); }
    bool exerciseShown() const
    {
        const MainWindowControls &k = form->c;
        return k.ratioLabel.visible || k.drivingData.visible || k.drivenData.visible || k.middleData.visible
            || k.questionLabel.visible || k.commentLabel.visible || k.clockBox.visible || k.faceImage.visible;
    }
    void showEverything()
    {
        for (Control *k : {&c().ratioLabel, &c().drivingData, &c().drivenData, &c().middleData,
                           &c().questionLabel, &c().commentLabel, &c().clockBox, &c().faceImage})
            k->visible = true;
    }
};

TEST_F(SelectionOptions, MotionTransformationListsItsFourMechanismsInOrder)
{
    form->selectOption(c().typeOptions[3]);
    EXPECT_EQ((std::vector<int>{11, 9, 10, 7}), visibleMechanisms());
    EXPECT_EQ(c().mechanismOptions[11].caption, QStringLiteral("Biela - manovella"));
    EXPECT_EQ(c().mechanismOptions[9].caption, QStringLiteral("Cargol - femella"));
    EXPECT_EQ(c().mechanismOptions[10].caption, QStringLiteral("Lleva"));
    EXPECT_EQ(c().mechanismOptions[7].caption, QStringLiteral("Pinyó - cremallera"));
    EXPECT_EQ(choice().mechanism, 11);
    EXPECT_TRUE(c().mechanismOptions[11].value);
    EXPECT_TRUE(c().exerciseOptions[1].value);
    EXPECT_EQ(c().exerciseOptions[1].caption, QStringLiteral("Cursa del pistó"));
    EXPECT_EQ(c().pictureArea.picture, 61);
}

TEST_F(SelectionOptions, MotionTransmissionStartsAtTheWormGear)
{
    form->selectOption(c().typeOptions[2]);
    EXPECT_EQ((std::vector<int>{8, 3, 1, 6, 2, 4, 14, 5, 13, 12}), visibleMechanisms());
    EXPECT_EQ(choice().mechanism, 8);
    EXPECT_EQ(c().exerciseOptions[2].caption, QStringLiteral("Velocitat de gir del cargol sense fi"));
    EXPECT_EQ(c().drivingTitle.caption, QStringLiteral("ARBRE MOTOR"));
    EXPECT_TRUE(c().drivingTitle.visible && c().drivenTitle.visible);
    EXPECT_FALSE(c().middleTitle.visible);
}

TEST_F(SelectionOptions, EachMechanismGetsItsOwnExerciseNames)
{
    form->selectOption(c().typeOptions[3]);
    form->selectOption(c().mechanismOptions[7]);
    EXPECT_EQ(c().exerciseOptions[2].caption, form->text(312)); // not in id order
    EXPECT_EQ(c().exerciseOptions[3].caption, form->text(311));
    form->selectOption(c().typeOptions[1]);
    form->selectOption(c().mechanismOptions[19]);
    EXPECT_EQ(c().exerciseOptions[3].caption, form->text(565));
    EXPECT_EQ(c().exerciseOptions[5].caption, form->text(566));
    form->selectOption(c().mechanismOptions[16]);
    EXPECT_EQ(c().exerciseOptions[4].caption, form->text(340));
    EXPECT_EQ(c().exerciseOptions[5].caption, form->text(560));
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(c().exerciseOptions[k].enabled && c().exerciseOptions[k].visible);
}

TEST_F(SelectionOptions, UniversalJointWithExerciseFiveFallsBackToExerciseOne)
{
    form->selectOption(c().typeOptions[2]);
    form->selectOption(c().mechanismOptions[1]);
    form->selectOption(c().exerciseOptions[5]);
    EXPECT_EQ(choice().exercise, 5);
    form->selectOption(c().mechanismOptions[6]);
    EXPECT_TRUE(c().exerciseOptions[4].caption.isEmpty());
    EXPECT_TRUE(c().exerciseOptions[5].caption.isEmpty());
    EXPECT_FALSE(c().exerciseOptions[4].enabled);
    EXPECT_FALSE(c().exerciseOptions[5].enabled);
    EXPECT_EQ(choice().exercise, 1);
    EXPECT_TRUE(c().exerciseOptions[1].value);
    EXPECT_FALSE(c().exerciseOptions[5].value);
    // Back to a five-exercise mechanism: the items come back.
    form->selectOption(c().mechanismOptions[2]);
    EXPECT_TRUE(c().exerciseOptions[5].enabled);
    EXPECT_EQ(c().exerciseOptions[5].caption, form->text(307));
}

TEST_F(SelectionOptions, EverySelectionClearsTheExerciseDisplay)
{
    showEverything();
    form->selectOption(c().exerciseOptions[2]);
    EXPECT_EQ(choice().exercise, 2);
    EXPECT_FALSE(exerciseShown());
    showEverything();
    form->onUnitsChosen(2);
    EXPECT_FALSE(exerciseShown());
    EXPECT_EQ(choice().units, 2);
    EXPECT_TRUE(c().unitsItems[2].value);
    EXPECT_FALSE(c().unitsItems[1].value || c().randomUnitsItem.value);
    showEverything();
    form->onRandomUnitsChosen();
    EXPECT_FALSE(exerciseShown());
    EXPECT_TRUE(c().randomUnitsItem.value);
    EXPECT_FALSE(c().unitsItems[1].value || c().unitsItems[2].value);
    showEverything();
    form->selectOption(c().mechanismOptions[15]);
    EXPECT_FALSE(exerciseShown());
    showEverything();
    form->selectOption(c().randomExerciseOption);
    EXPECT_FALSE(exerciseShown());
}

TEST_F(SelectionOptions, SelectingTheSelectedOptionRunsNoHandler)
{
    showEverything();
    form->selectOption(c().mechanismOptions[17]); // already selected
    EXPECT_TRUE(c().drivingData.visible);
    form->selectOption(c().exerciseOptions[1]);
    EXPECT_TRUE(c().drivingData.visible);
}

TEST_F(SelectionOptions, RandomMechanismHidesTheChoicesAndPointsHelpAtTheRandomTopic)
{
    form->selectOption(c().randomMechanismOption);
    EXPECT_TRUE(c().randomMechanismOption.value);
    EXPECT_FALSE(c().typeOptions[1].value); // same frame
    EXPECT_TRUE(c().randomExerciseOption.value);
    EXPECT_FALSE(c().exerciseOptions[1].value);
    EXPECT_FALSE(c().mechanismFrame.enabled);
    EXPECT_FALSE(c().exerciseFrame.enabled);
    EXPECT_TRUE(visibleMechanisms().empty());
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(c().exerciseOptions[k].visible);
    EXPECT_FALSE(c().randomExerciseOption.visible);
    EXPECT_EQ(c().window.helpContext, 5);
    EXPECT_EQ(c().mechanismFrame.helpContext, 5);
    // A type chosen again brings the manual choice back.
    form->selectOption(c().typeOptions[3]);
    EXPECT_FALSE(c().randomMechanismOption.value);
    EXPECT_EQ(visibleMechanisms().size(), 4u);
    EXPECT_TRUE(c().mechanismFrame.enabled && c().exerciseFrame.enabled);
    EXPECT_TRUE(c().exerciseOptions[1].visible && c().exerciseOptions[1].value);
    EXPECT_EQ(c().window.helpContext, 61);
}

TEST_F(SelectionOptions, RandomExerciseOnlyChangesTheHelpTopic)
{
    form->onLanguageChosen(2);
    form->selectOption(c().randomExerciseOption);
    EXPECT_EQ(c().window.helpContext, 105);
    EXPECT_TRUE(c().mechanismFrame.enabled);
    EXPECT_EQ(choice().exercise, 1);
    form->selectOption(c().mechanismOptions[18]);
    EXPECT_EQ(c().window.helpContext, 168);
    EXPECT_TRUE(c().exerciseOptions[1].value);
}
