#pragma once

#include "app/platform/services.h"

#include <cstdint>
#include <functional>

namespace cinemoto {

// What a difficulty level offers the pupil, one row per level.
struct LevelPreset
{
    bool manualChoices;  // type, mechanism and exercise are the pupil's to pick
    bool randomOffered;  // the random options can be used
    bool randomSelected; // everything, units too, is drawn at random
};

// The choice of what to practise: the preset of each level and the random draws of a run.
// The draws of one run come in a fixed order, mechanism, exercise, units, each only when
// it is left to chance, so a seeded source gives the same run every time.
class Selection
{
public:
    explicit Selection(RandomService &random) : m_random(random) {}

    // The preset of level 1..3; none outside.
    static const LevelPreset *preset(int level);

    // A mechanism 1..19 that the filter accepts; drawn again until it does.
    std::int32_t drawMechanism(const std::function<bool(std::int32_t)> &accepted);
    // An exercise the mechanism has.
    std::int32_t drawExercise(std::int32_t mechanism);
    // 1 for rpm, 2 for rad/s.
    std::int32_t drawUnits();

private:
    RandomService &m_random;
};

} // namespace cinemoto
