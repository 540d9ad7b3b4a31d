#include "app/main_window_model.h"

namespace cinemoto {

void MainWindowModel::startOrStopExam()
{
    if (isTrue(st.examRunning)) {
        // Abandoned: nothing is shown or stored.
        clearDisplay();
        hideAnswerBox();
        endRun();
        return;
    }
    if (isTrue(st.exerciseRunning))
        return; // the button is disabled while a single exercise runs
    st.examRunning = True;
    c.exerciseButton.enabled = c.newExerciseItem.enabled = false;
    st.level = 3;
    applyDifficultyPreset();
    st.examUsed.fill(False);
    st.examCount = 0;
    examScores[0] = 0;
    st.examTime = 0;
    startExercise();
}

} // namespace cinemoto
