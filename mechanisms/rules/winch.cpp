#include "exercise/generation.h"
#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <cmath>

// Winch: the force on the crank arm balances the load's weight on the drum's radius.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.motorValue = d.s;
    e.motorSize = 10 * e.motorSize;
    // At least 1 mm: the smallest, 20 B^2 / A with B = 5 and A = 501, is 0.998.
    e.resistantSize = nearest(double(d.s) * 2 * e.motorSize / d.t);
    e.ratio = float(2.0 * e.motorSize / e.resistantSize);
    // The load comes from the whole-millimetre drum shown, so that
    // F x arm = m g x D / 2 holds for the numbers on screen.
    e.resistantValue = float(double(e.motorValue) * e.ratio / kDrawGravity);
}

constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {235, Quantity::ResistantValue, Number::Shown, kKilograms}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {227, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {237, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void layOutParts(DrawingParts &p, DrawingState &st)
{
    st.motionSign = 1;
    p.winchArm.x2 = 2835;
    p.winchArm.y2 = 915;
    p.winchCrank[1].left = 2760;
    p.winchCrank[1].top = 835;
    p.winchLoad.left = 3195;
    p.winchLoad.top = 2715;
    p.winchRope.x1 = 3360;
    p.winchRope.y1 = 930;
    p.winchRope.x2 = 3360;
    p.winchRope.y2 = 2865;
}

void moveParts(DrawingParts &p, DrawingState &st)
{
    st.winchPhase += st.motionSign * 0.052;
    const double c = std::cos(st.winchPhase - 1.4);
    const double s = std::sin(st.winchPhase - 1.4);
    p.winchArm.x1 = float(2835 - c * 625);
    p.winchArm.y1 = float(s * 625 + 915);
    p.winchCrank[2].left = float(2835 - c * 615 - 68);
    p.winchCrank[2].top = float(s * 615 + 915 - 68);
    turnAtLimits(st.motionSign, p.winchRope.y2, 1900, -1, 2900, 1);
    p.winchRope.y2 = float(p.winchRope.y2 - st.motionSign * 28.0);
    p.winchLoad.top = float(p.winchLoad.top - st.motionSign * 28.0);
}
} // namespace

const MechanismRules winch{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{554}, {274, Tail::Newtons}, {277, Tail::Kilograms}, {279, Tail::Millimetres}, {551, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {128, Quantity::ResistantValue, Number::Stated, kKilograms},
        {145, Quantity::MotorSize, Number::Whole, kMm},
        {161, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {368, 0, 365},
    .middleData = false,
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::Winch},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
