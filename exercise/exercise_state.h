#pragma once

#include "exercise/exercise.h"

#include <QString>
#include <array>
#include <cstdint>

namespace cinemoto {

// The record of the current exercise and run, owned by the main window.
// Times: startTime is a moment in ms since the epoch; clockTime, answerTime and
// examTime are durations in ms.
struct ExerciseState : Exercise
{
    QString ratioFormat;
    qint64 startTime = 0;
    std::int32_t elapsedSeconds = 0;
    qint64 clockTime = 0;
    qint64 answerTime = 0;
    qint64 examTime = 0;
    float answer = 0;
    bool answerCorrect = false;
    QString unitLabel; // text 201 in the current language, set at start-up
    bool examRunning = false;
    bool exerciseRunning = false;
    std::int32_t examCount = 0;
    bool relabelling = false;
    std::array<bool, 20> examUsed{}; // 1..19 used
};

} // namespace cinemoto
