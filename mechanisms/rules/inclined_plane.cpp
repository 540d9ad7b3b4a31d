#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <cmath>

// Inclined plane: force x length of the slope = weight x rise.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.motorValue = d.s;
    e.resistantValue = float(double(d.t) / kDrawGravity);
    e.ratio = float(double(d.t) / d.s);
    e.motorSize = 5 * d.a;
    e.resistantSize = 5 * d.b;
}

constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {236, Quantity::ResistantValue, Number::Shown, kKilograms}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {238, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {239, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void layOutParts(DrawingParts &p, DrawingState &)
{
    p.planeBody.left = 795;
    p.planeBody.top = 1905;
}

void moveParts(DrawingParts &p, DrawingState &st)
{
    Shape &body = p.planeBody;
    // Set from the limit passed, not flipped, as for the screw's nut.
    turnAtLimits(st.motionSign, body.top, 50, -1, 2150, 1);
    body.left = float(body.left + st.motionSign * 40 * std::cos(0.5323));
    body.top = float(body.top - st.motionSign * 40 * std::sin(0.5323));
}
} // namespace

const MechanismRules inclinedPlane{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{554}, {274, Tail::Newtons}, {276, Tail::Kilograms}, {280, Tail::Millimetres}, {553, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {129, Quantity::ResistantValue, Number::Stated, kKilograms},
        {144, Quantity::MotorSize, Number::Whole, kMm},
        {163, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {363, 0, 367},
    .middleData = false,
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::PlaneBody},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
