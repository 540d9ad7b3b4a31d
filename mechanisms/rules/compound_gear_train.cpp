#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <algorithm>

// Compound gear train: two equal stages of a small and a large wheel; the ratio is the
// stage ratio squared.
namespace cinemoto::mechanisms {

namespace {
void drawMore(BaseDraw &d, const Draw &)
{
    const double stage = double(d.a) / d.b;
    d.t = float(stage * stage * d.s);
}

void derive(Exercise &e, const BaseDraw &, const Draw &)
{
    e.smallSize = std::min(e.motorSize, e.resistantSize);
    e.largeSize = std::max(e.motorSize, e.resistantSize);
}

// The sizes take the driving box; both speeds the driven one.
constexpr std::array<DataLine, 2> kSpeeds = {{
    {R1, false, {216, Quantity::MotorValue, Number::Shown, kSpeed}},
    {R2, true, {217, Quantity::ResistantValue, Number::Shown, kSpeed}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M1, false, {230, Quantity::SmallSize, Number::Whole, kTeeth}},
    {M2, false, {231, Quantity::LargeSize, Number::Whole, kTeeth}},
}};

int moveParts(DrawingParts &p, DrawingState &st, const Centres &c)
{
    advance(st.compoundFirstPhase, 0.1);
    advance(st.compoundMiddlePhase, 0.05);
    advance(st.compoundLastPhase, 0.025);
    wheel(p.smallWheelTeeth, st.compoundFirstPhase, 555, c[1], 1515, 1, k36);
    wheel(p.secondSmallWheelTeeth, st.compoundMiddlePhase + 0.15, 555, c[2], 1515, -1, k36);
    Rotor middle(st.compoundMiddlePhase + 0.15);
    Rotor last(st.compoundLastPhase + 0.25);
    for (int k = 1; k <= 20; ++k) {
        // Teeth of the middle wheel facing the last wheel are behind it.
        const double x = middle.c * 1125;
        Shape &tooth = p.largeWheelTeeth[k];
        if ((!st.mirrored && x > 865) || (st.mirrored && x < -865)) {
            tooth.visible = false;
        } else {
            tooth.visible = true;
            place(tooth, middle, 1120, c[2], 1515, -1, 128, 128);
        }
        middle.turn(k18);
        place(p.secondLargeWheelTeeth[k], last, 1120, c[3], 1515, 1, 128, 128);
        last.turn(k18);
    }
    return 0;
}
} // namespace

// Both compound drives stand on these shafts.
const WheelPlacing compoundShafts{{750, 2565, 4380}, {4920, 3105, 1290}};

const MechanismRules compoundGearTrain{
    .drawMore = drawMore,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = shows::kTwoStages,
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {263}, {272}}},
    .sentences = {{
        statementLine(101),
        {111, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {140, Quantity::SmallSize, Number::Whole, kTeeth},
        {158, Quantity::LargeSize, Number::Whole, kTeeth},
    }},
    .titles = {360, 0, 361},
    .middleData = false,
    .drawing = {
        .parts = {PartGroup::SmallWheel, PartGroup::SecondSmallWheel, PartGroup::LargeWheel,
                  PartGroup::SecondLargeWheel},
        .wheels = &compoundShafts,
        .motion = moveParts,
    },
};

} // namespace cinemoto::mechanisms
