#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Pulley: a fixed pulley turns the force aside; force and load are equal, and so are
// their paths.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &, const Draw &)
{
    e.ratio = 1;
    e.resistantValue = float(double(e.motorValue) / kDrawGravity);
    e.motorSize = 5 * e.motorSize;
    e.resistantSize = e.motorSize;
}

constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {236, Quantity::ResistantValue, Number::Shown, kKilograms}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {238, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {238, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void layOutParts(DrawingParts &p, DrawingState &)
{
    p.pulleyRopes[1].x1 = p.pulleyRopes[1].x2 = 2190;
    p.pulleyRopes[1].y1 = 960;
    p.pulleyRopes[1].y2 = 1695;
    p.pulleyRopes[2].x1 = p.pulleyRopes[2].x2 = 3360;
    p.pulleyRopes[2].y1 = 960;
    p.pulleyRopes[2].y2 = 2700;
    p.pulleyLoad.top = 2640;
    p.pulleyLoad.left = 3200;
}

void moveParts(DrawingParts &p, DrawingState &st)
{
    turnAtLimits(st.motionSign, p.pulleyRopes[2].y2, 1600, -1, 2800, 1);
    p.pulleyRopes[1].y2 = float(p.pulleyRopes[1].y2 + st.motionSign * 40.0);
    p.pulleyRopes[2].y2 = float(p.pulleyRopes[2].y2 - st.motionSign * 40.0);
    p.pulleyLoad.top = float(p.pulleyLoad.top - st.motionSign * 40.0);
}
} // namespace

const MechanismRules pulley{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{554}, {274, Tail::Newtons}, {277, Tail::Kilograms}, {280, Tail::Millimetres}, {552, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {128, Quantity::ResistantValue, Number::Stated, kKilograms},
        {143, Quantity::MotorSize, Number::Whole, kMm},
        {162, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {363, 0, 366},
    .middleData = false,
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::Pulley},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
