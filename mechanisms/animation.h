#pragma once

#include "mechanisms/drawing.h"

namespace cinemoto {

constexpr double kTwoPi = 6.2831853;

// Moves the parts of one mechanism by one 100 ms step. Returns the picture id to show
// when the step changes the picture itself (the universal joint), else 0.
int animateMechanism(DrawingParts &parts, DrawingState &state, int mechanism);

} // namespace cinemoto
