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
} // namespace

const MechanismRules compoundGearTrain{
    .drawMore = drawMore,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = {shows::twoStageRatio, shows::twoStageDrivingSpeed, shows::twoStageDrivenSpeed, shows::twoStageSmallWheel,
              shows::twoStageLargeWheel},
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
};

} // namespace cinemoto::mechanisms
