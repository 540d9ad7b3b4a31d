#include "support/form_fixture.h"

using namespace cinemoto;
using namespace cinemoto::test;

class Selection : public FormFixture
{
protected:
    void SetUp() override { start(1); }
    bool exerciseShown() const
    {
        const FormControls &k = form->c;
        return k.lblRelacio.visible || k.txtMotor.visible || k.txtResistent.visible || k.txtCentral.visible
            || k.lblPregunta.visible || k.lblComentari.visible || k.txtTemps.visible || k.imgCara.visible;
    }
    void showEverything()
    {
        for (Control *k : {&c().lblRelacio, &c().txtMotor, &c().txtResistent, &c().txtCentral,
                           &c().lblPregunta, &c().lblComentari, &c().txtTemps, &c().imgCara})
            k->visible = true;
    }
};

TEST_F(Selection, MotionTransformationListsItsFourMechanismsInOrder)
{
    form->selectOption(c().opttipus[3]);
    EXPECT_EQ((std::vector<int>{11, 9, 10, 7}), visibleMechanisms());
    EXPECT_EQ(c().optsistema[11].caption, QStringLiteral("Biela - manovella"));
    EXPECT_EQ(c().optsistema[9].caption, QStringLiteral("Cargol - femella"));
    EXPECT_EQ(c().optsistema[10].caption, QStringLiteral("Lleva"));
    EXPECT_EQ(c().optsistema[7].caption, QStringLiteral("Pinyó - cremallera"));
    EXPECT_EQ(st().mechanism, 11);
    EXPECT_TRUE(c().optsistema[11].value);
    EXPECT_TRUE(c().optExercici[1].value);
    EXPECT_EQ(c().optExercici[1].caption, QStringLiteral("Cursa del pistó"));
    EXPECT_EQ(c().imgMeca.picture, 61);
}

TEST_F(Selection, MotionTransmissionStartsAtTheWormGear)
{
    form->selectOption(c().opttipus[2]);
    EXPECT_EQ((std::vector<int>{8, 3, 1, 6, 2, 4, 14, 5, 13, 12}), visibleMechanisms());
    EXPECT_EQ(st().mechanism, 8);
    EXPECT_EQ(c().optExercici[2].caption, QStringLiteral("Velocitat de gir del cargol sense fi"));
    EXPECT_EQ(c().lblMotor.caption, QStringLiteral("ARBRE MOTOR"));
    EXPECT_TRUE(c().lblMotor.visible && c().lblResistent.visible);
    EXPECT_FALSE(c().lblCentral.visible);
}

TEST_F(Selection, EachMechanismGetsItsOwnExerciseNames)
{
    form->selectOption(c().opttipus[3]);
    form->selectOption(c().optsistema[7]);
    EXPECT_EQ(c().optExercici[2].caption, form->text(312)); // not in id order
    EXPECT_EQ(c().optExercici[3].caption, form->text(311));
    form->selectOption(c().opttipus[1]);
    form->selectOption(c().optsistema[19]);
    EXPECT_EQ(c().optExercici[3].caption, form->text(565));
    EXPECT_EQ(c().optExercici[5].caption, form->text(566));
    form->selectOption(c().optsistema[16]);
    EXPECT_EQ(c().optExercici[4].caption, form->text(340));
    EXPECT_EQ(c().optExercici[5].caption, form->text(560));
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(c().optExercici[k].enabled && c().optExercici[k].visible);
}

TEST_F(Selection, UniversalJointWithExerciseFiveFallsBackToExerciseOne)
{
    form->selectOption(c().opttipus[2]);
    form->selectOption(c().optsistema[1]);
    form->selectOption(c().optExercici[5]);
    EXPECT_EQ(st().exercise, 5);
    form->selectOption(c().optsistema[6]);
    EXPECT_TRUE(c().optExercici[4].caption.isEmpty());
    EXPECT_TRUE(c().optExercici[5].caption.isEmpty());
    EXPECT_FALSE(c().optExercici[4].enabled);
    EXPECT_FALSE(c().optExercici[5].enabled);
    EXPECT_EQ(st().exercise, 1);
    EXPECT_TRUE(c().optExercici[1].value);
    EXPECT_FALSE(c().optExercici[5].value);
    // Back to a five-exercise mechanism: the items come back.
    form->selectOption(c().optsistema[2]);
    EXPECT_TRUE(c().optExercici[5].enabled);
    EXPECT_EQ(c().optExercici[5].caption, form->text(307));
}

TEST_F(Selection, EverySelectionClearsTheExerciseDisplay)
{
    showEverything();
    form->selectOption(c().optExercici[2]);
    EXPECT_EQ(st().exercise, 2);
    EXPECT_FALSE(exerciseShown());
    showEverything();
    form->optUnitats_Click(2);
    EXPECT_FALSE(exerciseShown());
    EXPECT_EQ(st().units, 2);
    EXPECT_TRUE(c().optUnitats[2].value);
    EXPECT_FALSE(c().optUnitats[1].value || c().optAleatoriunit.value);
    showEverything();
    form->optAleatoriunit_Click();
    EXPECT_FALSE(exerciseShown());
    EXPECT_TRUE(c().optAleatoriunit.value);
    EXPECT_FALSE(c().optUnitats[1].value || c().optUnitats[2].value);
    showEverything();
    form->selectOption(c().optsistema[15]);
    EXPECT_FALSE(exerciseShown());
    showEverything();
    form->selectOption(c().optAleatoriexer);
    EXPECT_FALSE(exerciseShown());
}

TEST_F(Selection, SelectingTheSelectedOptionRunsNoHandler)
{
    showEverything();
    form->selectOption(c().optsistema[17]); // already selected
    EXPECT_TRUE(c().txtMotor.visible);
    form->selectOption(c().optExercici[1]);
    EXPECT_TRUE(c().txtMotor.visible);
}

TEST_F(Selection, RandomMechanismHidesTheChoicesAndPointsHelpAtTheRandomTopic)
{
    form->selectOption(c().optAleatorisist);
    EXPECT_TRUE(c().optAleatorisist.value);
    EXPECT_FALSE(c().opttipus[1].value); // same frame
    EXPECT_TRUE(c().optAleatoriexer.value);
    EXPECT_FALSE(c().optExercici[1].value);
    EXPECT_FALSE(c().fraSistema.enabled);
    EXPECT_FALSE(c().fraExercici.enabled);
    EXPECT_TRUE(visibleMechanisms().empty());
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(c().optExercici[k].visible);
    EXPECT_FALSE(c().optAleatoriexer.visible);
    EXPECT_EQ(c().form.helpContext, 5);
    EXPECT_EQ(c().fraSistema.helpContext, 5);
    // A type chosen again brings the manual choice back.
    form->selectOption(c().opttipus[3]);
    EXPECT_FALSE(c().optAleatorisist.value);
    EXPECT_EQ(visibleMechanisms().size(), 4u);
    EXPECT_TRUE(c().fraSistema.enabled && c().fraExercici.enabled);
    EXPECT_TRUE(c().optExercici[1].visible && c().optExercici[1].value);
    EXPECT_EQ(c().form.helpContext, 61);
}

TEST_F(Selection, RandomExerciseOnlyChangesTheHelpTopic)
{
    form->menLlengua_Click(2);
    form->selectOption(c().optAleatoriexer);
    EXPECT_EQ(c().form.helpContext, 105);
    EXPECT_TRUE(c().fraSistema.enabled);
    EXPECT_EQ(st().exercise, 1);
    form->selectOption(c().optsistema[18]);
    EXPECT_EQ(c().form.helpContext, 168);
    EXPECT_TRUE(c().optExercici[1].value);
}
