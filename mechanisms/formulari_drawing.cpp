#include "app/formulari.h"

#include "app/format.h"
#include "mechanisms/animation.h"

namespace cinemoto {

void Formulari::setWheelCentres()
{
    c.imgMeca.visible = false;
    picturePending = true;
    fillWheelCentres(drawing, st.mechanism);
}

void Formulari::showMechanismParts(int mechanism)
{
    showParts(parts, drawing, mechanism);
    // A playing loop follows the new mechanism instead of stopping.
    if (soundOn) {
        soundOn = false;
        cmdSo_Click();
    }
}

void Formulari::loadMechanismPicture(bool mirror)
{
    if (!mirrorsPicture(st.mechanism))
        return;
    c.imgMeca.picture = 50 + st.mechanism;
    c.imgMeca.pictureMirrored = mirror;
    if (mirror != drawing.mirrored) {
        drawing.mirrored = mirror;
        drawing.motionSign = mirror ? -1 : 1;
        setWheelCentres();
    }
}

void Formulari::mechanismChangeSequence()
{
    drawing.mirrored = false;
    setWheelCentres();
    c.imgMeca.picture = 50 + st.mechanism;
    c.imgMeca.pictureMirrored = false;
    showMechanismParts(st.mechanism);
}

void Formulari::timAnima_Timer()
{
    if (isTrue(st.exerciseRunning) || isTrue(st.examRunning)) {
        st.clockTime = m_services.clock->nowMs() - st.startTime;
        c.txtTemps.caption = clockText(st.clockTime);
    }
    // Only the universal joint can have a tick in which nothing moves.
    drawingMoved = st.mechanism != 6;
    if (const int picture = animateMechanism(parts, drawing, st.mechanism)) {
        drawingMoved = drawingMoved || picture != c.imgMeca.picture;
        c.imgMeca.picture = picture;
    }
    if (picturePending) {
        c.imgMeca.visible = true;
        picturePending = false;
        drawingMoved = true;
    }
}

} // namespace cinemoto
