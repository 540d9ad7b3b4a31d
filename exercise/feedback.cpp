#include "exercise/feedback.h"

namespace cinemoto {

CorrectComment correctComment(int level, std::int32_t s)
{
    switch (level) {
    case 1:
        return {{181}, 41, 1, true};
    case 2:
        if (s >= 120)
            return {{182, 203}, 42, 2, true};
        if (s >= 60)
            return {{183, 203}, 41, 1, true};
        return {{184, 0, 185}, 41, 1, true};
    case 3:
        if (s >= 120)
            return {{182, 203}, 43, 0, true};
        if (s >= 60)
            return {{186, 203}, 42, 2, true};
        if (s >= 40)
            return {{187, 0, 188}, 41, 1, true};
        if (s >= 20)
            return {{189, 0, 188}, 41, 1, true};
        return {{190, 0, 185}, 41, 1, true};
    default:
        return {};
    }
}

int wrongComment(int level)
{
    switch (level) {
    case 1:
        return 194;
    case 2:
        return 196;
    case 3:
        return 192;
    default:
        return 0;
    }
}

float scoreForSeconds(std::int32_t s)
{
    if (s > 300)
        return 0.5f;
    return float((300.0 - s) * 1.5 / 300 + 0.5);
}

} // namespace cinemoto
