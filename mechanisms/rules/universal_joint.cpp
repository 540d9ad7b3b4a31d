#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Universal joint: both shafts turn at the same speed; there are no sizes to work with,
// so exercises 4 and 5 do not exist.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &, const Draw &)
{
    e.resistantValue = e.motorValue;
    e.ratio = 1;
}

// The picture itself moves: one of four every third tick.
int moveParts(DrawingParts &, DrawingState &st, const Centres &)
{
    if (++st.cardanTicks < 3)
        return 0;
    st.cardanTicks = 0;
    ++st.cardanFrame;
    if (st.cardanFrame == 4)
        return 56;
    if (st.cardanFrame >= 5)
        st.cardanFrame = 1;
    return 94 + st.cardanFrame;
}
} // namespace

const MechanismRules universalJoint{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = {},
    .sizeLines = {},
    .shows = {shows::withoutSizes, shows::ratioWithoutSizes, shows::ratioWithoutSizes, nullptr, nullptr},
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {}, {}}},
    .sentences = {{
        statementLine(101),
        {111, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {},
        {},
    }},
    .titles = {351, 0, 352},
    .middleData = false,
    .drawing = {
        .parts = {},
        .motion = moveParts,
    },
};

} // namespace cinemoto::mechanisms
