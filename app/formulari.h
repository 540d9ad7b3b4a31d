#pragma once

#include "app/control.h"
#include "app/platform/services.h"
#include "app/textcatalogue.h"
#include "exercise/exercise_state.h"
#include "mechanisms/drawing.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace cinemoto {

// Every control of the main window, under the names the behaviour is written with.
// Arrays are indexed from 1; slot 0 is unused.
struct FormControls
{
    Control form; // the window itself: caption, help context, enabled

    Control fratipo;
    Parts<Control, 3> opttipus;
    Control optAleatorisist;
    Control fraSistema;
    Parts<Control, 19> optsistema;
    Control fraExercici;
    Parts<Control, 5> optExercici;
    Control optAleatoriexer;

    Control lblRelacio, lblMotor, lblCentral, lblResistent;
    Control txtMotor, txtCentral, txtResistent;
    Control imgMeca, txtTemps;
    Control cmdNou, cmdTest;
    Control lblPregunta, lblSolucio, txtSolucio, cmdFet, lblComentari, imgCara;

    Control cmdCalculadora, cmdClip, cmdPrint, cmdexamen, cmdElsfets, cmdIdioma, cmdSo, cmdHelp, cmdAbout,
        cmdLlibreta, cmdNet;

    Control menOpcions, menCalculadora, menCopiar, menRealitzats, menImprimir, menNouexamen, menNouexercici,
        menSortir;
    Control menNivell;
    Parts<Control, 3> menDificil;
    Control fraUnitats;
    Parts<Control, 2> optUnitats;
    Control optAleatoriunit;
    Control menIdioma;
    Parts<Control, 3> menllengua;
    Control menAjuda, menContinguts, menAutor, menLlegiume;

    FormControls();
    std::vector<Control *> all();
};

// The main window's model: the state of every control and the handlers of its events.
// Its handlers are spread over files by concern: start-up, language, selection,
// drawing and animation, data titles, runs.
class Formulari
{
public:
    Formulari(const Services &services, const TextCatalogue &texts);

    FormControls c;
    ExerciseState st;
    LanguageBases lang;
    DrawingParts parts;
    DrawingState drawing;

    // Module-level state of the program.
    std::int16_t soundDevices = 0;
    bool soundOn = false;
    bool picturePending = true;
    bool drawingMoved = false; // the last tick changed what the picture area shows
    bool examSaved = false;
    // A finished exam whose result window is open and not yet stored.
    bool examResultWaiting = false;
    QString lastExamName;
    const QString newLine = QStringLiteral("\r\n");

    // Start-up and shutdown.
    void Form_Load();
    void Form_Unload();
    void menSortir_Click();
    // Asked before the window closes: false when the pupil chose to stay because an exam
    // would be lost.
    bool mayClose();
    bool isClosed() const { return m_closed; }

    // Texts.
    QString text(int catalanId) const { return m_texts.text(lang.textId(catalanId)); }
    const TextCatalogue &catalogue() const { return m_texts; }

    // Caption loaders and the language switch.
    void loadFrameAndLabelTexts();
    void loadMechanismOptionTexts();
    void loadExerciseTooltips();
    void loadTypeTooltips();
    void loadRandomOptionTexts();
    void loadButtonTexts();
    void loadMenuTexts();
    void switchLanguage(int language);
    void cmdIdioma_Click();
    void menLlengua_Click(int index);

    // Selection and difficulty.
    void opttipus_Click(int type);
    void optSistema_Click(int mechanism);
    void optExercici_Click(int exercise);
    void optAleatorisist_Click();
    void optAleatoriexer_Click();
    void optUnitats_Click(int units);
    void optAleatoriunit_Click();
    void menDificil_Click(int level);
    void exerciseList();
    void readLevel();
    void applyDifficultyPreset();
    // A click on an option of the window, or selecting it from code.
    void selectOption(Control &option);

    // Drawing of the mechanism and the animation tick.
    void setWheelCentres();
    void showMechanismParts(int mechanism);
    void loadMechanismPicture(bool mirror);
    void mechanismChangeSequence();
    void timAnima_Timer();

    // External tools and help.
    void cmdCalculadora_Click();
    void menContinguts_Click();
    void menllegiume_Click();
    void cmdNet_Click();
    // False, after telling the pupil, when the program folder lacks the named file.
    bool programFileExists(const QString &name);
    void menCopiar_Click();
    void cmdPrint_Click();
    void cmdExamen_Click();

    // Exercise: generation, display, solution sentence.
    void generateValues();
    void selectSolution();
    void showExercise();
    void nextSpeedUnit();
    void drawRandomChoices();
    void writeDataTitles();
    void writeSolution();

    // Runs of a single exercise or an exam.
    void cmdNou_Click();
    void startExercise();
    void clearDisplay();
    void endRun();
    void examStep();
    void scoreExercise();
    void finishExam();

    // The answer.
    void txtSolucio_KeyPress(int &key);
    void cmdFet_Click();
    void checkAnswer();
    void showAnswerBox();
    void hideAnswerBox();

    // Feedback.
    void showCorrectComment();
    void handleWrongAnswer();
    void showWrongComment();
    void playFeedbackSound(int n);
    void cmdSo_Click();

    // Exam tables, slot 0 the totals.
    std::array<QString, 6> examTimes;
    std::array<float, 6> examScores{};
    std::array<QString, 6> examResults;
    // The teacher's mode in which every answer box comes filled in.
    bool solutionsMode = false;
    // A control that should receive the keyboard focus; the view takes it and clears it.
    Control *focusRequest = nullptr;
    // Shows the exam result window once the fifth exercise is done.
    std::function<void()> onExamFinished;

    const Services &services() const { return m_services; }

private:
    void buildOptionGroups();
    // Values of the data display, kept between steps of one display.
    struct Lines
    {
        QString m1, m2, r1, r2, c1, c2;
    };
    void writeSpeedLines(Lines &lines);
    void writeSizeLines(Lines &lines);
    QString speedText(float value) const;

    Services m_services;
    const TextCatalogue &m_texts;
    OptionGroup m_typeGroup, m_mechanismGroup, m_exerciseGroup;
    bool m_closed = false;
    bool m_closing = false;
};

} // namespace cinemoto
