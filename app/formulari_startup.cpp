#include "app/formulari.h"

#include "app/settings.h"
#include "mechanisms/catalogue.h"

namespace cinemoto {

namespace {

using Kind = Control::Kind;

void init(Control &c, const char *name, Kind kind, int index = 0)
{
    c.name = QString::fromLatin1(name);
    c.kind = kind;
    c.index = index;
}

template <std::size_t N>
void initArray(std::array<Control, N> &array, const char *name, Kind kind)
{
    for (std::size_t i = 1; i < N; ++i)
        init(array[i], name, kind, int(i));
}

} // namespace

FormControls::FormControls()
{
    init(form, "formulari", Kind::Frame);
    form.caption = QStringLiteral("Cinemoto 3.2");
    init(fratipo, "fratipo", Kind::Frame);
    initArray(opttipus, "opttipus", Kind::Option);
    opttipus[1].value = true;
    init(optAleatorisist, "optAleatorisist", Kind::Option);
    init(fraSistema, "fraSistema", Kind::Frame);
    initArray(optsistema, "optsistema", Kind::Option);
    init(fraExercici, "fraExercici", Kind::Frame);
    initArray(optExercici, "optExercici", Kind::Option);
    optExercici[1].value = true;
    init(optAleatoriexer, "optAleatoriexer", Kind::Option);

    init(lblRelacio, "lblRelacio", Kind::Label);
    init(lblMotor, "lblMotor", Kind::Label);
    init(lblCentral, "lblCentral", Kind::Label);
    init(lblResistent, "lblResistent", Kind::Label);
    init(txtMotor, "txtMotor", Kind::TextBox);
    init(txtCentral, "txtCentral", Kind::TextBox);
    init(txtResistent, "txtResistent", Kind::TextBox);
    init(imgMeca, "imgMeca", Kind::PictureArea);
    init(txtTemps, "txtTemps", Kind::TextBox);
    init(cmdNou, "cmdNou", Kind::Button);
    init(cmdTest, "cmdTest", Kind::Button);
    cmdTest.caption = QStringLiteral("Test");
    init(lblPregunta, "lblPregunta", Kind::Label);
    lblPregunta.alignment = 2;
    init(lblSolucio, "lblSolucio", Kind::Label);
    init(txtSolucio, "txtSolucio", Kind::TextBox);
    init(cmdFet, "cmdFet", Kind::Button);
    cmdFet.caption = QStringLiteral("OK");
    init(lblComentari, "lblComentari", Kind::Label);
    init(imgCara, "imgCara", Kind::Image);
    // Nothing to answer until an exercise starts.
    lblSolucio.visible = txtSolucio.visible = cmdFet.visible = imgCara.visible = false;

    init(cmdCalculadora, "cmdCalculadora", Kind::PictureButton);
    init(cmdClip, "cmdClip", Kind::PictureButton);
    init(cmdPrint, "cmdPrint", Kind::PictureButton);
    init(cmdexamen, "cmdexamen", Kind::PictureButton);
    init(cmdElsfets, "cmdElsfets", Kind::PictureButton);
    init(cmdIdioma, "cmdIdioma", Kind::PictureButton);
    init(cmdSo, "cmdSo", Kind::PictureButton);
    init(cmdHelp, "cmdHelp", Kind::PictureButton);
    init(cmdAbout, "cmdAbout", Kind::PictureButton);
    init(cmdLlibreta, "cmdLlibreta", Kind::PictureButton);
    init(cmdNet, "cmdNet", Kind::PictureButton);
    cmdNet.tooltip = QStringLiteral("Internet");

    init(menOpcions, "menOpcions", Kind::Menu);
    init(menCalculadora, "menCalculadora", Kind::MenuItem);
    init(menCopiar, "menCopiar", Kind::MenuItem);
    init(menRealitzats, "menRealitzats", Kind::MenuItem);
    init(menImprimir, "menImprimir", Kind::MenuItem);
    init(menNouexamen, "menNouexamen", Kind::MenuItem);
    init(menNouexercici, "menNouexercici", Kind::MenuItem);
    init(menSortir, "menSortir", Kind::MenuItem);
    init(menNivell, "menNivell", Kind::Menu);
    initArray(menDificil, "menDificil", Kind::MenuItem);
    menDificil[2].value = true;
    init(fraUnitats, "fraUnitats", Kind::Menu);
    initArray(optUnitats, "optUnitats", Kind::MenuItem);
    optUnitats[1].value = true;
    init(optAleatoriunit, "optAleatoriunit", Kind::MenuItem);
    init(menIdioma, "menIdioma", Kind::Menu);
    initArray(menllengua, "menllengua", Kind::MenuItem);
    menllengua[1].caption = QStringLiteral("Català");
    menllengua[2].caption = QStringLiteral("Español");
    menllengua[3].caption = QStringLiteral("English");
    init(menAjuda, "menAjuda", Kind::Menu);
    init(menContinguts, "menContinguts", Kind::MenuItem);
    init(menAutor, "menAutor", Kind::MenuItem);
    init(menLlegiume, "menLlegiume", Kind::MenuItem);
}

std::vector<Control *> FormControls::all()
{
    std::vector<Control *> list = {&form, &fratipo, &optAleatorisist, &fraSistema, &fraExercici,
        &optAleatoriexer, &lblRelacio, &lblMotor, &lblCentral, &lblResistent, &txtMotor, &txtCentral,
        &txtResistent, &imgMeca, &txtTemps, &cmdNou, &cmdTest, &lblPregunta, &lblSolucio, &txtSolucio,
        &cmdFet, &lblComentari, &imgCara, &cmdCalculadora, &cmdClip, &cmdPrint, &cmdexamen, &cmdElsfets,
        &cmdIdioma, &cmdSo, &cmdHelp, &cmdAbout, &cmdLlibreta, &cmdNet, &menOpcions, &menCalculadora,
        &menCopiar, &menRealitzats, &menImprimir, &menNouexamen, &menNouexercici, &menSortir, &menNivell,
        &fraUnitats, &optAleatoriunit, &menIdioma, &menAjuda, &menContinguts, &menAutor, &menLlegiume};
    auto addArray = [&list](auto &array) {
        for (std::size_t i = 1; i < array.size(); ++i)
            list.push_back(&array[i]);
    };
    addArray(opttipus);
    addArray(optsistema);
    addArray(optExercici);
    addArray(menDificil);
    addArray(optUnitats);
    addArray(menllengua);
    return list;
}

Formulari::Formulari(const Services &services, const TextCatalogue &texts)
    : m_services(services), m_texts(texts)
{
    buildOptionGroups();
}

void Formulari::buildOptionGroups()
{
    for (int t = 1; t <= 3; ++t)
        m_typeGroup.add(&c.opttipus[t], [this, t] { opttipus_Click(t); });
    m_typeGroup.add(&c.optAleatorisist, [this] { optAleatorisist_Click(); });
    for (int m = 1; m <= mechanismCount; ++m)
        m_mechanismGroup.add(&c.optsistema[m], [this, m] { optSistema_Click(m); });
    for (int e = 1; e <= 5; ++e)
        m_exerciseGroup.add(&c.optExercici[e], [this, e] { optExercici_Click(e); });
    m_exerciseGroup.add(&c.optAleatoriexer, [this] { optAleatoriexer_Click(); });
}

void Formulari::selectOption(Control &option)
{
    for (OptionGroup *group : {&m_typeGroup, &m_mechanismGroup, &m_exerciseGroup}) {
        for (Control *member : group->members()) {
            if (member == &option) {
                group->select(&option);
                return;
            }
        }
    }
}

void Formulari::Form_Load()
{
    const QString folder = m_services.folder->path();
    useProgramHelpFile(m_services);
    lang.language = readLanguageSetting(folder + QStringLiteral("/cinemoto.ini"));
    soundDevices = std::int16_t(qBound(0, m_services.sound->deviceCount(), 32767));

    for (int i = 1; i <= 3; ++i)
        c.menllengua[i].value = i == lang.language;
    c.cmdIdioma.picture = 70 + lang.language;

    st.level = 2;
    st.mechanism = 17;
    st.exercise = 1;
    st.units = 1;

    loadMenuTexts();
    loadFrameAndLabelTexts();
    loadMechanismOptionTexts();
    loadExerciseTooltips();
    loadTypeTooltips();
    loadRandomOptionTexts();
    loadButtonTexts();
    writeDataTitles();

    opttipus_Click(1);

    st.unitFactor = kRpmFactor;
    st.unitLabel = text(201);

    c.imgMeca.picture = 50 + st.mechanism;
    c.imgMeca.pictureMirrored = false;
    initialLayout(parts, drawing);
    showMechanismParts(st.mechanism);

    examSaved = false;
    st.exerciseRunning = False;
    st.examRunning = False;
    st.relabelling = False;
    picturePending = true;

    m_services.random->seedFromTimer();
}

void Formulari::Form_Unload()
{
    // A second request while the window is already closing changes nothing.
    if (m_closing || m_closed)
        return;
    m_closing = true;
    if (soundOn)
        cmdSo_Click();
    m_closed = true;
}

bool Formulari::mayClose()
{
    if (m_closing || m_closed)
        return true;
    int question = 0;
    if (examResultWaiting)
        question = 397;
    else if (isTrue(st.examRunning))
        question = 398;
    if (!question)
        return true;
    // Staying is the default: Ctrl+S, pressed by habit to save, must not lose an exam.
    return m_services.messageBox->show(MessageBoxService::Icon::Question, text(question), text(396),
                                       MessageBoxService::Buttons::YesNoDefaultNo)
        == MessageBoxService::Answer::Yes;
}

void Formulari::menSortir_Click()
{
    if (mayClose())
        Form_Unload();
}

} // namespace cinemoto
