#include "app/main_window_model.h"

#include "mechanisms/catalogue.h"

namespace cinemoto {

void MainWindowModel::loadFrameAndLabelTexts()
{
    const int mechanismHelp = 50 + selection.choice().mechanism + lang.helpBase();
    c.typeFrame.caption = text(422);
    c.typeFrame.tooltip = text(503);
    c.mechanismFrame.caption = text(426);
    c.mechanismFrame.tooltip = text(491);
    c.mechanismFrame.helpContext = mechanismHelp;
    c.exerciseFrame.caption = text(427);
    c.exerciseFrame.tooltip = text(493);
    c.exerciseFrame.helpContext = mechanismHelp;
    for (Control *label : {&c.drivingTitle, &c.middleTitle, &c.drivenTitle, &c.ratioLabel})
        label->tooltip = text(501);
    c.answerLabel.caption = text(431);
    for (Control *box : {&c.drivingData, &c.middleData, &c.drivenData})
        box->tooltip = text(501);
    c.answerBox.tooltip = text(502);
    // The picture has no caption: this names it for the tooltip and for screen readers.
    c.pictureArea.tooltip = text(500);
}

void MainWindowModel::loadMechanismOptionTexts()
{
    for (int i = 1; i <= mechanismCount; ++i) {
        c.mechanismOptions[i].caption = text(400 + i);
        c.mechanismOptions[i].tooltip = text(491);
    }
}

void MainWindowModel::loadExerciseTooltips()
{
    for (int i = 1; i <= 5; ++i)
        c.exerciseOptions[i].tooltip = text(493);
}

void MainWindowModel::loadTypeTooltips()
{
    for (int i = 1; i <= 3; ++i)
        c.typeOptions[i].tooltip = text(503);
}

void MainWindowModel::loadRandomOptionTexts()
{
    c.randomMechanismOption.caption = text(421);
    c.randomMechanismOption.tooltip = text(492);
    c.randomExerciseOption.caption = text(421);
    c.randomExerciseOption.tooltip = text(494);
}

void MainWindowModel::loadButtonTexts()
{
    const int hb = lang.helpBase();
    c.exerciseButton.caption = text(436);
    c.exerciseButton.tooltip = text(495);
    c.exerciseButton.helpContext = 12 + hb;
    c.examButton.tooltip = text(496);
    c.examButton.helpContext = 20 + hb;
    c.calculatorButton.tooltip = text(497);
    c.calculatorButton.helpContext = 18 + hb;
    c.printButton.tooltip = text(498);
    c.printButton.helpContext = 21 + hb;
    c.doneButton.tooltip = text(499);
    c.languageButton.tooltip = text(465);
    c.copyPictureButton.tooltip = text(466);
    c.examsTakenButton.tooltip = text(467);
    c.soundButton.tooltip = text(468);
    c.quizButton.tooltip = text(587);
    c.helpButton.tooltip = text(469);
    c.aboutButton.tooltip = text(381);
    c.readMeButton.tooltip = text(463);
}

void MainWindowModel::loadMenuTexts()
{
    const std::pair<Control *, int> items[] = {
        {&c.optionsMenu, 446}, {&c.calculatorItem, 447}, {&c.copyPictureItem, 448}, {&c.examsTakenItem, 449},
        {&c.printItem, 450}, {&c.newExamItem, 451}, {&c.newExerciseItem, 452}, {&c.exitItem, 453},
        {&c.difficultyMenu, 454}, {&c.levelItems[1], 455}, {&c.levelItems[2], 456}, {&c.levelItems[3], 457},
        {&c.unitsMenu, 458}, {&c.unitsItems[1], 459}, {&c.unitsItems[2], 460}, {&c.randomUnitsItem, 421},
        {&c.helpMenu, 461}, {&c.contentsItem, 462}, {&c.aboutItem, 381}, {&c.readMeItem, 463},
        {&c.languageMenu, 464}};
    for (const auto &[control, id] : items)
        control->caption = text(id);
}

void MainWindowModel::switchLanguage(int language)
{
    for (int i = 1; i <= 3; ++i) {
        c.languageItems[i].value = i == language;
        if (i == language)
            c.languageButton.picture = 70 + i;
    }
    lang.language = language;
    c.window.helpContext = 50 + selection.choice().mechanism + lang.helpBase();
    st.relabelling = true;

    loadFrameAndLabelTexts();
    writeDataTitles();
    loadMechanismOptionTexts();
    exerciseList();
    loadExerciseTooltips();
    loadTypeTooltips();
    loadRandomOptionTexts();
    loadButtonTexts();
    loadMenuTexts();

    // An exercise on screen is written again from the same values and choices.
    if (run.running() || exam.running())
        showExercise();
    if (c.faceImage.visible) {
        showExercise();
        writeSolution();
        if (run.answerCorrect())
            showCorrectComment();
        else
            showWrongComment();
    }

    st.relabelling = false;
}

void MainWindowModel::onLanguageButtonClicked()
{
    const int next = lang.language >= 3 ? 1 : lang.language + 1;
    switchLanguage(next);
}

void MainWindowModel::onLanguageChosen(int index)
{
    if (index < 1 || index > 3)
        return;
    switchLanguage(index);
}

} // namespace cinemoto
