#include "mechanisms/selection.h"

#include "mechanisms/catalogue.h"

#include <array>

namespace cinemoto {

namespace {

constexpr std::array<LevelPreset, 3> kLevelPresets{{
    {true, false, false}, // easy: the pupil picks, nothing at random
    {true, true, false},  // normal: the pupil picks, or leaves it to chance
    {false, true, true},  // hard: everything at random
}};

} // namespace

const LevelPreset *Selection::preset(int level)
{
    if (level < 1 || level > int(kLevelPresets.size()))
        return nullptr;
    return &kLevelPresets[std::size_t(level - 1)];
}

std::int32_t Selection::drawMechanism(const std::function<bool(std::int32_t)> &accepted)
{
    std::int32_t mechanism = 0;
    do
        mechanism = std::int32_t(m_random.next() * mechanismCount) + 1;
    while (!accepted(mechanism));
    return mechanism;
}

std::int32_t Selection::drawExercise(std::int32_t mechanism)
{
    std::int32_t exercise = 0;
    do
        exercise = std::int32_t(m_random.next() * 5) + 1;
    while (exercise >= 4 && !hasFiveExercises(mechanism));
    return exercise;
}

std::int32_t Selection::drawUnits()
{
    return std::int32_t(m_random.next() * 2) + 1;
}

} // namespace cinemoto
