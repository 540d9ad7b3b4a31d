#include "exercise/generation.h"
#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <cmath>

// Crank and connecting rod: the piston travels twice the stroke, the statement line, a
// turn; the stroke is twice the crank arm; the crank pin moves at the speed of the arm's end.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.ratio = float(2.0 * d.b);
    e.motorValue = d.s;
    e.resistantValue = float(double(e.ratio) * d.s / kDrawPi);
    e.resistantSize = nearest(double(e.resistantValue) * kDrawPi / 2);
    e.motorSize = nearest(double(e.ratio) / 2);
}

constexpr std::array<DataLine, 1> kSpeeds = {{
    {R1, false, {215, Quantity::ResistantValue, Number::Shown, kMmPerS}},
}};
// The piston's peak speed sits where the driven size would.
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {227, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {228, Quantity::ResistantSize, Number::Shown, kMmPerS}},
}};

// Each exercise tosses once for which of the piston's two speeds it leaves out.
void ratio(Screen &s)
{
    s.clear({M2});
    s.clear({s.pick() ? R2 : R1});
}

void crankSpeed(Screen &s)
{
    const bool peak = s.pick();
    s.showRatio();
    s.clear({M2, peak ? R2 : R1});
}

void pistonSpeed(Screen &s)
{
    if (s.pick()) {
        s.showRatio();
        s.clear({M2});
    } else {
        s.clear({R2});
    }
}

void arm(Screen &s)
{
    s.clear({s.pick() ? R2 : R1});
}

void peakSpeed(Screen &s)
{
    if (s.pick()) {
        s.showRatio();
        s.clear({M2});
    } else {
        s.clear({R1});
    }
}

void layOutParts(DrawingParts &p, DrawingState &)
{
    p.connectingRod.y2 = 1500;
    p.pistonRod.y1 = p.pistonRod.y2 = 1500;
    p.pistonPin.top = 1425;
    p.pistonRodEnd.top = 1230;
}

void moveParts(DrawingParts &p, DrawingState &st)
{
    st.crankPhase += 0.2;
    if (st.crankPhase > 6.28)
        st.crankPhase -= 6.28; // this wheel wraps at 6.28, not at two pi
    const double s = std::sin(st.crankPhase);
    const double c = std::cos(st.crankPhase);
    p.connectingRod.x1 = float(c * 570 + 840);
    p.connectingRod.y1 = float(1500 - s * 570);
    p.crankPin.left = p.connectingRod.x1 - 25;
    p.crankPin.top = p.connectingRod.y1 - 75;
    const double d = std::sqrt(2325.0 * 2325.0 - (570 * s) * (570 * s));
    p.connectingRod.x2 = float(c * 570 + 840 + d);
    p.pistonRod.x1 = p.connectingRod.x2;
    p.pistonRod.x2 = p.pistonRod.x1 + 1725;
    p.pistonPin.left = p.connectingRod.x2 - 50;
    p.pistonRodEnd.left = p.pistonRod.x2 - 50;
}
} // namespace

const MechanismRules crankAndConnectingRod{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = {ratio, crankSpeed, pistonSpeed, arm, peakSpeed},
    .questions = {{{245}, {250, Tail::SpeedUnit}, {255}, {262}, {271}}},
    .sentences = {{
        statementLine(105, kMm),
        {115, Quantity::MotorValue, Number::Stated, kSpeed},
        {126, Quantity::ResistantValue, Number::Stated, kMmPerS},
        {138, Quantity::MotorSize, Number::Whole, {Suffix::Text, nullptr, 139}},
        {157, Quantity::ResistantSize, Number::Stated, kMmPerS},
    }},
    .titles = {356, 358, 357},
    .middleData = false,
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::Crank},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
