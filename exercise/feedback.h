#pragma once

#include <cstdint>
#include <vector>

namespace cinemoto {

// What a correct answer earns: the comment (text ids joined in order, 0 standing for the
// seconds), the face and the feedback sound (0 for none).
struct CorrectComment
{
    std::vector<int> parts;
    int face = 0;
    int sound = 0;
    bool valid = false; // false for a level outside 1..3: nothing changes
};

CorrectComment correctComment(int level, std::int32_t seconds);

// The comment that ends a failed exercise at the level.
int wrongComment(int level);

// Points of a correct exam exercise answered in the given seconds: 2 at once, down to 0.5.
float scoreForSeconds(std::int32_t seconds);

} // namespace cinemoto
