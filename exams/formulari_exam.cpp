#include "app/formulari.h"

namespace cinemoto {

void Formulari::cmdExamen_Click()
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
    c.cmdNou.enabled = c.menNouexercici.enabled = false;
    st.level = 3;
    applyDifficultyPreset();
    st.examUsed.fill(False);
    st.examCount = 0;
    examScores[0] = 0;
    st.examTime = 0;
    startExercise();
}

} // namespace cinemoto
