#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Friction wheels: diameters and speeds trade off at the ratio.
namespace cinemoto::mechanisms {

namespace {
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {220, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {220, Quantity::ResistantSize, Number::Whole, kMm}},
}};

constexpr WheelPlacing kWheels{{1800, 3600, 0}, {3870, 2070, 0}};
constexpr TwoWheelDrive kWheelSizes{495, 1035, 1560, -1};

int moveParts(DrawingParts &p, DrawingState &st, const Centres &c)
{
    twoWheelDrive(p, st, c, kWheelSizes);
    return 0;
}
} // namespace

const MechanismRules frictionWheels{
    .drawMore = nullptr,
    .derive = nullptr,
    .speedLines = {},
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {258}, {267}}},
    .sentences = {{
        statementLine(101),
        {111, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {135, Quantity::MotorSize, Number::Whole, kMmText},
        {153, Quantity::ResistantSize, Number::Whole, kMmText},
    }},
    .titles = {351, 0, 352},
    .middleData = false,
    .drawing = {
        .parts = {PartGroup::FirstPulleyMarks},
        .wheels = &kWheels,
        .motion = moveParts,
    },
};

} // namespace cinemoto::mechanisms
