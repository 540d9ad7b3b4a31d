#include "app/main_window_model.h"

#include "mechanisms/catalogue.h"

namespace cinemoto {

void MainWindowModel::onTypeChosen(int type)
{
    for (int i = 1; i <= mechanismCount; ++i)
        c.mechanismOptions[i].visible = mechanismInfo(i).type == type;
    st.mechanism = defaultMechanism(type);
    c.mechanismFrame.enabled = true;
    const int mechanism = st.mechanism;
    onMechanismChosen(mechanism);
    selectOption(c.mechanismOptions[mechanism]);
}

void MainWindowModel::onMechanismChosen(int mechanism)
{
    st.mechanism = mechanism;
    c.exerciseFrame.enabled = true;
    c.window.helpContext = c.mechanismFrame.helpContext = 50 + mechanism + lang.helpBase();
    clearDisplay();
    exerciseList();
    writeDataTitles();
    selectOption(c.exerciseOptions[1]);
}

void MainWindowModel::onExerciseChosen(int exercise)
{
    st.exercise = exercise;
    clearDisplay();
    if (c.randomMechanismOption.value)
        selectOption(c.randomExerciseOption);
}

void MainWindowModel::onRandomMechanismChosen()
{
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
    clearDisplay();
    c.window.helpContext = c.mechanismFrame.helpContext = 5 + lang.helpBase();
}

void MainWindowModel::onUnitsChosen(int units)
{
    st.units = units;
    clearDisplay();
    c.unitsItems[1].value = units == 1;
    c.unitsItems[2].value = units == 2;
    c.randomUnitsItem.value = false;
}

void MainWindowModel::onRandomUnitsChosen()
{
    clearDisplay();
    c.unitsItems[1].value = false;
    c.unitsItems[2].value = false;
    c.randomUnitsItem.value = true;
}

void MainWindowModel::onLevelChosen(int level)
{
    clearDisplay();
    for (int i = 1; i <= 3; ++i)
        c.levelItems[i].value = i == level;
    st.level = level;
    applyDifficultyPreset();
}

void MainWindowModel::exerciseList()
{
    const int mechanism = st.mechanism;
    if (!st.relabelling) {
        if (st.level != 3 && !c.randomMechanismOption.value) {
            for (int i = 1; i <= 5; ++i)
                c.exerciseOptions[i].visible = c.exerciseOptions[i].enabled = true;
            if (st.level == 2)
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
    if (!hasFiveExercises(mechanism)) {
        c.exerciseOptions[4].enabled = c.exerciseOptions[5].enabled = false;
        if (st.exercise > 3)
            selectOption(c.exerciseOptions[1]);
    }
}

void MainWindowModel::readLevel()
{
    for (int i = 1; i <= 3; ++i) {
        if (c.levelItems[i].value)
            st.level = i;
    }
}

void MainWindowModel::applyDifficultyPreset()
{
    const LevelPreset *preset = Selection::preset(st.level);
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
        selectEverythingRandom();
}

void MainWindowModel::offerManualChoices()
{
    onTypeChosen(1);
    selectOption(c.typeOptions[1]);
    c.randomMechanismOption.visible = true;
    c.randomMechanismOption.value = false;
    c.randomExerciseOption.visible = true;
    c.randomExerciseOption.value = false;
    c.typeFrame.enabled = true;
    for (int t = 1; t <= 3; ++t)
        c.typeOptions[t].visible = true;
    for (int i = 1; i <= mechanismCount; ++i)
        c.mechanismOptions[i].enabled = true;
    const bool threeExercises = !hasFiveExercises(st.mechanism);
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
    for (int u = 1; u <= 2; ++u) {
        c.unitsItems[u].value = false;
        c.unitsItems[u].enabled = false;
    }
}

void MainWindowModel::enableRandomOptions()
{
    c.randomMechanismOption.enabled = c.randomExerciseOption.enabled = c.randomUnitsItem.enabled = true;
}

void MainWindowModel::removeRandomOptions()
{
    c.randomMechanismOption.visible = c.randomExerciseOption.visible = false;
    c.randomExerciseOption.enabled = c.randomUnitsItem.enabled = false;
    if (c.randomUnitsItem.value) {
        c.unitsItems[1].value = true;
        c.randomUnitsItem.value = false;
        // The ticked item is what the pupil reads; the speeds must follow it.
        st.units = 1;
    }
}

void MainWindowModel::selectEverythingRandom()
{
    selectOption(c.randomMechanismOption);
    selectOption(c.randomExerciseOption);
    c.randomUnitsItem.value = true;
    c.unitsItems[1].value = c.unitsItems[2].value = false;
}

void MainWindowModel::drawRandomSelection()
{
    if (c.randomMechanismOption.value) {
        // During an exam each mechanism comes once; at most four are used when the fifth is
        // drawn, so the draw ends.
        st.mechanism = selection.drawMechanism(
            [this](std::int32_t mechanism) { return !exam.running() || !exam.used(mechanism); });
        if (exam.running())
            exam.markUsed(st.mechanism);
        exerciseList();
    }
    if (c.randomExerciseOption.value)
        st.exercise = selection.drawExercise(st.mechanism);
    if (c.randomUnitsItem.value)
        st.units = selection.drawUnits();
}

} // namespace cinemoto
