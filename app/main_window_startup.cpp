#include "app/main_window_model.h"

#include "app/format.h"
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

// Each control is known by its member's name: the views name their widgets after it.
#define NAMED(control, kind) init(control, #control, Kind::kind)
#define NAMED_ARRAY(controls, kind) initArray(controls, #controls, Kind::kind)

MainWindowControls::MainWindowControls()
{
    initSelection();
    initExerciseArea();
    initTools();
    initMenus();
}

void MainWindowControls::initSelection()
{
    init(window, "mainWindow", Kind::Frame);
    window.caption = QStringLiteral("Cinemoto 3.2");
    NAMED(typeFrame, Frame);
    NAMED_ARRAY(typeOptions, Option);
    typeOptions[1].value = true;
    NAMED(randomMechanismOption, Option);
    NAMED(mechanismFrame, Frame);
    NAMED_ARRAY(mechanismOptions, Option);
    NAMED(exerciseFrame, Frame);
    NAMED_ARRAY(exerciseOptions, Option);
    exerciseOptions[1].value = true;
    NAMED(randomExerciseOption, Option);
}

void MainWindowControls::initExerciseArea()
{
    NAMED(ratioLabel, Label);
    NAMED(drivingTitle, Label);
    NAMED(middleTitle, Label);
    NAMED(drivenTitle, Label);
    NAMED(drivingData, TextBox);
    NAMED(middleData, TextBox);
    NAMED(drivenData, TextBox);
    NAMED(pictureArea, PictureArea);
    NAMED(clockBox, TextBox);
    NAMED(exerciseButton, Button);
    NAMED(quizButton, Button);
    quizButton.caption = QStringLiteral("Test");
    NAMED(questionLabel, Label);
    questionLabel.alignment = 2;
    NAMED(answerLabel, Label);
    NAMED(answerBox, TextBox);
    NAMED(doneButton, Button);
    doneButton.caption = QStringLiteral("OK");
    NAMED(commentLabel, Label);
    NAMED(faceImage, Image);
    // Nothing to answer until an exercise starts.
    answerLabel.visible = answerBox.visible = doneButton.visible = faceImage.visible = false;
}

void MainWindowControls::initTools()
{
    NAMED(calculatorButton, PictureButton);
    NAMED(copyPictureButton, PictureButton);
    NAMED(printButton, PictureButton);
    NAMED(examButton, PictureButton);
    NAMED(examsTakenButton, PictureButton);
    NAMED(languageButton, PictureButton);
    NAMED(soundButton, PictureButton);
    NAMED(helpButton, PictureButton);
    NAMED(aboutButton, PictureButton);
    NAMED(readMeButton, PictureButton);
    NAMED(linksButton, PictureButton);
    linksButton.tooltip = QStringLiteral("Internet");
}

void MainWindowControls::initMenus()
{
    NAMED(optionsMenu, Menu);
    NAMED(calculatorItem, MenuItem);
    NAMED(copyPictureItem, MenuItem);
    NAMED(examsTakenItem, MenuItem);
    NAMED(printItem, MenuItem);
    NAMED(newExamItem, MenuItem);
    NAMED(newExerciseItem, MenuItem);
    NAMED(exitItem, MenuItem);
    NAMED(difficultyMenu, Menu);
    NAMED_ARRAY(levelItems, MenuItem);
    levelItems[2].value = true;
    NAMED(unitsMenu, Menu);
    NAMED_ARRAY(unitsItems, MenuItem);
    unitsItems[1].value = true;
    NAMED(randomUnitsItem, MenuItem);
    NAMED(languageMenu, Menu);
    NAMED_ARRAY(languageItems, MenuItem);
    languageItems[1].caption = QStringLiteral("Català");
    languageItems[2].caption = QStringLiteral("Español");
    languageItems[3].caption = QStringLiteral("English");
    NAMED(helpMenu, Menu);
    NAMED(contentsItem, MenuItem);
    NAMED(aboutItem, MenuItem);
    NAMED(readMeItem, MenuItem);
}

#undef NAMED
#undef NAMED_ARRAY

std::vector<Control *> MainWindowControls::all()
{
    std::vector<Control *> list = {&window, &typeFrame, &randomMechanismOption, &mechanismFrame, &exerciseFrame,
        &randomExerciseOption, &ratioLabel, &drivingTitle, &middleTitle, &drivenTitle, &drivingData, &middleData,
        &drivenData, &pictureArea, &clockBox, &exerciseButton, &quizButton, &questionLabel, &answerLabel, &answerBox,
        &doneButton, &commentLabel, &faceImage, &calculatorButton, &copyPictureButton, &printButton, &examButton, &examsTakenButton,
        &languageButton, &soundButton, &helpButton, &aboutButton, &readMeButton, &linksButton, &optionsMenu, &calculatorItem,
        &copyPictureItem, &examsTakenItem, &printItem, &newExamItem, &newExerciseItem, &exitItem, &difficultyMenu,
        &unitsMenu, &randomUnitsItem, &languageMenu, &helpMenu, &contentsItem, &aboutItem, &readMeItem};
    auto addArray = [&list](auto &array) {
        for (std::size_t i = 1; i < array.size(); ++i)
            list.push_back(&array[i]);
    };
    addArray(typeOptions);
    addArray(mechanismOptions);
    addArray(exerciseOptions);
    addArray(levelItems);
    addArray(unitsItems);
    addArray(languageItems);
    return list;
}

MainWindowModel::MainWindowModel(const Services &services, const TextCatalogue &texts)
    : selection(*services.random), run(*services.clock, *services.sound), m_services(services), m_texts(texts)
{
    buildOptionGroups();
    run.changed = [this](ExerciseRun::Change change) {
        if (change == ExerciseRun::Change::Clock)
            c.clockBox.caption = clockText(run.clockMs());
        else if (change == ExerciseRun::Change::Running)
            showWhatRuns();
    };
    exam.changed = [this](Exam::Change change) {
        if (change == Exam::Change::Running)
            showWhatRuns();
    };
    selection.changed = [this](Selection::Change change) { onSelectionChanged(change); };
}

void MainWindowModel::buildOptionGroups()
{
    for (int t = 1; t <= 3; ++t)
        m_typeGroup.add(&c.typeOptions[t], [this, t] { onTypeChosen(t); });
    m_typeGroup.add(&c.randomMechanismOption, [this] { onRandomMechanismChosen(); });
    for (int m = 1; m <= mechanismCount; ++m)
        m_mechanismGroup.add(&c.mechanismOptions[m], [this, m] { onMechanismChosen(m); });
    for (int e = 1; e <= 5; ++e)
        m_exerciseGroup.add(&c.exerciseOptions[e], [this, e] { onExerciseChosen(e); });
    m_exerciseGroup.add(&c.randomExerciseOption, [this] { onRandomExerciseChosen(); });
}

void MainWindowModel::selectOption(Control &option)
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

void MainWindowModel::load()
{
    const QString folder = m_services.folder->path();
    useProgramHelpFile(m_services);
    lang.language = readLanguageSetting(folder + QStringLiteral("/cinemoto.ini"));
    run.findSoundDevices();

    for (int i = 1; i <= 3; ++i)
        c.languageItems[i].value = i == lang.language;
    c.languageButton.picture = 70 + lang.language;

    loadMenuTexts();
    loadFrameAndLabelTexts();
    loadMechanismOptionTexts();
    loadExerciseTooltips();
    loadTypeTooltips();
    loadRandomOptionTexts();
    loadButtonTexts();
    writeDataTitles();

    onTypeChosen(1);

    st.unitFactor = kRpmFactor;
    st.unitLabel = text(201);

    c.pictureArea.picture = 50 + selection.choice().mechanism;
    c.pictureArea.pictureMirrored = false;
    animation.layOut();
    showMechanismParts(selection.choice().mechanism);

    st.relabelling = false;

    m_services.random->seedFromTimer();
}

void MainWindowModel::onClosing()
{
    // A second request while the window is already closing changes nothing.
    if (m_closing || m_closed)
        return;
    m_closing = true;
    if (run.loopOn())
        onSoundButtonClicked();
    m_closed = true;
}

bool MainWindowModel::mayClose()
{
    if (m_closing || m_closed)
        return true;
    int question = 0;
    if (exam.resultWaiting())
        question = 397;
    else if (exam.running())
        question = 398;
    if (!question)
        return true;
    // Staying is the default: Ctrl+S, pressed by habit to save, must not lose an exam.
    return m_services.messageBox->show(MessageBoxService::Icon::Question, text(question), text(396),
                                       MessageBoxService::Buttons::YesNoDefaultNo)
        == MessageBoxService::Answer::Yes;
}

void MainWindowModel::onExitChosen()
{
    if (mayClose())
        onClosing();
}

} // namespace cinemoto
