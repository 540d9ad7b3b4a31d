#include "app/main_window_model.h"

#include "exercise/display.h"
#include "exercise/generation.h"
#include "mechanisms/rules/rules.h"

namespace cinemoto {

void MainWindowModel::generateValues()
{
    const Draw random = [this] { return m_services.random->next(); };
    static_cast<Exercise &>(st) = generateExercise(selection.exerciseChoice(), random);
    if (mirrorsPicture(st.mechanism))
        loadMechanismPicture(st.largeDrives);
}

void MainWindowModel::selectSolution()
{
    st.solution = solutionFor(st, st.solution);
}

void MainWindowModel::showExercise()
{
    // Written again after a language switch, the units follow the menu as it is now.
    st.randomUnits = selection.choice().randomUnits;
    const Display d = composeDisplay(st, [this](int id) { return text(id); });
    st.ratioFormat = d.ratioFormat;
    // A speed answer is expected in the unit the question names.
    st.unitFactor = d.unitFactor;
    st.unitLabel = d.unitLabel;

    c.ratioLabel.visible = d.ratioShown;
    writeDataTitles();
    c.drivingData.caption = d.lines[0] + newLine + d.lines[1];
    c.drivenData.caption = d.lines[2] + newLine + d.lines[3];
    c.middleData.caption = d.lines[4] + newLine + d.lines[5];
    c.drivingData.visible = c.drivenData.visible = true;
    c.middleData.visible = d.middleShown;
    if (!d.question.isEmpty())
        c.questionLabel.caption = d.question;
    c.questionLabel.alignment = 2;
    c.questionLabel.visible = true;
}

void MainWindowModel::writeSolution()
{
    c.questionLabel.visible = false;
    c.questionLabel.alignment = 0;
    const QString sentence = composeDisplay(st, [this](int id) { return text(id); }).solution;
    if (!sentence.isEmpty())
        c.questionLabel.caption = sentence;
    c.questionLabel.visible = true;
}

void MainWindowModel::writeDataTitles()
{
    const int mechanism = selection.choice().mechanism;
    if (mechanism < 1 || mechanism > 19)
        return;
    const Titles titles = rulesFor(mechanism).titles;
    // A hidden title keeps its previous caption.
    const auto apply = [this](Control &label, int id) {
        label.visible = id != 0;
        if (id)
            label.caption = text(id);
    };
    apply(c.drivingTitle, titles.driving);
    apply(c.middleTitle, titles.middle);
    apply(c.drivenTitle, titles.driven);
    c.ratioLabel.caption
        = composeStatement(mechanism, st.ratio, st.ratioFormat, [this](int id) { return text(id); });
}

} // namespace cinemoto
