#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Spur gears, bevel gears and the chain drive: teeth (or sprocket teeth) and speeds trade
// off at the ratio, with the same data, questions and sentences for all three.
namespace cinemoto::mechanisms {

namespace {
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {218, Quantity::MotorSize, Number::Whole, kNoSuffix}},
    {R2, false, {218, Quantity::ResistantSize, Number::Whole, kNoSuffix}},
}};
} // namespace

const MechanismRules toothedWheels{
    .drawMore = nullptr,
    .derive = nullptr,
    .speedLines = {},
    .sizeLines = kSizes,
    .shows = {shows::speedsOrSizes, shows::ratioAndSpeedsOrAll, shows::ratioAndSpeedsOrAll, shows::ratioAndSizesOrAll,
              shows::ratioAndSizesOrAll},
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {256}, {265}}},
    .sentences = {{
        statementLine(101),
        {111, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {131, Quantity::MotorSize, Number::Whole, kTeeth},
        {151, Quantity::ResistantSize, Number::Whole, kTeeth},
    }},
    .titles = {351, 0, 352},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
