#include "app/main_window_model.h"

#include "mechanisms/catalogue.h"

namespace cinemoto {

void MainWindowModel::onTypeChosen(int type)
{
    selection.chooseType(type);
    for (int i = 1; i <= mechanismCount; ++i)
        c.mechanismOptions[i].visible = mechanismInfo(i).type == type;
    c.mechanismFrame.enabled = true;
    const int mechanism = selection.choice().mechanism;
    onMechanismChosen(mechanism);
    selectOption(c.mechanismOptions[mechanism]);
}

void MainWindowModel::onMechanismChosen(int mechanism)
{
    selection.chooseMechanism(mechanism);
    c.exerciseFrame.enabled = true;
    c.window.helpContext = c.mechanismFrame.helpContext = 50 + mechanism + lang.helpBase();
    clearDisplay();
    exerciseList();
    writeDataTitles();
    selectOption(c.exerciseOptions[selection.choice().exercise]);
}

void MainWindowModel::onExerciseChosen(int exercise)
{
    selection.chooseExercise(exercise);
    clearDisplay();
    if (selection.choice().randomExercise)
        selectOption(c.randomExerciseOption);
}

void MainWindowModel::onRandomMechanismChosen()
{
    selection.chooseRandomMechanism();
    clearDisplay();
    selectOption(c.randomExerciseOption);
    c.exerciseFrame.enabled = false;
    c.mechanismFrame.enabled = false;
    c.window.helpContext = c.mechanismFrame.helpContext = 5 + lang.helpBase();
    for (int i = 1; i <= mechanismCount; ++i)
        c.mechanismOptions[i].visible = false;
    for (int i = 1; i <= 5; ++i)
        c.exerciseOptions[i].visible = false;
    c.randomExerciseOption.visible = false;
}

void MainWindowModel::onRandomExerciseChosen()
{
    selection.chooseRandomExercise();
    clearDisplay();
    c.window.helpContext = c.mechanismFrame.helpContext = 5 + lang.helpBase();
}

void MainWindowModel::onUnitsChosen(int units)
{
    clearDisplay();
    selection.chooseUnits(units);
}

void MainWindowModel::onRandomUnitsChosen()
{
    clearDisplay();
    selection.chooseRandomUnits();
}

void MainWindowModel::onLevelChosen(int level)
{
    clearDisplay();
    selection.chooseLevel(level);
    applyDifficultyPreset();
}

void MainWindowModel::onSelectionChanged(Selection::Change change)
{
    const Choice &choice = selection.choice();
    if (change == Selection::Change::Level) {
        for (int i = 1; i <= 3; ++i)
            c.levelItems[i].value = i == choice.level;
    } else if (change == Selection::Change::Units) {
        for (int u = 1; u <= 2; ++u)
            c.unitsItems[u].value = !choice.randomUnits && choice.units == u;
        c.randomUnitsItem.value = choice.randomUnits;
    }
}

void MainWindowModel::exerciseList()
{
    const int mechanism = selection.choice().mechanism;
    if (!st.relabelling) {
        if (selection.level() != 3 && !selection.choice().randomMechanism) {
            for (int i = 1; i <= 5; ++i)
                c.exerciseOptions[i].visible = c.exerciseOptions[i].enabled = true;
            if (selection.level() == 2)
                c.randomExerciseOption.visible = true;
        }
        mechanismChangeSequence();
    }
    for (int t = 1; t <= 3; ++t)
        c.typeOptions[t].caption = text(422 + t);
    const MechanismInfo &info = mechanismInfo(mechanism);
    for (int k = 1; k <= 5; ++k) {
        const int id = info.exerciseNames[std::size_t(k - 1)];
        c.exerciseOptions[k].caption = id ? text(id) : QString();
    }
    // The selection never keeps an exercise the mechanism lacks.
    if (!hasFiveExercises(mechanism))
        c.exerciseOptions[4].enabled = c.exerciseOptions[5].enabled = false;
}

void MainWindowModel::applyDifficultyPreset()
{
    const LevelPreset *preset = Selection::preset(selection.level());
    if (!preset)
        return;
    if (preset->manualChoices)
        offerManualChoices();
    else
        hideManualChoices();
    if (preset->randomOffered)
        enableRandomOptions();
    else
        removeRandomOptions();
    if (preset->randomSelected)
        showEverythingRandom();
}

void MainWindowModel::offerManualChoices()
{
    const int type = selection.choice().type;
    onTypeChosen(type);
    selectOption(c.typeOptions[type]);
    c.randomMechanismOption.visible = true;
    c.randomMechanismOption.value = false;
    c.randomExerciseOption.visible = true;
    c.randomExerciseOption.value = false;
    c.typeFrame.enabled = true;
    for (int t = 1; t <= 3; ++t)
        c.typeOptions[t].visible = true;
    for (int i = 1; i <= mechanismCount; ++i)
        c.mechanismOptions[i].enabled = true;
    const bool threeExercises = !hasFiveExercises(selection.choice().mechanism);
    for (int k = 1; k <= 5; ++k)
        c.exerciseOptions[k].enabled = !(threeExercises && k >= 4);
    c.unitsItems[1].enabled = c.unitsItems[2].enabled = true;
}

void MainWindowModel::hideManualChoices()
{
    c.typeFrame.enabled = false;
    for (int t = 1; t <= 3; ++t)
        c.typeOptions[t].visible = false;
    c.randomMechanismOption.visible = c.randomExerciseOption.visible = false;
    c.unitsItems[1].enabled = c.unitsItems[2].enabled = false;
}

void MainWindowModel::enableRandomOptions()
{
    c.randomMechanismOption.enabled = c.randomExerciseOption.enabled = c.randomUnitsItem.enabled = true;
}

void MainWindowModel::removeRandomOptions()
{
    c.randomMechanismOption.visible = c.randomExerciseOption.visible = false;
    c.randomExerciseOption.enabled = c.randomUnitsItem.enabled = false;
}

void MainWindowModel::showEverythingRandom()
{
    selectOption(c.randomMechanismOption);
    selectOption(c.randomExerciseOption);
}

void MainWindowModel::drawRandomSelection()
{
    selection.drawRun(exam);
    // A drawn mechanism lists its exercises and comes on show, even the one already there.
    if (selection.choice().randomMechanism)
        exerciseList();
}

} // namespace cinemoto
