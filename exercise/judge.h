#pragma once

#include "exercise/exercise.h"

namespace cinemoto {

// Whether the pupil's answer is right: within the tolerance of the exercise's level.
bool judge(float answer, const Exercise &exercise);

} // namespace cinemoto
