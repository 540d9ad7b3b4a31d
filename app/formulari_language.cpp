#include "app/formulari.h"

#include "mechanisms/catalogue.h"

namespace cinemoto {

void Formulari::loadFrameAndLabelTexts()
{
    const int mechanismHelp = 50 + st.mechanism + lang.helpBase();
    c.fratipo.caption = text(422);
    c.fratipo.tooltip = text(503);
    c.fraSistema.caption = text(426);
    c.fraSistema.tooltip = text(491);
    c.fraSistema.helpContext = mechanismHelp;
    c.fraExercici.caption = text(427);
    c.fraExercici.tooltip = text(493);
    c.fraExercici.helpContext = mechanismHelp;
    for (Control *label : {&c.lblMotor, &c.lblCentral, &c.lblResistent, &c.lblRelacio})
        label->tooltip = text(501);
    c.lblSolucio.caption = text(431);
    for (Control *box : {&c.txtMotor, &c.txtCentral, &c.txtResistent})
        box->tooltip = text(501);
    c.txtSolucio.tooltip = text(502);
    // The picture has no caption: this names it for the tooltip and for screen readers.
    c.imgMeca.tooltip = text(500);
}

void Formulari::loadMechanismOptionTexts()
{
    for (int i = 1; i <= mechanismCount; ++i) {
        c.optsistema[i].caption = text(400 + i);
        c.optsistema[i].tooltip = text(491);
    }
}

void Formulari::loadExerciseTooltips()
{
    for (int i = 1; i <= 5; ++i)
        c.optExercici[i].tooltip = text(493);
}

void Formulari::loadTypeTooltips()
{
    for (int i = 1; i <= 3; ++i)
        c.opttipus[i].tooltip = text(503);
}

void Formulari::loadRandomOptionTexts()
{
    c.optAleatorisist.caption = text(421);
    c.optAleatorisist.tooltip = text(492);
    c.optAleatoriexer.caption = text(421);
    c.optAleatoriexer.tooltip = text(494);
}

void Formulari::loadButtonTexts()
{
    const int hb = lang.helpBase();
    c.cmdNou.caption = text(436);
    c.cmdNou.tooltip = text(495);
    c.cmdNou.helpContext = 12 + hb;
    c.cmdexamen.tooltip = text(496);
    c.cmdexamen.helpContext = 20 + hb;
    c.cmdCalculadora.tooltip = text(497);
    c.cmdCalculadora.helpContext = 18 + hb;
    c.cmdPrint.tooltip = text(498);
    c.cmdPrint.helpContext = 21 + hb;
    c.cmdFet.tooltip = text(499);
    c.cmdIdioma.tooltip = text(465);
    c.cmdClip.tooltip = text(466);
    c.cmdElsfets.tooltip = text(467);
    c.cmdSo.tooltip = text(468);
    c.cmdTest.tooltip = text(587);
    c.cmdHelp.tooltip = text(469);
    c.cmdAbout.tooltip = text(381);
    c.cmdLlibreta.tooltip = text(463);
}

void Formulari::loadMenuTexts()
{
    const std::pair<Control *, int> items[] = {
        {&c.menOpcions, 446}, {&c.menCalculadora, 447}, {&c.menCopiar, 448}, {&c.menRealitzats, 449},
        {&c.menImprimir, 450}, {&c.menNouexamen, 451}, {&c.menNouexercici, 452}, {&c.menSortir, 453},
        {&c.menNivell, 454}, {&c.menDificil[1], 455}, {&c.menDificil[2], 456}, {&c.menDificil[3], 457},
        {&c.fraUnitats, 458}, {&c.optUnitats[1], 459}, {&c.optUnitats[2], 460}, {&c.optAleatoriunit, 421},
        {&c.menAjuda, 461}, {&c.menContinguts, 462}, {&c.menAutor, 381}, {&c.menLlegiume, 463},
        {&c.menIdioma, 464}};
    for (const auto &[control, id] : items)
        control->caption = text(id);
}

void Formulari::switchLanguage(int language)
{
    for (int i = 1; i <= 3; ++i) {
        c.menllengua[i].value = i == language;
        if (i == language)
            c.cmdIdioma.picture = 70 + i;
    }
    lang.language = language;
    c.form.helpContext = 50 + st.mechanism + lang.helpBase();
    st.relabelling = True;

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
    if (isTrue(st.exerciseRunning) || isTrue(st.examRunning))
        showExercise();
    if (c.imgCara.visible) {
        showExercise();
        writeSolution();
        if (isTrue(st.answerCorrect))
            showCorrectComment();
        else
            showWrongComment();
    }

    st.relabelling = False;
}

void Formulari::cmdIdioma_Click()
{
    const int next = lang.language >= 3 ? 1 : lang.language + 1;
    switchLanguage(next);
}

void Formulari::menLlengua_Click(int index)
{
    if (index < 1 || index > 3)
        return;
    switchLanguage(index);
}

} // namespace cinemoto
