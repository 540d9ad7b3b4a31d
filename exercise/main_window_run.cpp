#include "app/main_window_model.h"

#include "app/format.h"
#include "exercise/answer.h"
#include "exercise/feedback.h"
#include "exercise/judge.h"
#include "mechanisms/catalogue.h"

namespace cinemoto {

void MainWindowModel::clearDisplay()
{
    for (Control *control : {&c.ratioLabel, &c.drivingData, &c.drivenData, &c.middleData, &c.questionLabel,
                             &c.commentLabel, &c.clockBox, &c.faceImage})
        control->visible = false;
}

void MainWindowModel::startOrStopExercise()
{
    if (st.exerciseRunning) {
        // Stopped by the pupil: no solution, no comment.
        clearDisplay();
        hideAnswerBox();
        st.exerciseRunning = false;
        endRun();
        return;
    }
    if (st.examRunning)
        return; // the button is disabled during an exam
    st.exerciseRunning = true;
    c.examButton.enabled = c.newExamItem.enabled = false;
    readLevel();
    startExercise();
}

void MainWindowModel::startExercise()
{
    RandomService &random = *m_services.random;
    c.faceImage.visible = false;
    c.difficultyMenu.enabled = false;
    if (c.randomMechanismOption.value) {
        const auto draw = [&random] { return std::int32_t(random.next() * mechanismCount) + 1; };
        std::int32_t mechanism = draw();
        if (st.examRunning) {
            // At most four mechanisms are used when the fifth is drawn, so this ends.
            while (st.examUsed[std::size_t(mechanism)])
                mechanism = draw();
            st.examUsed[std::size_t(mechanism)] = true;
        }
        st.mechanism = mechanism;
        exerciseList();
    }
    if (c.randomExerciseOption.value) {
        do
            st.exercise = std::int32_t(random.next() * 5) + 1;
        while (st.exercise >= 4 && !hasFiveExercises(st.mechanism));
    }
    if (c.randomUnitsItem.value)
        st.units = std::int32_t(random.next() * 2) + 1;
    c.typeFrame.enabled = c.mechanismFrame.enabled = c.exerciseFrame.enabled = c.unitsMenu.enabled = false;
    c.commentLabel.visible = false;
    c.answerBox.caption.clear();
    generateValues();
    c.window.helpContext = st.mechanism + 50 + lang.helpBase();
    showExercise();
    st.startTime = m_services.clock->nowMs();
    st.clockTime = 0;
    c.clockBox.caption.clear();
    selectSolution();
    showAnswerBox();
    c.doneButton.enabled = true;
    if (st.level != 1)
        c.clockBox.visible = true;
}

void MainWindowModel::endRun()
{
    if (st.examRunning) {
        // The level the pupil had ticked before the exam comes back with its preset.
        readLevel();
        applyDifficultyPreset();
    }
    st.exerciseRunning = false;
    st.examRunning = false;
    c.exerciseButton.enabled = c.newExerciseItem.enabled = c.examButton.enabled = c.newExamItem.enabled = true;
    if (st.level != 3)
        c.typeFrame.enabled = true;
    if (st.level != 3 && !c.randomMechanismOption.value)
        c.mechanismFrame.enabled = c.exerciseFrame.enabled = true;
    c.unitsMenu.enabled = c.difficultyMenu.enabled = true;
}

void MainWindowModel::scoreExercise()
{
    examScores[std::size_t(st.examCount)] = scoreForSeconds(st.elapsedSeconds);
}

void MainWindowModel::examStep()
{
    if (st.examCount >= 5)
        return;
    ++st.examCount;
    const auto slot = std::size_t(st.examCount);
    // An answer given before the clock's first refresh still gets its time.
    examTimes[slot] = c.clockBox.caption.isEmpty() ? clockText(st.answerTime) : c.clockBox.caption;
    if (st.answerCorrect) {
        examResults[slot] = text(341);
        scoreExercise();
    } else {
        examResults[slot] = text(342);
        examScores[slot] = 0;
    }
    examScores[0] += examScores[slot];
    st.examTime += st.answerTime;
    const QString message = text(343) + examResults[slot] + newLine + text(344) + examTimes[slot] + newLine
        + text(345) + strSingle(examScores[slot]);
    m_services.messageBox->show(MessageBoxService::Icon::Information, message, text(346) + strInt(st.examCount),
                                MessageBoxService::Buttons::Ok);
    if (st.examCount != 5) {
        startExercise();
        return;
    }
    examTimes[0] = clockText(st.examTime);
    clearDisplay();
    finishExam();
}

void MainWindowModel::finishExam()
{
    hideAnswerBox();
    endRun();
    examResultWaiting = true;
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

void MainWindowModel::checkAnswer()
{
    st.answerCorrect = judge(st.answer, st);
}

void MainWindowModel::onDoneClicked()
{
    // Only an answer box on show can be answered.
    if (!c.answerBox.visible || !(st.exerciseRunning || st.examRunning))
        return;
    st.answerTime = st.clockTime;
    hideAnswerBox();
    const std::optional<float> typed = parseAnswer(c.answerBox.caption);
    if (typed) {
        st.answer = *typed;
        checkAnswer();
    } else {
        // Too large to be held: never right.
        st.answerCorrect = false;
    }
    if (st.answerCorrect) {
        writeSolution();
        st.elapsedSeconds = clockSeconds(st.answerTime);
        showCorrectComment();
        c.commentLabel.visible = true;
        c.faceImage.visible = true;
        if (st.examRunning)
            examStep();
        else
            endRun();
    } else {
        handleWrongAnswer();
    }
}

} // namespace cinemoto
