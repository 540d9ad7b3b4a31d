#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Lever: moments about the fulcrum balance; the arms trade off at the advantage.
namespace cinemoto::mechanisms {

namespace {
constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {234, Quantity::ResistantValue, Number::Shown, kNewtons}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {227, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {227, Quantity::ResistantSize, Number::Whole, kMm}},
}};
} // namespace

const MechanismRules lever{
    .drawMore = nullptr,
    .derive = nullptr,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = {shows::speedsOrSizes, shows::ratioAndSpeedsOrAll, shows::ratioAndSpeedsOrAll, shows::ratioAndSizesOrAll,
              shows::ratioAndSizesOrAll},
    .questions = {{{554}, {274, Tail::Newtons}, {275, Tail::Newtons}, {278, Tail::Millimetres}, {550, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {127, Quantity::ResistantValue, Number::Stated, kNewtons},
        {142, Quantity::MotorSize, Number::Whole, kMm},
        {160, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {363, 0, 364},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
