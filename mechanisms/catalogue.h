#pragma once

#include <array>

namespace cinemoto {

constexpr int mechanismCount = 19;

struct MechanismInfo
{
    int type;            // 1 simple machine, 2 motion transmission, 3 motion transformation
    int position;        // top-to-bottom place among the mechanisms of its type
    int exerciseCount;   // 3 or 5
    std::array<int, 5> exerciseNames; // Catalan text ids, 0 where there is no exercise
};

// Mechanism n (1..19); its name is text 400 + n.
const MechanismInfo &mechanismInfo(int mechanism);

// The mechanism shown first when a type is chosen: the one in position 1.
int defaultMechanism(int type);

bool hasFiveExercises(int mechanism);

} // namespace cinemoto
