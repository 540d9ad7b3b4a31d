#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace cinemoto {

constexpr float kPi = 3.1415927f;
constexpr float kGravity = 9.8f;
constexpr float kRpmFactor = 9.549297f;
// Significant digits kept by every number on screen below 1, and by the answer box
// filled in for the teacher: enough to work the exercise out within its tolerance.
constexpr int kShownDigits = 3;
constexpr int kPrefillDigits = 4;

// The record of the current exercise and run, owned by the main window.
// Speeds in rad/s, lengths in mm, forces in N, masses in kg.
// Times: startTime is a moment in ms since the epoch; clockTime, answerTime and
// examTime are durations in ms.
struct ExerciseState
{
    std::int32_t level = 2;
    std::int32_t mechanism = 17;
    std::int32_t exercise = 1;
    std::int32_t units = 1;
    float motorValue = 0;
    float resistantValue = 0;
    float centralValue = 0;
    std::int32_t motorSize = 0;
    std::int32_t smallSize = 0;
    std::int32_t largeSize = 0;
    std::int32_t resistantSize = 0;
    std::int32_t centralSize = 0;
    float ratio = 0;
    QString ratioFormat;
    qint64 startTime = 0;
    std::int32_t elapsedSeconds = 0;
    qint64 clockTime = 0;
    qint64 answerTime = 0;
    qint64 examTime = 0;
    bool easyVariant = false;
    float solution = 0;
    float answer = 0;
    bool answerCorrect = false;
    float unitFactor = kRpmFactor;
    QString unitLabel; // text 201 in the current language, set at start-up
    bool examRunning = false;
    bool exerciseRunning = false;
    std::int32_t examCount = 0;
    std::array<bool, 7> randomChoices{}; // 1..6 used
    std::int32_t choiceIndex = 0;
    bool relabelling = false;
    std::array<bool, 20> examUsed{}; // 1..19 used
};

} // namespace cinemoto
