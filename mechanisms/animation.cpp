#include "mechanisms/animation.h"

#include "mechanisms/rules/rules.h"

namespace cinemoto {

int animateMechanism(DrawingParts &p, DrawingState &st, int mechanism)
{
    const Motion motion = rulesFor(mechanism).drawing.motion;
    if (!motion)
        return 0;
    return motion(p, st, st.centres[std::size_t(mechanism)]);
}

} // namespace cinemoto
