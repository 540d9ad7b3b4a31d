#pragma once

#include "exercise/exercise_state.h"

namespace cinemoto {

// Whole number nearest to x, halves to the even neighbour.
std::int32_t nearest(double x);

// The whole number nearest to a uniform draw between `from` and `from + span`.
std::int32_t drawCount(const Draw &random, double span, double from);

// Draws the values of a new exercise of e.mechanism and derives every dependent value by
// the mechanism's rules. Returns the side choice (true: the larger count drives), which
// also decides whether the picture is drawn mirrored.
bool drawValues(Exercise &e, const Draw &random);

// Which of the two data variants the exercise shows, by level.
void chooseEasyVariant(Exercise &e, const Draw &random);

// The value the pupil's answer is judged against: the one its solution sentence states,
// speeds in the unit of e.unitFactor. An exercise that does not exist keeps `previous`.
float solutionFor(const Exercise &e, float previous);

} // namespace cinemoto
