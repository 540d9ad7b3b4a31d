#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <cmath>

// Lever: moments about the fulcrum balance; the arms trade off at the advantage.
namespace cinemoto::mechanisms {

namespace {
constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {234, Quantity::ResistantValue, Number::Shown, kNewtons}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {227, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {227, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void layOutParts(DrawingParts &p, DrawingState &)
{
    p.leverBar.x2 = 5209;
    p.leverBar.y2 = 1920;
    p.leverBar.x1 = 665;
    p.leverBar.y1 = 1920;
    p.leverLoad.top = 1670;
    p.leverLoad.left = 650;
}

// The fulcrum, with the bar turned round in the mirrored picture.
constexpr WheelPlacing kFulcrum{{2100, 0, 0}, {3570, 0, 0},
                                [](DrawingState &st) { st.leverSide = st.mirrored ? -1 : 1; }};

int moveParts(DrawingParts &p, DrawingState &st, const Centres &c)
{
    double &t = st.leverAngle;
    turnAtLimits(st.motionSign, t, 0.015, 1, 0.35, -1);
    t += st.motionSign * 0.015;
    const double f = c[1];
    const int side = st.leverSide;
    p.leverBar.x2 = float(f + std::cos(t) * 3400 * side);
    p.leverBar.y2 = float(1920 - std::sin(t) * 3400);
    p.leverBar.x1 = float(f - std::cos(t) * 1350 * side);
    p.leverBar.y1 = float(1920 + std::sin(t) * 1350);
    p.leverLoad.top = float(std::sin(t - 0.2) * 1200 + 1920 - 250);
    p.leverLoad.left = float(f - std::cos(t - 0.2) * 1200 * side - 250);
    return 0;
}
} // namespace

const MechanismRules lever{
    .drawMore = nullptr,
    .derive = nullptr,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{554}, {274, Tail::Newtons}, {275, Tail::Newtons}, {278, Tail::Millimetres}, {550, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {127, Quantity::ResistantValue, Number::Stated, kNewtons},
        {142, Quantity::MotorSize, Number::Whole, kMm},
        {160, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {363, 0, 364},
    .middleData = false,
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::Lever},
        .wheels = &kFulcrum,
        .motion = moveParts,
    },
};

} // namespace cinemoto::mechanisms
