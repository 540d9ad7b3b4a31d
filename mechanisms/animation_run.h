#pragma once

#include "mechanisms/drawing.h"

namespace cinemoto {

// The moving drawing over the mechanism's picture: its parts, advanced one step a tick.
// After a change of mechanism or mirroring the drawing is hidden until the next tick has
// placed every part, so no half-moved frame is seen.
class AnimationRun
{
public:
    DrawingParts parts;
    DrawingState drawing;

    void layOut() { initialLayout(parts, drawing); }
    void showMechanism(int mechanism) { showParts(parts, drawing, mechanism); }
    // The wheels placed afresh; the drawing waits for the next tick to be shown.
    void placeWheels(int mechanism);
    // The drawing mirrored or not; true when that changed it.
    bool mirror(bool mirrored);

    // What one tick changed: the picture to show (0 for the same), and whether the drawing
    // appears again after a change.
    struct Frame
    {
        int picture = 0;
        bool reveal = false;
    };
    Frame tick(int mechanism, int shownPicture);

    bool pending() const { return m_pending; }
    // The last tick changed what the picture area shows.
    bool moved() const { return m_moved; }

private:
    bool m_pending = true;
    bool m_moved = false;
};

} // namespace cinemoto
