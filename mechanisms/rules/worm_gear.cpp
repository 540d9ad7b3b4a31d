#include "exercise/generation.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Worm gear: one pitch of the wheel's rim a turn of the worm.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.motorValue = d.t;
    e.motorSize = nearest(double(d.b) / 10 + 1);
    e.resistantSize = nearest(double(d.a) / 10);
    e.resistantValue = float(double(e.motorValue) * e.motorSize / kDrawPi / e.resistantSize);
    e.ratio = float(double(e.resistantValue) / e.motorValue);
}

constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {223, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {224, Quantity::ResistantSize, Number::Whole, kMm}},
}};
} // namespace

const MechanismRules wormGear{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = {},
    .sizeLines = kSizes,
    .shows = {shows::speedsOrSizes, shows::ratioAndSpeedsOrAll, shows::ratioAndSpeedsOrAll, shows::ratioAndSizesOrAll,
              shows::ratioAndSizesOrAll},
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {260}, {269}}},
    .sentences = {{
        statementLine(101),
        {113, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {103, Quantity::MotorSize, Number::Whole, kMm},
        {155, Quantity::ResistantSize, Number::Whole, kMmText},
    }},
    .titles = {351, 0, 352},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
