#include "mechanisms/motion.h"

namespace cinemoto {

void advance(double &phase, double step)
{
    phase += step;
    if (phase > kTwoPi)
        phase -= kTwoPi;
}

void place(Shape &part, const Rotor &r, double radius, double cx, double cy, int sense, double hl, double ht)
{
    part.left = float(r.c * radius + cx - hl);
    part.top = float(cy + sense * r.s * radius - ht);
}

void mark(Shape &part, double phase, double radius, double cx, double cy, int sense, double topOffset)
{
    place(part, Rotor(phase), radius, cx, cy, sense, 75, topOffset);
}

void twoWheelDrive(DrawingParts &p, DrawingState &st, const Centres &c, const TwoWheelDrive &d)
{
    advance(st.smallPulleyPhase, 0.2);
    advance(st.largePulleyPhase, 0.1);
    mark(p.wheelMarks[1], st.smallPulleyPhase, d.smallRadius, c[1], d.axisHeight, 1, 75);
    mark(p.wheelMarks[2], st.largePulleyPhase, d.largeRadius, c[2], d.axisHeight, d.drivenSense, 75);
}

} // namespace cinemoto
