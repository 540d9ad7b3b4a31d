#include "exercise/generation.h"
#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <algorithm>

// Simple gear train: an idler between the two wheels; speed x teeth is the same on every
// wheel, and every speed is shown in a unit of its own.
namespace cinemoto::mechanisms {

namespace {
void drawMore(BaseDraw &d, const Draw &random)
{
    // No count of the driven wheel can be below 51; draw the other count again then,
    // so that the draw always ends.
    while (d.a <= 51)
        d.a = drawCount(random, 450, 51);
    do
        d.b = drawCount(random, 450, 51);
    while (d.a <= d.b);
    d.t = float(double(d.s) * d.a / d.b);
}

void derive(Exercise &e, const BaseDraw &d, const Draw &random)
{
    e.centralSize = drawCount(random, 46, 5);
    e.centralValue = float(double(d.s) * d.a / e.centralSize);
}

constexpr std::array<DataLine, 3> kSpeeds = {{
    {M1, false, {0, Quantity::MotorValue, Number::Stated, kSpeed, "V = "}},
    {R1, true, {0, Quantity::ResistantValue, Number::Stated, kSpeed, "V = "}},
    {C1, true, {0, Quantity::CentralValue, Number::Stated, kSpeed, "V = "}},
}};
constexpr std::array<DataLine, 3> kSizes = {{
    {M2, false, {229, Quantity::MotorSize, Number::Whole, kNoSuffix}},
    {R2, false, {229, Quantity::ResistantSize, Number::Whole, kNoSuffix}},
    {C2, false, {229, Quantity::CentralSize, Number::Whole, kNoSuffix}},
}};

// Wheels set out so that meeting teeth pass between each other; the idler's own gap
// comes where the small wheel's tooth does.
constexpr WheelPlacing kWheels{{2550, 4395, 975}, {3120, 1275, 4695},
                               [](DrawingState &st) { st.idlerPhase = st.mirrored ? 0.0 : 0.2; }};

int moveParts(DrawingParts &p, DrawingState &st, const Centres &c)
{
    // Steps in the exact inverse ratio of the tooth counts (10, 20, 15): the teeth keep
    // meeting gaps however long the wheels turn.
    advance(st.trainDriverPhase, 0.0873);
    advance(st.trainDrivenPhase, 0.0873 / 2);
    advance(st.trainIdlerPhase, 0.0873 * 10 / 15);
    wheel(p.smallWheelTeeth, st.trainDriverPhase, 555, c[1], 1515, 1, k36);
    wheel(p.largeWheelTeeth, st.trainDrivenPhase + 0.15, 1125, c[2], 1515, -1, k18);
    wheel(p.idlerTeeth, st.trainIdlerPhase + st.idlerPhase, 844, c[3], 1515, -1, k24);
    return 0;
}
} // namespace

const MechanismRules simpleGearTrain{
    .drawMore = drawMore,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {256}, {265}}},
    .sentences = {{
        statementLine(101),
        {111, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {131, Quantity::MotorSize, Number::Whole, kTeeth},
        {151, Quantity::ResistantSize, Number::Whole, kTeeth},
    }},
    .titles = {351, 359, 352},
    .middleData = true,
    .drawing = {
        .parts = {PartGroup::SmallWheel, PartGroup::LargeWheel, PartGroup::IdlerWheel},
        .wheels = &kWheels,
        .motion = moveParts,
    },
};

} // namespace cinemoto::mechanisms
