#include "exercise/generation.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Winch: the force on the crank arm balances the load's weight on the drum's radius.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.motorValue = d.s;
    e.motorSize = 10 * e.motorSize;
    // At least 1 mm: the smallest, 20 B^2 / A with B = 5 and A = 501, is 0.998.
    e.resistantSize = nearest(double(d.s) * 2 * e.motorSize / d.t);
    e.ratio = float(2.0 * e.motorSize / e.resistantSize);
    // The load comes from the whole-millimetre drum shown, so that
    // F x arm = m g x D / 2 holds for the numbers on screen.
    e.resistantValue = float(double(e.motorValue) * e.ratio / kDrawGravity);
}

constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {235, Quantity::ResistantValue, Number::Shown, kKilograms}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {227, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {237, Quantity::ResistantSize, Number::Whole, kMm}},
}};
} // namespace

const MechanismRules winch{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = {shows::speedsOrSizes, shows::ratioAndSpeedsOrAll, shows::ratioAndSpeedsOrAll, shows::ratioAndSizesOrAll,
              shows::ratioAndSizesOrAll},
    .questions = {{{554}, {274, Tail::Newtons}, {277, Tail::Kilograms}, {279, Tail::Millimetres}, {551, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {128, Quantity::ResistantValue, Number::Stated, kKilograms},
        {145, Quantity::MotorSize, Number::Whole, kMm},
        {161, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {368, 0, 365},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
