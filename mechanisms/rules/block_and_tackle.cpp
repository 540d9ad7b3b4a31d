#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Block and tackle: the moving pulley halves the force and doubles its path.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &, const Draw &)
{
    e.ratio = 2;
    e.resistantValue = float(2.0 * e.motorValue / kDrawGravity);
    e.resistantSize = 5 * e.resistantSize;
    e.motorSize = 2 * e.resistantSize;
}

constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {236, Quantity::ResistantValue, Number::Shown, kKilograms}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {238, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {238, Quantity::ResistantSize, Number::Whole, kMm}},
}};
} // namespace

const MechanismRules blockAndTackle{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = {shows::speedsOrSizes, shows::ratioAndSpeedsOrAll, shows::ratioAndSpeedsOrAll, shows::ratioAndSizesOrAll,
              shows::ratioAndSizesOrAll},
    .questions = {{{554}, {274, Tail::Newtons}, {277, Tail::Kilograms}, {280, Tail::Millimetres}, {552, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {128, Quantity::ResistantValue, Number::Stated, kKilograms},
        {143, Quantity::MotorSize, Number::Whole, kMm},
        {162, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {363, 0, 366},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
