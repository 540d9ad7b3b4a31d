#include "mechanisms/animation_run.h"

#include "mechanisms/animation.h"

namespace cinemoto {

void AnimationRun::placeWheels(int mechanism)
{
    m_pending = true;
    fillWheelCentres(drawing, mechanism);
}

bool AnimationRun::mirror(bool mirrored)
{
    if (mirrored == drawing.mirrored)
        return false;
    drawing.mirrored = mirrored;
    drawing.motionSign = mirrored ? -1 : 1;
    return true;
}

AnimationRun::Frame AnimationRun::tick(int mechanism, int shownPicture)
{
    Frame frame;
    // Only the universal joint can have a tick in which nothing moves.
    m_moved = mechanism != 6;
    if (const int picture = animateMechanism(parts, drawing, mechanism)) {
        m_moved = m_moved || picture != shownPicture;
        frame.picture = picture;
    }
    if (m_pending) {
        frame.reveal = true;
        m_pending = false;
        m_moved = true;
    }
    return frame;
}

} // namespace cinemoto
