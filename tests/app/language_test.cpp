#include "support/form_fixture.h"

using namespace cinemoto;
using namespace cinemoto::test;

class StartUp : public FormFixture
{
};

TEST_F(StartUp, SpanishSettingsStartInSpanish)
{
    start(2);
    EXPECT_EQ(form->lang.textBase(), 600);
    EXPECT_EQ(form->lang.helpBase(), 100);
    EXPECT_FALSE(c().menllengua[1].value);
    EXPECT_TRUE(c().menllengua[2].value);
    EXPECT_FALSE(c().menllengua[3].value);
    EXPECT_EQ(c().cmdIdioma.picture, 72);
    EXPECT_EQ(c().optsistema[1].caption, QStringLiteral("Engranaje recto"));
    EXPECT_EQ(c().menOpcions.caption, QStringLiteral("&Opciones"));
    EXPECT_EQ(c().form.caption, QStringLiteral("Cinemoto 3.2"));
    EXPECT_EQ(fakes.help.file, dir.path() + QStringLiteral("/cinemoto.hlp"));
}

TEST_F(StartUp, EveryStartShowsTheSameChoices)
{
    start(1);
    EXPECT_TRUE(c().opttipus[1].value);
    EXPECT_EQ(c().opttipus[1].caption, QStringLiteral("Màquina simple"));
    EXPECT_EQ(st().mechanism, 17);
    EXPECT_TRUE(c().optsistema[17].value);
    EXPECT_EQ(c().optsistema[17].caption, QStringLiteral("Corriola"));
    EXPECT_TRUE(c().optExercici[1].value);
    EXPECT_EQ(st().exercise, 1);
    EXPECT_TRUE(c().menDificil[2].value);
    EXPECT_EQ(st().level, 2);
    EXPECT_TRUE(c().optUnitats[1].value);
    EXPECT_FALSE(c().optAleatoriunit.value);
    EXPECT_EQ(st().units, 1);
    EXPECT_EQ(st().unitLabel, QStringLiteral("rpm"));
    EXPECT_FLOAT_EQ(st().unitFactor, 9.549297f);
    EXPECT_EQ((std::vector<int>{17, 15, 19, 18, 16}), visibleMechanisms());
    EXPECT_TRUE(c().optAleatorisist.visible && c().optAleatorisist.enabled);
    EXPECT_TRUE(c().optAleatoriexer.visible && c().optAleatoriexer.enabled);
    EXPECT_EQ(c().imgMeca.picture, 67);
    EXPECT_FALSE(c().imgMeca.pictureMirrored);
    EXPECT_TRUE(form->picturePending);
    EXPECT_FALSE(isTrue(st().exerciseRunning) || isTrue(st().examRunning) || isTrue(st().relabelling));
    EXPECT_EQ(c().form.helpContext, 67);
    EXPECT_EQ(fakes.random.seeds, 1);
    // Nothing of an exercise shows before one starts.
    EXPECT_FALSE(c().lblPregunta.visible || c().txtMotor.visible || c().imgCara.visible
                 || c().txtSolucio.visible || c().cmdFet.visible);
}

TEST_F(StartUp, ABrokenSettingsFileStillStarts)
{
    writeSettings(QByteArray("\x07\x00", 2));
    startAsIs();
    EXPECT_GE(form->lang.language, 1);
    EXPECT_LE(form->lang.language, 3);
    EXPECT_FALSE(c().optsistema[17].caption.isEmpty());
}

TEST_F(StartUp, ClosingWithTheSoundLoopStopsItFirst)
{
    start(1);
    form->soundOn = true;
    form->Form_Unload();
    EXPECT_FALSE(form->soundOn);
    EXPECT_EQ(fakes.sound.stops, 1);
    EXPECT_TRUE(form->isClosed());
    form->menSortir_Click(); // a second request changes nothing
    EXPECT_EQ(fakes.sound.stops, 1);
}

class LanguageSwitch : public FormFixture
{
};

TEST_F(LanguageSwitch, ThreeFlagClicksReturnToTheStart)
{
    start(2);
    form->cmdIdioma_Click();
    EXPECT_EQ(form->lang.language, 3);
    EXPECT_EQ(c().cmdIdioma.picture, 73);
    EXPECT_EQ(c().optsistema[17].caption, QStringLiteral("Pulley"));
    EXPECT_EQ(c().menNivell.caption, QStringLiteral("&Difficulty"));
    form->cmdIdioma_Click();
    EXPECT_EQ(form->lang.language, 1);
    EXPECT_EQ(c().cmdIdioma.picture, 71);
    EXPECT_EQ(c().fraSistema.caption, QStringLiteral("Mecanisme"));
    form->cmdIdioma_Click();
    EXPECT_EQ(form->lang.language, 2);
    EXPECT_EQ(c().cmdIdioma.picture, 72);
    EXPECT_TRUE(c().menllengua[2].value);
    EXPECT_FALSE(c().menllengua[1].value || c().menllengua[3].value);
    EXPECT_FALSE(isTrue(st().relabelling));
}

TEST_F(LanguageSwitch, MenuThenFlagGoesOnFromTheChosenLanguage)
{
    start(1);
    form->menLlengua_Click(3);
    EXPECT_EQ(form->lang.language, 3);
    EXPECT_EQ(form->lang.quizBase(), 8000);
    EXPECT_EQ(c().cmdNou.caption, QStringLiteral("Exercise"));
    form->cmdIdioma_Click();
    EXPECT_EQ(form->lang.language, 1);
    EXPECT_EQ(c().menllengua[1].value, true);
    EXPECT_EQ(c().cmdIdioma.picture, 71);
}

TEST_F(LanguageSwitch, EveryTextOfTheWindowFollows)
{
    start(1);
    form->menDificil_Click(1);
    form->selectOption(c().opttipus[3]);
    form->menLlengua_Click(3);
    EXPECT_EQ(c().opttipus[3].caption, form->text(425));
    EXPECT_EQ(c().optExercici[1].caption, QStringLiteral("Piston's stroke length"));
    EXPECT_EQ(c().optExercici[1].tooltip, form->text(493));
    EXPECT_EQ(c().cmdexamen.tooltip, form->text(496));
    EXPECT_EQ(c().cmdNet.tooltip, QStringLiteral("Internet"));
    EXPECT_EQ(c().cmdFet.caption, QStringLiteral("OK"));
    EXPECT_EQ(c().menllengua[1].caption, QStringLiteral("Català"));
    EXPECT_EQ(c().lblSolucio.caption, form->text(431));
    EXPECT_EQ(c().menSortir.caption, QStringLiteral("Exi&t"));
    EXPECT_EQ(c().lblMotor.caption, form->text(356)); // crank titles
    // Relabelling keeps the layout: the choice and the picture stay.
    EXPECT_EQ(st().mechanism, 11);
    EXPECT_TRUE(c().optsistema[11].value);
    EXPECT_FALSE(c().optAleatorisist.visible);
}

TEST_F(LanguageSwitch, HelpTopicsFollowTheLanguage)
{
    start(1);
    form->menLlengua_Click(2);
    EXPECT_EQ(c().form.helpContext, 50 + 17 + 100);
    EXPECT_EQ(c().fraSistema.helpContext, 167);
    EXPECT_EQ(c().fraExercici.helpContext, 167);
    EXPECT_EQ(c().cmdNou.helpContext, 112);
    EXPECT_EQ(c().cmdCalculadora.helpContext, 118);
    EXPECT_EQ(c().cmdexamen.helpContext, 120);
    EXPECT_EQ(c().cmdPrint.helpContext, 121);
    form->selectOption(c().opttipus[2]);
    form->selectOption(c().optsistema[1]);
    EXPECT_EQ(c().form.helpContext, 151);
}

TEST_F(LanguageSwitch, RandomMechanismKeepsTheMechanismTopicAfterASwitch)
{
    start(1);
    form->selectOption(c().optAleatorisist);
    EXPECT_EQ(c().form.helpContext, 5);
    form->menLlengua_Click(3);
    EXPECT_EQ(c().form.helpContext, 50 + st().mechanism + 200);
    EXPECT_EQ(c().fraSistema.helpContext, 50 + st().mechanism + 200);
    EXPECT_FALSE(c().fraSistema.enabled);
    EXPECT_FALSE(c().optsistema[17].visible);
}
