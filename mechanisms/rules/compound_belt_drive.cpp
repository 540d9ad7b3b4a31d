#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <cmath>
#include <algorithm>

// Compound belt drive: two equal stages of a small and a large pulley; the ratio is the
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
    {M1, false, {232, Quantity::SmallSize, Number::Whole, kMm}},
    {M2, false, {233, Quantity::LargeSize, Number::Whole, kMm}},
}};

int moveParts(DrawingParts &p, DrawingState &st, const Centres &c)
{
    advance(st.beltFirstPhase, 0.2);
    advance(st.beltMiddlePhase, 0.1);
    advance(st.beltLastPhase, 0.05);
    mark(p.wheelMarks[5], st.beltFirstPhase, 445, c[1], 1560, 1, 125);
    const double x = std::cos(st.beltMiddlePhase) * 985 + 2565 - 75;
    Shape &hidden = p.wheelMarks[6];
    if ((!st.mirrored && x > 3340) || (st.mirrored && x < 1675)) {
        hidden.visible = false;
    } else {
        hidden.visible = true;
        mark(hidden, st.beltMiddlePhase, 985, c[2], 1560, 1, 125);
    }
    mark(p.wheelMarks[3], st.beltMiddlePhase, 445, c[2], 1560, 1, 125);
    mark(p.wheelMarks[4], st.beltLastPhase, 985, c[3], 1560, 1, 125);
    return 0;
}
} // namespace

const MechanismRules compoundBeltDrive{
    .drawMore = drawMore,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = shows::kTwoStages,
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {264}, {273}}},
    .sentences = {{
        statementLine(101),
        {111, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {141, Quantity::SmallSize, Number::Whole, kMmText},
        {159, Quantity::LargeSize, Number::Whole, kMmText},
    }},
    .titles = {362, 0, 361},
    .middleData = false,
    .drawing = {
        .parts = {PartGroup::CompoundPulleyMarks},
        .wheels = &compoundShafts,
        .motion = moveParts,
    },
};

} // namespace cinemoto::mechanisms
