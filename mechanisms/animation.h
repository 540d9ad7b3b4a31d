#pragma once

#include "mechanisms/drawing.h"

namespace cinemoto {

constexpr double kTwoPi = 6.2831853;

// The wheel centres of one mechanism, c1..c3 from index 1.
using Centres = std::array<double, 4>;
// One 100 ms step of a mechanism: the picture to show when the picture itself moves, else 0.
using Motion = int (*)(DrawingParts &, DrawingState &, const Centres &);

// Moves the parts of one mechanism by one 100 ms step. Returns the picture id to show
// when the step changes the picture itself (the universal joint), else 0.
int animateMechanism(DrawingParts &parts, DrawingState &state, int mechanism);

} // namespace cinemoto
