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

// The record of the current exercise, owned by the main window.
// Speeds in rad/s, lengths in mm, forces in N, masses in kg.
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
    bool easyVariant = false;
    float solution = 0;
    float unitFactor = kRpmFactor;
    QString unitLabel; // text 201 in the current language, set at start-up
    std::array<bool, 7> randomChoices{}; // 1..6 used
    std::int32_t choiceIndex = 0;
    bool relabelling = false;
};

} // namespace cinemoto
