#include "app/main_window_model.h"

#include "app/format.h"
#include "mechanisms/animation.h"

namespace cinemoto {

void MainWindowModel::setWheelCentres()
{
    c.pictureArea.visible = false;
    picturePending = true;
    fillWheelCentres(drawing, st.mechanism);
}

void MainWindowModel::showMechanismParts(int mechanism)
{
    showParts(parts, drawing, mechanism);
    // A playing loop follows the new mechanism instead of stopping.
    if (soundOn) {
        soundOn = false;
        onSoundButtonClicked();
    }
}

void MainWindowModel::loadMechanismPicture(bool mirror)
{
    if (!mirrorsPicture(st.mechanism))
        return;
    c.pictureArea.picture = 50 + st.mechanism;
    c.pictureArea.pictureMirrored = mirror;
    if (mirror != drawing.mirrored) {
        drawing.mirrored = mirror;
        drawing.motionSign = mirror ? -1 : 1;
        setWheelCentres();
    }
}

void MainWindowModel::mechanismChangeSequence()
{
    drawing.mirrored = false;
    setWheelCentres();
    c.pictureArea.picture = 50 + st.mechanism;
    c.pictureArea.pictureMirrored = false;
    showMechanismParts(st.mechanism);
}

void MainWindowModel::onAnimationTick()
{
    if (st.exerciseRunning || st.examRunning) {
        st.clockTime = m_services.clock->nowMs() - st.startTime;
        c.clockBox.caption = clockText(st.clockTime);
    }
    // Only the universal joint can have a tick in which nothing moves.
    drawingMoved = st.mechanism != 6;
    if (const int picture = animateMechanism(parts, drawing, st.mechanism)) {
        drawingMoved = drawingMoved || picture != c.pictureArea.picture;
        c.pictureArea.picture = picture;
    }
    if (picturePending) {
        c.pictureArea.visible = true;
        picturePending = false;
        drawingMoved = true;
    }
}

} // namespace cinemoto
