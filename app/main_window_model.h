#pragma once

#include "app/control.h"
#include "app/platform/services.h"
#include "app/textcatalogue.h"
#include "app/window_context.h"
#include "exams/exam.h"
#include "exercise/exercise_run.h"
#include "exercise/exercise_state.h"
#include "mechanisms/animation_run.h"
#include "mechanisms/selection.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace cinemoto {

// Every control of the main window, under the names the behaviour is written with.
// Arrays are indexed from 1; slot 0 is unused.
struct MainWindowControls
{
    Control window; // the window itself: caption, help context, enabled

    Control typeFrame;
    Parts<Control, 3> typeOptions;
    Control randomMechanismOption;
    Control mechanismFrame;
    Parts<Control, 19> mechanismOptions;
    Control exerciseFrame;
    Parts<Control, 5> exerciseOptions;
    Control randomExerciseOption;

    Control ratioLabel, drivingTitle, middleTitle, drivenTitle;
    Control drivingData, middleData, drivenData;
    Control pictureArea, clockBox;
    Control exerciseButton, quizButton;
    Control questionLabel, answerLabel, answerBox, doneButton, commentLabel, faceImage;

    Control calculatorButton, copyPictureButton, printButton, examButton, examsTakenButton, languageButton, soundButton, helpButton, aboutButton,
        readMeButton, linksButton;

    Control optionsMenu, calculatorItem, copyPictureItem, examsTakenItem, printItem, newExamItem, newExerciseItem,
        exitItem;
    Control difficultyMenu;
    Parts<Control, 3> levelItems;
    Control unitsMenu;
    Parts<Control, 2> unitsItems;
    Control randomUnitsItem;
    Control languageMenu;
    Parts<Control, 3> languageItems;
    Control helpMenu, contentsItem, aboutItem, readMeItem;

    MainWindowControls();
    std::vector<Control *> all();

private:
    void initSelection();
    void initExerciseArea();
    void initTools();
    void initMenus();
};

// The main window's model: the state of every control and the handlers of its events.
// It composes the activities (selection, exercise run, exam, animation) and copies what
// they report onto its controls. Its handlers are spread over files by concern: start-up,
// language, selection, drawing, data titles, runs, feedback.
class MainWindowModel : public WindowContext
{
public:
    MainWindowModel(const Services &services, const TextCatalogue &texts);

    MainWindowControls c;
    ExerciseState st;
    LanguageBases lang;
    Selection selection;
    ExerciseRun run;
    Exam exam;
    AnimationRun animation;

    // Start-up and shutdown.
    void load();
    void onClosing();
    void onExitChosen();
    // Asked before the window closes: false when the pupil chose to stay because an exam
    // would be lost.
    bool mayClose();
    bool isClosed() const { return m_closed; }

    // Texts.
    QString text(int catalanId) const override { return m_texts.text(lang.textId(catalanId)); }
    const TextCatalogue &catalogue() const override { return m_texts; }
    const LanguageBases &language() const override { return lang; }
    Control &mainWindow() override { return c.window; }
    Exam &finishedExam() override { return exam; }

    // Caption loaders and the language switch.
    void loadFrameAndLabelTexts();
    void loadMechanismOptionTexts();
    void loadExerciseTooltips();
    void loadTypeTooltips();
    void loadRandomOptionTexts();
    void loadButtonTexts();
    void loadMenuTexts();
    void switchLanguage(int language);
    void onLanguageButtonClicked();
    void onLanguageChosen(int index);

    // Selection and difficulty.
    void onTypeChosen(int type);
    void onMechanismChosen(int mechanism);
    void onExerciseChosen(int exercise);
    void onRandomMechanismChosen();
    void onRandomExerciseChosen();
    void onUnitsChosen(int units);
    void onRandomUnitsChosen();
    void onLevelChosen(int level);
    void exerciseList();
    void applyDifficultyPreset();
    // A click on an option of the window, or selecting it from code.
    void selectOption(Control &option);

    // Drawing of the mechanism and the animation tick.
    void setWheelCentres();
    void showMechanismParts(int mechanism);
    void loadMechanismPicture(bool mirror);
    void mechanismChangeSequence();
    void onAnimationTick();

    // External tools and help.
    void openCalculator();
    void openHelpContents();
    void openReadMe();
    void openLinksPage();
    // False, after telling the pupil, when the program folder lacks the named file.
    bool programFileExists(const QString &name);
    // Starts a desktop tool; when there is none, says so with the three texts from the given one.
    bool startDesktopTool(const QString &tool, const QStringList &arguments, int failureText);
    void copyPicture();
    void printExercise();
    void startOrStopExam();

    // Exercise: generation, display, solution sentence.
    void generateValues();
    void selectSolution();
    void showExercise();
    void writeDataTitles();
    void writeSolution();

    // Runs of a single exercise or an exam.
    void startOrStopExercise();
    void startExercise();
    void clearDisplay();
    void endRun();
    // The exercise and exam buttons follow what runs.
    void showWhatRuns();
    void examStep();
    void finishExam();

    // The answer.
    void onAnswerKeyPressed(int &key);
    void onDoneClicked();
    void showAnswerBox();
    void hideAnswerBox();

    // Feedback.
    void showCorrectComment();
    void handleWrongAnswer();
    void showWrongComment();
    void playFeedbackSound(int n);
    void onSoundButtonClicked();

    // The teacher's mode in which every answer box comes filled in.
    bool solutionsMode = false;
    // A control that should receive the keyboard focus; the view takes it and clears it.
    Control *focusRequest = nullptr;
    // Shows the exam result window once the fifth exercise is done.
    std::function<void()> onExamFinished;

    const Services &services() const override { return m_services; }

private:
    // The parts of a level's preset.
    void offerManualChoices();
    void hideManualChoices();
    void enableRandomOptions();
    void removeRandomOptions();
    void showEverythingRandom();
    // What is left to chance, drawn in its fixed order.
    void drawRandomSelection();
    // The menu ticks follow the choice.
    void onSelectionChanged(Selection::Change change);
    void buildOptionGroups();

    Services m_services;
    const TextCatalogue &m_texts;
    OptionGroup m_typeGroup, m_mechanismGroup, m_exerciseGroup;
    bool m_closed = false;
    bool m_closing = false;
};

} // namespace cinemoto
