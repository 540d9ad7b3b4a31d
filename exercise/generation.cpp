#include "exercise/generation.h"

#include <cmath>

namespace cinemoto {

namespace {
constexpr double kPiD = 3.1415927;
constexpr double kG = 9.8;

std::int32_t drawCount(const Draw &random, double span, double from)
{
    return nearest(double(random()) * span + from);
}
} // namespace

std::int32_t nearest(double x)
{
    return std::int32_t(std::nearbyint(x));
}

bool drawValues(ExerciseState &st, const Draw &random)
{
    const int m = st.mechanism;
    std::int32_t a = drawCount(random, 450, 51);
    std::int32_t b = drawCount(random, 46, 5);
    const float s = float(double(random()) * 50 + 1);
    float t = float(double(s) * a / b);
    if (m == 12) {
        // No count of the driven wheel can be below 51; draw the other count again then,
        // so that the draw always ends.
        while (a <= 51)
            a = drawCount(random, 450, 51);
        do
            b = drawCount(random, 450, 51);
        while (a <= b);
        t = float(double(s) * a / b);
    }
    if (m == 13 || m == 14) {
        const double stage = double(a) / b;
        t = float(stage * stage * s);
    }

    const bool side = random() < 0.5f;
    if (side) {
        st.motorSize = a;
        st.motorValue = s;
        st.resistantValue = t;
        st.resistantSize = b;
    } else {
        st.motorValue = t;
        st.resistantValue = s;
        st.motorSize = b;
        st.resistantSize = a;
    }
    st.ratio = float(double(st.resistantValue) / st.motorValue);

    switch (m) {
    case 6:
        st.resistantValue = st.motorValue;
        st.ratio = 1;
        break;
    case 7:
        st.motorSize = b;
        st.motorValue = float(double(s) / 5);
        st.resistantSize = nearest(double(a) / 10);
        st.resistantValue = float(double(st.motorValue) * st.resistantSize / 2);
        st.ratio = float(st.resistantSize * kPiD / st.motorSize);
        break;
    case 8:
        st.motorValue = t;
        st.motorSize = nearest(double(b) / 10 + 1);
        st.resistantSize = nearest(double(a) / 10);
        st.resistantValue = float(double(st.motorValue) * st.motorSize / kPiD / st.resistantSize);
        st.ratio = float(double(st.resistantValue) / st.motorValue);
        break;
    case 9:
        st.motorValue = s;
        st.ratio = float(double(b) / 30);
        st.resistantValue = float(double(s) / 2 / kPiD * st.ratio);
        break;
    case 10:
        st.ratio = float(2.0 * b);
        st.motorValue = s;
        st.resistantValue = float(double(st.ratio) * s / kPiD);
        st.resistantSize = nearest(double(st.ratio) * random() + 1);
        st.motorSize = nearest(double(st.ratio) + st.resistantSize);
        break;
    case 11:
        st.ratio = float(2.0 * b);
        st.motorValue = s;
        st.resistantValue = float(double(st.ratio) * s / kPiD);
        st.resistantSize = nearest(double(st.resistantValue) * kPiD / 2);
        st.motorSize = nearest(double(st.ratio) / 2);
        break;
    case 12:
        st.centralSize = drawCount(random, 46, 5);
        st.centralValue = float(double(s) * a / st.centralSize);
        break;
    case 13:
    case 14:
        st.smallSize = std::min(st.motorSize, st.resistantSize);
        st.largeSize = std::max(st.motorSize, st.resistantSize);
        break;
    case 16:
        st.motorValue = s;
        st.motorSize = 10 * st.motorSize;
        // At least 1 mm: the smallest, 20 B^2 / A with B = 5 and A = 501, is 0.998.
        st.resistantSize = nearest(double(s) * 2 * st.motorSize / t);
        st.ratio = float(2.0 * st.motorSize / st.resistantSize);
        // The load comes from the whole-millimetre drum shown, so that
        // F x arm = m g x D / 2 holds for the numbers on screen.
        st.resistantValue = float(double(st.motorValue) * st.ratio / kG);
        break;
    case 17:
        st.ratio = 1;
        st.resistantValue = float(double(st.motorValue) / kG);
        st.motorSize = 5 * st.motorSize;
        st.resistantSize = st.motorSize;
        break;
    case 18:
        st.ratio = 2;
        st.resistantValue = float(2.0 * st.motorValue / kG);
        st.resistantSize = 5 * st.resistantSize;
        st.motorSize = 2 * st.resistantSize;
        break;
    case 19:
        st.motorValue = s;
        st.resistantValue = float(double(t) / kG);
        st.ratio = float(double(t) / s);
        st.motorSize = 5 * a;
        st.resistantSize = 5 * b;
        break;
    default:
        break;
    }
    return side;
}

void chooseEasyVariant(ExerciseState &st, const Draw &random)
{
    switch (st.level) {
    case 1:
        st.easyVariant = true;
        break;
    case 2:
        st.easyVariant = (random() < 0.5f);
        break;
    case 3:
        st.easyVariant = false;
        break;
    default:
        break;
    }
}

float solutionFor(const ExerciseState &st, float previous)
{
    const int m = st.mechanism;
    const bool simpleMachine = m >= 15 && m <= 19;
    const auto speed = [&st](float value) { return float(double(st.unitFactor) * value); };
    switch (st.exercise) {
    case 1:
        return st.ratio;
    case 2:
        if (m == 7)
            return st.resistantValue;
        if (simpleMachine)
            return st.motorValue;
        return speed(st.motorValue);
    case 3:
        if (m == 7)
            return speed(st.motorValue);
        if (m == 9 || m == 10 || m == 11 || simpleMachine)
            return st.resistantValue;
        return speed(st.resistantValue);
    case 4:
        if (m == 13 || m == 14)
            return float(st.smallSize);
        if (m == 6 || m == 9)
            return previous;
        return float(st.motorSize);
    case 5:
        if (m == 13 || m == 14)
            return float(st.largeSize);
        if (m == 6 || m == 9)
            return previous;
        return float(st.resistantSize);
    default:
        return previous;
    }
}

} // namespace cinemoto
