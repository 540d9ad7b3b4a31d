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
    EXPECT_FALSE(c().languageItems[1].value);
    EXPECT_TRUE(c().languageItems[2].value);
    EXPECT_FALSE(c().languageItems[3].value);
    EXPECT_EQ(c().languageButton.picture, 72);
    EXPECT_EQ(c().mechanismOptions[1].caption, QStringLiteral("Engranaje recto"));
    EXPECT_EQ(c().optionsMenu.caption, QStringLiteral("&Opciones"));
    EXPECT_EQ(c().window.caption, QStringLiteral("Cinemoto 3.2"));
    EXPECT_EQ(fakes.help.file, dir.path() + QStringLiteral("/cinemoto.hlp"));
}

TEST_F(StartUp, EveryStartShowsTheSameChoices)
{
    start(1);
    EXPECT_TRUE(c().typeOptions[1].value);
    EXPECT_EQ(c().typeOptions[1].caption, QStringLiteral("Màquina simple"));
    EXPECT_EQ(choice().mechanism, 17);
    EXPECT_TRUE(c().mechanismOptions[17].value);
    EXPECT_EQ(c().mechanismOptions[17].caption, QStringLiteral("Corriola"));
    EXPECT_TRUE(c().exerciseOptions[1].value);
    EXPECT_EQ(choice().exercise, 1);
    EXPECT_TRUE(c().levelItems[2].value);
    EXPECT_EQ(form->selection.level(), 2);
    EXPECT_TRUE(c().unitsItems[1].value);
    EXPECT_FALSE(c().randomUnitsItem.value);
    EXPECT_EQ(choice().units, 1);
    EXPECT_EQ(st().unitLabel, QStringLiteral("rpm"));
    EXPECT_FLOAT_EQ(st().unitFactor, 9.549297f);
    EXPECT_EQ((std::vector<int>{17, 15, 19, 18, 16}), visibleMechanisms());
    EXPECT_TRUE(c().randomMechanismOption.visible && c().randomMechanismOption.enabled);
    EXPECT_TRUE(c().randomExerciseOption.visible && c().randomExerciseOption.enabled);
    EXPECT_EQ(c().pictureArea.picture, 67);
    EXPECT_FALSE(c().pictureArea.pictureMirrored);
    EXPECT_TRUE(form->animation.pending());
    EXPECT_FALSE(form->run.running() || form->exam.running() || st().relabelling);
    EXPECT_EQ(c().window.helpContext, 67);
    EXPECT_EQ(fakes.random.seeds, 1);
    // Nothing of an exercise shows before one starts.
    EXPECT_FALSE(c().questionLabel.visible || c().drivingData.visible || c().faceImage.visible
                 || c().answerBox.visible || c().doneButton.visible);
}

TEST_F(StartUp, ABrokenSettingsFileStillStarts)
{
    writeSettings(QByteArray("\x07\x00", 2));
    startAsIs();
    EXPECT_GE(form->lang.language, 1);
    EXPECT_LE(form->lang.language, 3);
    EXPECT_FALSE(c().mechanismOptions[17].caption.isEmpty());
}

TEST_F(StartUp, ClosingWithTheSoundLoopStopsItFirst)
{
    start(1);
    form->onSoundButtonClicked();
    ASSERT_TRUE(form->run.loopOn());
    form->onClosing();
    EXPECT_FALSE(form->run.loopOn());
    EXPECT_EQ(fakes.sound.stops, 1);
    EXPECT_TRUE(form->isClosed());
    form->onExitChosen(); // a second request changes nothing
    EXPECT_EQ(fakes.sound.stops, 1);
}

class LanguageSwitch : public FormFixture
{
};

TEST_F(LanguageSwitch, ThreeFlagClicksReturnToTheStart)
{
    start(2);
    form->onLanguageButtonClicked();
    EXPECT_EQ(form->lang.language, 3);
    EXPECT_EQ(c().languageButton.picture, 73);
    EXPECT_EQ(c().mechanismOptions[17].caption, QStringLiteral("Pulley"));
    EXPECT_EQ(c().difficultyMenu.caption, QStringLiteral("&Difficulty"));
    form->onLanguageButtonClicked();
    EXPECT_EQ(form->lang.language, 1);
    EXPECT_EQ(c().languageButton.picture, 71);
    EXPECT_EQ(c().mechanismFrame.caption, QStringLiteral("Mecanisme"));
    form->onLanguageButtonClicked();
    EXPECT_EQ(form->lang.language, 2);
    EXPECT_EQ(c().languageButton.picture, 72);
    EXPECT_TRUE(c().languageItems[2].value);
    EXPECT_FALSE(c().languageItems[1].value || c().languageItems[3].value);
    EXPECT_FALSE(st().relabelling);
}

TEST_F(LanguageSwitch, MenuThenFlagGoesOnFromTheChosenLanguage)
{
    start(1);
    form->onLanguageChosen(3);
    EXPECT_EQ(form->lang.language, 3);
    EXPECT_EQ(form->lang.quizBase(), 8000);
    EXPECT_EQ(c().exerciseButton.caption, QStringLiteral("Exercise"));
    form->onLanguageButtonClicked();
    EXPECT_EQ(form->lang.language, 1);
    EXPECT_EQ(c().languageItems[1].value, true);
    EXPECT_EQ(c().languageButton.picture, 71);
}

TEST_F(LanguageSwitch, EveryTextOfTheWindowFollows)
{
    start(1);
    form->onLevelChosen(1);
    form->selectOption(c().typeOptions[3]);
    form->onLanguageChosen(3);
    EXPECT_EQ(c().typeOptions[3].caption, form->text(425));
    EXPECT_EQ(c().exerciseOptions[1].caption, QStringLiteral("Piston's stroke length"));
    EXPECT_EQ(c().exerciseOptions[1].tooltip, form->text(493));
    EXPECT_EQ(c().examButton.tooltip, form->text(496));
    EXPECT_EQ(c().linksButton.tooltip, QStringLiteral("Internet"));
    EXPECT_EQ(c().doneButton.caption, QStringLiteral("OK"));
    EXPECT_EQ(c().languageItems[1].caption, QStringLiteral("Català"));
    EXPECT_EQ(c().answerLabel.caption, form->text(431));
    EXPECT_EQ(c().exitItem.caption, QStringLiteral("Exi&t"));
    EXPECT_EQ(c().drivingTitle.caption, form->text(356)); // crank titles
    // Relabelling keeps the layout: the choice and the picture stay.
    EXPECT_EQ(choice().mechanism, 11);
    EXPECT_TRUE(c().mechanismOptions[11].value);
    EXPECT_FALSE(c().randomMechanismOption.visible);
}

TEST_F(LanguageSwitch, HelpTopicsFollowTheLanguage)
{
    start(1);
    form->onLanguageChosen(2);
    EXPECT_EQ(c().window.helpContext, 50 + 17 + 100);
    EXPECT_EQ(c().mechanismFrame.helpContext, 167);
    EXPECT_EQ(c().exerciseFrame.helpContext, 167);
    EXPECT_EQ(c().exerciseButton.helpContext, 112);
    EXPECT_EQ(c().calculatorButton.helpContext, 118);
    EXPECT_EQ(c().examButton.helpContext, 120);
    EXPECT_EQ(c().printButton.helpContext, 121);
    form->selectOption(c().typeOptions[2]);
    form->selectOption(c().mechanismOptions[1]);
    EXPECT_EQ(c().window.helpContext, 151);
}

TEST_F(LanguageSwitch, RandomMechanismKeepsTheMechanismTopicAfterASwitch)
{
    start(1);
    form->selectOption(c().randomMechanismOption);
    EXPECT_EQ(c().window.helpContext, 5);
    form->onLanguageChosen(3);
    EXPECT_EQ(c().window.helpContext, 50 + choice().mechanism + 200);
    EXPECT_EQ(c().mechanismFrame.helpContext, 50 + choice().mechanism + 200);
    EXPECT_FALSE(c().mechanismFrame.enabled);
    EXPECT_FALSE(c().mechanismOptions[17].visible);
}
