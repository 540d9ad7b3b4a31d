#include "app/formulari.h"

#include "mechanisms/catalogue.h"

namespace cinemoto {

void Formulari::opttipus_Click(int type)
{
    for (int i = 1; i <= mechanismCount; ++i)
        c.optsistema[i].visible = mechanismInfo(i).type == type;
    st.mechanism = defaultMechanism(type);
    c.fraSistema.enabled = true;
    const int mechanism = st.mechanism;
    optSistema_Click(mechanism);
    selectOption(c.optsistema[mechanism]);
}

void Formulari::optSistema_Click(int mechanism)
{
    st.mechanism = mechanism;
    c.fraExercici.enabled = true;
    c.form.helpContext = c.fraSistema.helpContext = 50 + mechanism + lang.helpBase();
    clearDisplay();
    exerciseList();
    writeDataTitles();
    selectOption(c.optExercici[1]);
}

void Formulari::optExercici_Click(int exercise)
{
    st.exercise = exercise;
    clearDisplay();
    if (c.optAleatorisist.value)
        selectOption(c.optAleatoriexer);
}

void Formulari::optAleatorisist_Click()
{
    clearDisplay();
    selectOption(c.optAleatoriexer);
    c.fraExercici.enabled = false;
    c.fraSistema.enabled = false;
    c.form.helpContext = c.fraSistema.helpContext = 5 + lang.helpBase();
    for (int i = 1; i <= mechanismCount; ++i)
        c.optsistema[i].visible = false;
    for (int i = 1; i <= 5; ++i)
        c.optExercici[i].visible = false;
    c.optAleatoriexer.visible = false;
}

void Formulari::optAleatoriexer_Click()
{
    clearDisplay();
    c.form.helpContext = c.fraSistema.helpContext = 5 + lang.helpBase();
}

void Formulari::optUnitats_Click(int units)
{
    st.units = units;
    clearDisplay();
    c.optUnitats[1].value = units == 1;
    c.optUnitats[2].value = units == 2;
    c.optAleatoriunit.value = false;
}

void Formulari::optAleatoriunit_Click()
{
    clearDisplay();
    c.optUnitats[1].value = false;
    c.optUnitats[2].value = false;
    c.optAleatoriunit.value = true;
}

void Formulari::menDificil_Click(int level)
{
    clearDisplay();
    for (int i = 1; i <= 3; ++i)
        c.menDificil[i].value = i == level;
    st.level = level;
    applyDifficultyPreset();
}

void Formulari::exerciseList()
{
    const int mechanism = st.mechanism;
    if (!isTrue(st.relabelling)) {
        if (st.level != 3 && !c.optAleatorisist.value) {
            for (int i = 1; i <= 5; ++i)
                c.optExercici[i].visible = c.optExercici[i].enabled = true;
            if (st.level == 2)
                c.optAleatoriexer.visible = true;
        }
        mechanismChangeSequence();
    }
    for (int t = 1; t <= 3; ++t)
        c.opttipus[t].caption = text(422 + t);
    const MechanismInfo &info = mechanismInfo(mechanism);
    for (int k = 1; k <= 5; ++k) {
        const int id = info.exerciseNames[std::size_t(k - 1)];
        c.optExercici[k].caption = id ? text(id) : QString();
    }
    if (!hasFiveExercises(mechanism)) {
        c.optExercici[4].enabled = c.optExercici[5].enabled = false;
        if (st.exercise > 3)
            selectOption(c.optExercici[1]);
    }
}

void Formulari::readLevel()
{
    for (int i = 1; i <= 3; ++i) {
        if (c.menDificil[i].value)
            st.level = i;
    }
}

void Formulari::applyDifficultyPreset()
{
    const auto manualSetUp = [this] {
        opttipus_Click(1);
        selectOption(c.opttipus[1]);
        c.optAleatorisist.visible = true;
        c.optAleatorisist.value = false;
        c.optAleatoriexer.visible = true;
        c.optAleatoriexer.value = false;
        c.fratipo.enabled = true;
        for (int t = 1; t <= 3; ++t)
            c.opttipus[t].visible = true;
        for (int i = 1; i <= mechanismCount; ++i)
            c.optsistema[i].enabled = true;
        const bool threeExercises = !hasFiveExercises(st.mechanism);
        for (int k = 1; k <= 5; ++k)
            c.optExercici[k].enabled = !(threeExercises && k >= 4);
        c.optUnitats[1].enabled = c.optUnitats[2].enabled = true;
    };
    const auto randomOptionsEnabled = [this] {
        c.optAleatorisist.enabled = c.optAleatoriexer.enabled = c.optAleatoriunit.enabled = true;
    };
    const auto randomOptionsRemoved = [this] {
        c.optAleatorisist.visible = c.optAleatoriexer.visible = false;
        c.optAleatoriexer.enabled = c.optAleatoriunit.enabled = false;
        if (c.optAleatoriunit.value) {
            c.optUnitats[1].value = true;
            c.optAleatoriunit.value = false;
            // The ticked item is what the pupil reads; the speeds must follow it.
            st.units = 1;
        }
    };
    const auto allRandomSetUp = [this] {
        c.fratipo.enabled = false;
        for (int t = 1; t <= 3; ++t)
            c.opttipus[t].visible = false;
        c.optAleatorisist.visible = c.optAleatoriexer.visible = false;
        for (int u = 1; u <= 2; ++u) {
            c.optUnitats[u].value = false;
            c.optUnitats[u].enabled = false;
        }
    };
    const auto randomSelected = [this] {
        selectOption(c.optAleatorisist);
        selectOption(c.optAleatoriexer);
        c.optAleatoriunit.value = true;
        c.optUnitats[1].value = c.optUnitats[2].value = false;
    };

    switch (st.level) {
    case 1:
        manualSetUp();
        randomOptionsRemoved();
        break;
    case 2:
        manualSetUp();
        randomOptionsEnabled();
        break;
    case 3:
        allRandomSetUp();
        randomOptionsEnabled();
        randomSelected();
        break;
    default:
        break;
    }
}

} // namespace cinemoto
