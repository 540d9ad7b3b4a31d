#pragma once

#include "mechanisms/animation.h"

#include <cmath>

// What the motions of several mechanisms share: phases, turning wheels, marks on wheels.
namespace cinemoto {

// Fixed cosine/sine pairs of the angular pitches, so that a wheel costs one sine and
// one cosine per tick whatever its number of teeth.
struct Step
{
    double cos, sin;
};
constexpr Step k36{0.809, 0.5878};
constexpr Step k24{0.9135, 0.4067};
constexpr Step k18{0.9511, 0.309};
constexpr Step k9{0.9877, 0.1564};

// Adds the step, wrapping once past two pi.
void advance(double &phase, double step);

// A part that goes to and fro: past a limit, its course is the one given for that limit;
// between the limits it keeps its course.
inline void turnAtLimits(std::int16_t &course, double value, double low, std::int16_t onceBelow, double high,
                         std::int16_t onceAbove)
{
    if (value > high)
        course = onceAbove;
    if (value < low)
        course = onceBelow;
}

struct Rotor
{
    double c, s;
    explicit Rotor(double phase)
        : c(std::cos(phase))
        , s(std::sin(phase))
    {
    }
    void turn(const Step &d)
    {
        const double s2 = s * d.cos + c * d.sin;
        const double c2 = c * d.cos - s * d.sin;
        s = s2;
        c = c2;
    }
};

// Left = c R + cx - hl, Top = cy + sense s R - ht.
void place(Shape &part, const Rotor &r, double radius, double cx, double cy, int sense, double hl, double ht);

// The teeth 1..N-1 of a wheel, one pitch apart from the phase on.
template <std::size_t N>
void wheel(std::array<Shape, N> &parts, double phase, double radius, double cx, double cy, int sense,
           const Step &pitch)
{
    Rotor r(phase);
    for (std::size_t k = 1; k < N; ++k) {
        place(parts[k], r, radius, cx, cy, sense, 128, 128);
        r.turn(pitch);
    }
}

// A mark on a pulley or friction wheel.
void mark(Shape &part, double phase, double radius, double cx, double cy, int sense, double topOffset);

// The belt and the friction drive turn one mark on each wheel; a friction drive's driven
// wheel turns the other way.
struct TwoWheelDrive
{
    double smallRadius, largeRadius, axisHeight;
    int drivenSense;
};
void twoWheelDrive(DrawingParts &p, DrawingState &st, const Centres &c, const TwoWheelDrive &d);

// A motion that only moves parts, never the picture.
template <void (*step)(DrawingParts &, DrawingState &)>
int partsOnly(DrawingParts &p, DrawingState &st, const Centres &)
{
    step(p, st);
    return 0;
}

} // namespace cinemoto
