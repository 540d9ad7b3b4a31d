#include "support/form_fixture.h"

using namespace cinemoto;
using namespace cinemoto::test;

class Difficulty : public FormFixture
{
protected:
    void SetUp() override { start(1); }
    bool anyTypeVisible() { return c().opttipus[1].visible || c().opttipus[2].visible || c().opttipus[3].visible; }
};

TEST_F(Difficulty, HardHidesEveryChoiceAndTicksRandomUnits)
{
    form->selectOption(c().opttipus[2]);
    form->menDificil_Click(3);
    EXPECT_EQ(st().level, 3);
    EXPECT_TRUE(c().menDificil[3].value);
    EXPECT_FALSE(c().menDificil[1].value || c().menDificil[2].value);
    EXPECT_FALSE(c().fratipo.enabled);
    EXPECT_FALSE(anyTypeVisible());
    EXPECT_FALSE(c().optAleatorisist.visible);
    EXPECT_TRUE(c().optAleatorisist.value);
    EXPECT_TRUE(c().optAleatoriexer.value);
    EXPECT_FALSE(c().optAleatoriexer.visible);
    EXPECT_TRUE(visibleMechanisms().empty());
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(c().optExercici[k].visible);
    EXPECT_FALSE(c().fraSistema.enabled || c().fraExercici.enabled);
    EXPECT_TRUE(c().optAleatoriunit.value && c().optAleatoriunit.enabled);
    EXPECT_FALSE(c().optUnitats[1].value || c().optUnitats[2].value);
    EXPECT_FALSE(c().optUnitats[1].enabled || c().optUnitats[2].enabled);
}

TEST_F(Difficulty, BackToNormalOffersTheRandomOptionsUnselected)
{
    form->menDificil_Click(3);
    form->menDificil_Click(2);
    EXPECT_TRUE(c().opttipus[1].value && c().opttipus[1].visible);
    EXPECT_TRUE(c().fratipo.enabled);
    EXPECT_EQ(st().mechanism, 17);
    EXPECT_TRUE(c().optsistema[17].value);
    EXPECT_EQ((std::vector<int>{17, 15, 19, 18, 16}), visibleMechanisms());
    EXPECT_TRUE(c().optExercici[1].value && c().optExercici[1].visible);
    EXPECT_EQ(st().exercise, 1);
    EXPECT_TRUE(c().optAleatorisist.visible && c().optAleatorisist.enabled);
    EXPECT_FALSE(c().optAleatorisist.value);
    EXPECT_TRUE(c().optAleatoriexer.visible && c().optAleatoriexer.enabled);
    EXPECT_FALSE(c().optAleatoriexer.value);
    EXPECT_TRUE(c().fraSistema.enabled && c().fraExercici.enabled);
    EXPECT_TRUE(c().optAleatoriunit.value); // still ticked
    EXPECT_TRUE(c().optUnitats[1].enabled && c().optUnitats[2].enabled);
}

TEST_F(Difficulty, EasyOffersNoRandomOptionAndTicksRpmInsteadOfRandomUnits)
{
    form->selectOption(c().opttipus[3]);
    form->optUnitats_Click(2);
    form->optAleatoriunit_Click();
    st().units = 2; // as a random draw may have left it
    form->menDificil_Click(1);
    EXPECT_EQ(st().level, 1);
    EXPECT_TRUE(c().opttipus[1].value);
    EXPECT_EQ(st().mechanism, 17);
    EXPECT_TRUE(c().optExercici[1].value);
    EXPECT_FALSE(c().optAleatorisist.visible || c().optAleatoriexer.visible);
    EXPECT_FALSE(c().optAleatoriexer.enabled || c().optAleatoriunit.enabled);
    EXPECT_TRUE(c().optUnitats[1].value);
    EXPECT_FALSE(c().optAleatoriunit.value);
    EXPECT_EQ(st().units, 1); // the speeds follow the ticked item
    // Choosing a mechanism at the easy level shows no random exercise option.
    form->selectOption(c().optsistema[15]);
    EXPECT_FALSE(c().optAleatoriexer.visible);
}

TEST_F(Difficulty, EasyFromHardGivesEveryManualChoiceBack)
{
    form->menDificil_Click(3);
    form->menDificil_Click(1);
    EXPECT_TRUE(c().fratipo.enabled);
    EXPECT_TRUE(anyTypeVisible());
    EXPECT_EQ(visibleMechanisms().size(), 5u);
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(c().optExercici[k].visible && c().optExercici[k].enabled);
    EXPECT_TRUE(c().optUnitats[1].value && c().optUnitats[1].enabled);
    EXPECT_FALSE(c().optAleatorisist.value || c().optAleatorisist.visible);
}

TEST_F(Difficulty, ReadLevelTakesTheHighestTickedItem)
{
    c().menDificil[1].value = true;
    c().menDificil[2].value = false;
    c().menDificil[3].value = false;
    form->readLevel();
    EXPECT_EQ(st().level, 1);
    c().menDificil[3].value = true;
    form->readLevel();
    EXPECT_EQ(st().level, 3);
}

TEST_F(Difficulty, HardPresetDrawsThePictureOfTheRandomMechanismLater)
{
    // The random option clears nothing of the drawing: the last mechanism stays on show.
    form->menDificil_Click(3);
    EXPECT_EQ(c().imgMeca.picture, 67);
    EXPECT_EQ(c().form.helpContext, 5);
}
