#include "exercise/generation.h"
#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

#include <cmath>

// Cam: the follower rises and falls one stroke, the statement line, a turn; the major
// radius is the minor radius plus the stroke.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &random)
{
    e.ratio = float(2.0 * d.b);
    e.motorValue = d.s;
    e.resistantValue = float(double(e.ratio) * d.s / kDrawPi);
    e.resistantSize = nearest(double(e.ratio) * random() + 1);
    e.motorSize = nearest(double(e.ratio) + e.resistantSize);
}

constexpr std::array<DataLine, 1> kSpeeds = {{
    {R1, false, {214, Quantity::ResistantValue, Number::Shown, kMmPerS}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {225, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {226, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void moveParts(DrawingParts &p, DrawingState &st)
{
    advance(st.camPhase, 0.175);
    const double c = std::cos(st.camPhase);
    const double s = std::sin(st.camPhase);
    p.camDisc.left = float(c * 345 + 2850 - 600);
    p.camDisc.top = float(s * 345 + 2115 - 600);
    p.camRoller.top = float(p.camDisc.top + 78.79 * c * c - 310);
    p.followerRod.top = p.camRoller.top - 820;
}
} // namespace

const MechanismRules cam{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = {shows::speedsOrSizes, shows::ratioWithoutSizes, shows::ratioWithoutSizes, shows::ratioAndSizesOrAll,
              shows::ratioAndSizesOrAll},
    .questions = {{{244}, {249, Tail::SpeedUnit}, {254}, {261}, {270}}},
    .sentences = {{
        statementLine(104, kMm),
        {114, Quantity::MotorValue, Number::Stated, kSpeed},
        {125, Quantity::ResistantValue, Number::Stated, kMmPerS},
        {137, Quantity::MotorSize, Number::Whole, kMm},
        {156, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {0, 355, 0},
    .middleData = false,
    .drawing = {
        .parts = {PartGroup::Cam},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
