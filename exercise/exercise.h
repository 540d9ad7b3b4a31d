#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace cinemoto {

constexpr float kPi = 3.1415927f;
constexpr float kGravity = 9.8f;
constexpr float kRpmFactor = 9.549297f;
// Significant digits kept by every number on screen below 1, and by the answer box
// filled in for the teacher: enough to work the exercise out within its tolerance.
constexpr int kShownDigits = 3;
constexpr int kPrefillDigits = 4;

// A fresh draw from the random generator, uniform in [0, 1).
using Draw = std::function<float()>;

// What the pupil chose before starting: everything an exercise is made from besides the draws.
struct ExerciseChoice
{
    std::int32_t mechanism = 17;
    std::int32_t exercise = 1;
    std::int32_t level = 2;
    std::int32_t units = 1; // 1 rpm, 2 rad/s
    bool randomUnits = false;
};

// One exercise as a value: what was chosen, the values drawn and derived, what is shown
// and the answer expected. Speeds in rad/s, lengths in mm, forces in N, masses in kg.
struct Exercise
{
    std::int32_t level = 2;
    std::int32_t mechanism = 17;
    std::int32_t exercise = 1;
    std::int32_t units = 1;
    bool randomUnits = false;
    float motorValue = 0;
    float resistantValue = 0;
    float centralValue = 0;
    std::int32_t motorSize = 0;
    std::int32_t smallSize = 0;
    std::int32_t largeSize = 0;
    std::int32_t resistantSize = 0;
    std::int32_t centralSize = 0;
    float ratio = 0;
    // The larger count drives; the picture of a mirrored mechanism shows it so.
    bool largeDrives = false;
    // Which of the two data variants is shown, and the coin tosses that pick the other
    // choices of the screen (a unit per speed with random units, which side is hidden).
    bool easyVariant = false;
    std::array<bool, 7> randomChoices{}; // 1..6 used
    // The speed unit of the question, which the answer is expected in.
    float unitFactor = kRpmFactor;
    float solution = 0;
};

// A new exercise from the choice and the draws, taken always in the same order: the
// values, the data variant, then the six coin tosses.
Exercise generateExercise(const ExerciseChoice &choice, const Draw &random);

} // namespace cinemoto
