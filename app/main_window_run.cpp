#include "app/main_window_model.h"

#include "app/format.h"

namespace cinemoto {

void MainWindowModel::clearDisplay()
{
    for (Control *control : {&c.ratioLabel, &c.drivingData, &c.drivenData, &c.middleData, &c.questionLabel,
                             &c.commentLabel, &c.clockBox, &c.faceImage})
        control->visible = false;
}

void MainWindowModel::startOrStopExercise()
{
    if (run.running()) {
        // Stopped by the pupil: no solution, no comment.
        clearDisplay();
        hideAnswerBox();
        run.end();
        endRun();
        return;
    }
    if (exam.running())
        return; // the button is disabled during an exam
    run.begin();
    startExercise();
}

void MainWindowModel::startExercise()
{
    c.faceImage.visible = false;
    c.difficultyMenu.enabled = false;
    drawRandomSelection();
    c.typeFrame.enabled = c.mechanismFrame.enabled = c.exerciseFrame.enabled = c.unitsMenu.enabled = false;
    c.commentLabel.visible = false;
    c.answerBox.caption.clear();
    generateValues();
    c.window.helpContext = selection.choice().mechanism + 50 + lang.helpBase();
    showExercise();
    run.startClock();
    c.clockBox.caption.clear();
    selectSolution();
    showAnswerBox();
    c.doneButton.enabled = true;
    if (selection.level() != 1)
        c.clockBox.visible = true;
}

void MainWindowModel::endRun()
{
    if (exam.running()) {
        // The level the pupil had ticked before the exam comes back with its preset.
        selection.endExam();
        applyDifficultyPreset();
    }
    run.end();
    exam.stop();
    if (selection.level() != 3)
        c.typeFrame.enabled = true;
    if (selection.level() != 3 && !selection.choice().randomMechanism)
        c.mechanismFrame.enabled = c.exerciseFrame.enabled = true;
    c.unitsMenu.enabled = c.difficultyMenu.enabled = true;
}

void MainWindowModel::startOrStopExam()
{
    if (exam.running()) {
        // Abandoned: nothing is shown or stored.
        clearDisplay();
        hideAnswerBox();
        endRun();
        return;
    }
    if (run.running())
        return; // the button is disabled while a single exercise runs
    exam.start();
    selection.beginExam();
    applyDifficultyPreset();
    startExercise();
}

void MainWindowModel::showWhatRuns()
{
    // A single exercise and an exam exclude each other; each one's button stops it.
    c.examButton.enabled = c.newExamItem.enabled = !run.running();
    c.exerciseButton.enabled = c.newExerciseItem.enabled = !exam.running();
}

void MainWindowModel::examStep()
{
    const bool correct = run.answerCorrect();
    // An answer given before the clock's first refresh still gets its time.
    const QString time = c.clockBox.caption.isEmpty() ? clockText(run.answerMs()) : c.clockBox.caption;
    if (!exam.record(correct, text(correct ? 341 : 342), time, run.answerMs(), run.seconds()))
        return;
    const auto row = std::size_t(exam.count());
    const Exam::Tables &tables = exam.tables();
    const QString message = text(343) + tables.results[row] + newLine + text(344) + tables.times[row] + newLine
        + text(345) + strSingle(tables.scores[row]);
    m_services.messageBox->show(MessageBoxService::Icon::Information, message, text(346) + strInt(exam.count()),
                                MessageBoxService::Buttons::Ok);
    if (!exam.complete()) {
        startExercise();
        return;
    }
    clearDisplay();
    finishExam();
}

void MainWindowModel::finishExam()
{
    hideAnswerBox();
    endRun();
    exam.finish();
    c.window.enabled = false;
    if (onExamFinished)
        onExamFinished();
}

void MainWindowModel::hideAnswerBox()
{
    c.answerLabel.visible = c.answerBox.visible = c.doneButton.visible = false;
}

void MainWindowModel::showAnswerBox()
{
    c.questionLabel.visible = true;
    c.answerLabel.visible = true;
    c.answerBox.caption.clear();
    c.answerBox.selStart = c.answerBox.selLength = 0;
    if (solutionsMode) {
        c.answerBox.caption
            = formatSignificant(st.solution, QStringLiteral("###0.0###"), systemDecimal(), kPrefillDigits);
        c.answerBox.selLength = int(c.answerBox.caption.size());
    }
    c.answerBox.visible = true;
    c.doneButton.visible = true;
    focusRequest = &c.answerBox;
}

void MainWindowModel::onAnswerKeyPressed(int &key)
{
    if (key == 13) {
        key = 0;
        onDoneClicked();
    }
}

void MainWindowModel::onDoneClicked()
{
    // Only an answer box on show can be answered.
    if (!c.answerBox.visible || !(run.running() || exam.running()))
        return;
    hideAnswerBox();
    if (run.judge(c.answerBox.caption, st.solution, st.level)) {
        writeSolution();
        showCorrectComment();
        c.commentLabel.visible = true;
        c.faceImage.visible = true;
        if (exam.running())
            examStep();
        else
            endRun();
    } else {
        handleWrongAnswer();
    }
}

} // namespace cinemoto
