#pragma once

#include "exercise/exercise_state.h"

#include <functional>

namespace cinemoto {

// A fresh draw from the random generator, uniform in [0, 1).
using Draw = std::function<float()>;

// Whole number nearest to x, halves to the even neighbour.
std::int32_t nearest(double x);

// Draws the values of a new exercise of st.mechanism and derives every dependent value.
// Returns the side choice (true: the larger count drives), which also decides whether the
// picture is drawn mirrored.
bool drawValues(ExerciseState &st, const Draw &random);

// Which of the two data variants the exercise shows, by level.
void chooseEasyVariant(ExerciseState &st, const Draw &random);

// The value the pupil's answer is judged against; speeds in the unit of st.unitFactor.
// Exercises 4 and 5 of the universal joint and the screw do not exist: `previous` is kept.
float solutionFor(const ExerciseState &st, float previous);

} // namespace cinemoto
