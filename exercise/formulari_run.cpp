#include "app/formulari.h"

#include "app/format.h"
#include "exercise/answer.h"
#include "exercise/feedback.h"
#include "mechanisms/catalogue.h"

namespace cinemoto {

void Formulari::clearDisplay()
{
    for (Control *control : {&c.lblRelacio, &c.txtMotor, &c.txtResistent, &c.txtCentral, &c.lblPregunta,
                             &c.lblComentari, &c.txtTemps, &c.imgCara})
        control->visible = false;
}

void Formulari::cmdNou_Click()
{
    if (isTrue(st.exerciseRunning)) {
        // Stopped by the pupil: no solution, no comment.
        clearDisplay();
        hideAnswerBox();
        st.exerciseRunning = False;
        endRun();
        return;
    }
    if (isTrue(st.examRunning))
        return; // the button is disabled during an exam
    st.exerciseRunning = True;
    c.cmdexamen.enabled = c.menNouexamen.enabled = false;
    readLevel();
    startExercise();
}

void Formulari::startExercise()
{
    RandomService &random = *m_services.random;
    c.imgCara.visible = false;
    c.menNivell.enabled = false;
    if (c.optAleatorisist.value) {
        const auto draw = [&random] { return std::int32_t(random.next() * mechanismCount) + 1; };
        std::int32_t mechanism = draw();
        if (isTrue(st.examRunning)) {
            // At most four mechanisms are used when the fifth is drawn, so this ends.
            while (isTrue(st.examUsed[std::size_t(mechanism)]))
                mechanism = draw();
            st.examUsed[std::size_t(mechanism)] = True;
        }
        st.mechanism = mechanism;
        exerciseList();
    }
    if (c.optAleatoriexer.value) {
        do
            st.exercise = std::int32_t(random.next() * 5) + 1;
        while (st.exercise >= 4 && !hasFiveExercises(st.mechanism));
    }
    if (c.optAleatoriunit.value)
        st.units = std::int32_t(random.next() * 2) + 1;
    c.fratipo.enabled = c.fraSistema.enabled = c.fraExercici.enabled = c.fraUnitats.enabled = false;
    c.lblComentari.visible = false;
    c.txtSolucio.caption.clear();
    generateValues();
    c.form.helpContext = st.mechanism + 50 + lang.helpBase();
    showExercise();
    st.startTime = m_services.clock->nowMs();
    st.clockTime = 0;
    c.txtTemps.caption.clear();
    selectSolution();
    showAnswerBox();
    c.cmdFet.enabled = true;
    if (st.level != 1)
        c.txtTemps.visible = true;
}

void Formulari::endRun()
{
    if (isTrue(st.examRunning)) {
        // The level the pupil had ticked before the exam comes back with its preset.
        readLevel();
        applyDifficultyPreset();
    }
    st.exerciseRunning = False;
    st.examRunning = False;
    c.cmdNou.enabled = c.menNouexercici.enabled = c.cmdexamen.enabled = c.menNouexamen.enabled = true;
    if (st.level != 3)
        c.fratipo.enabled = true;
    if (st.level != 3 && !c.optAleatorisist.value)
        c.fraSistema.enabled = c.fraExercici.enabled = true;
    c.fraUnitats.enabled = c.menNivell.enabled = true;
}

void Formulari::scoreExercise()
{
    examScores[std::size_t(st.examCount)] = scoreForSeconds(st.elapsedSeconds);
}

void Formulari::examStep()
{
    if (st.examCount >= 5)
        return;
    ++st.examCount;
    const auto slot = std::size_t(st.examCount);
    // An answer given before the clock's first refresh still gets its time.
    examTimes[slot] = c.txtTemps.caption.isEmpty() ? clockText(st.answerTime) : c.txtTemps.caption;
    if (isTrue(st.answerCorrect)) {
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

void Formulari::finishExam()
{
    hideAnswerBox();
    endRun();
    examResultWaiting = true;
    c.form.enabled = false;
    if (onExamFinished)
        onExamFinished();
}

void Formulari::hideAnswerBox()
{
    c.lblSolucio.visible = c.txtSolucio.visible = c.cmdFet.visible = false;
}

void Formulari::showAnswerBox()
{
    c.lblPregunta.visible = true;
    c.lblSolucio.visible = true;
    c.txtSolucio.caption.clear();
    c.txtSolucio.selStart = c.txtSolucio.selLength = 0;
    if (solutionsMode) {
        c.txtSolucio.caption
            = formatSignificant(st.solution, QStringLiteral("###0.0###"), systemDecimal(), kPrefillDigits);
        c.txtSolucio.selLength = int(c.txtSolucio.caption.size());
    }
    c.txtSolucio.visible = true;
    c.cmdFet.visible = true;
    focusRequest = &c.txtSolucio;
}

void Formulari::txtSolucio_KeyPress(int &key)
{
    if (key == 13) {
        key = 0;
        cmdFet_Click();
    }
}

void Formulari::checkAnswer()
{
    st.answerCorrect = truth(answerWithinTolerance(st.answer, st.solution, st.level));
}

void Formulari::cmdFet_Click()
{
    // Only an answer box on show can be answered.
    if (!c.txtSolucio.visible || !(isTrue(st.exerciseRunning) || isTrue(st.examRunning)))
        return;
    st.answerTime = st.clockTime;
    hideAnswerBox();
    const std::optional<float> typed = parseAnswer(c.txtSolucio.caption);
    if (typed) {
        st.answer = *typed;
        checkAnswer();
    } else {
        // Too large to be held: never right.
        st.answerCorrect = False;
    }
    if (isTrue(st.answerCorrect)) {
        writeSolution();
        st.elapsedSeconds = clockSeconds(st.answerTime);
        showCorrectComment();
        c.lblComentari.visible = true;
        c.imgCara.visible = true;
        if (isTrue(st.examRunning))
            examStep();
        else
            endRun();
    } else {
        handleWrongAnswer();
    }
}

} // namespace cinemoto
