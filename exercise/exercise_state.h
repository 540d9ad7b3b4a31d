#pragma once

#include "exercise/exercise.h"

#include <QString>

namespace cinemoto {

// The current exercise as the main window shows it: the exercise itself, the ratio's
// format and the speed unit of the current language.
struct ExerciseState : Exercise
{
    QString ratioFormat;
    QString unitLabel; // text 201 in the current language, set at start-up
    bool relabelling = false;
};

} // namespace cinemoto
