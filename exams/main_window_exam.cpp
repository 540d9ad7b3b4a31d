#include "app/main_window_model.h"

namespace cinemoto {

void MainWindowModel::startOrStopExam()
{
    if (st.examRunning) {
        // Abandoned: nothing is shown or stored.
        clearDisplay();
        hideAnswerBox();
        endRun();
        return;
    }
    if (st.exerciseRunning)
        return; // the button is disabled while a single exercise runs
    st.examRunning = true;
    c.exerciseButton.enabled = c.newExerciseItem.enabled = false;
    st.level = 3;
    applyDifficultyPreset();
    st.examUsed.fill(false);
    st.examCount = 0;
    examScores[0] = 0;
    st.examTime = 0;
    startExercise();
}

} // namespace cinemoto
