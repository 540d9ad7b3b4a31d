#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Belt drive: pulley diameters and speeds trade off at the ratio.
namespace cinemoto::mechanisms {

namespace {
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {219, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {219, Quantity::ResistantSize, Number::Whole, kMm}},
}};

constexpr WheelPlacing kWheels{{1410, 4260, 0}, {4260, 1425, 0}};
constexpr TwoWheelDrive kPulleys{445, 1110, 1545, 1};

int moveParts(DrawingParts &p, DrawingState &st, const Centres &c)
{
    twoWheelDrive(p, st, c, kPulleys);
    return 0;
}
} // namespace

const MechanismRules beltDrive{
    .drawMore = nullptr,
    .derive = nullptr,
    .speedLines = {},
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {257}, {266}}},
    .sentences = {{
        statementLine(101),
        {111, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {133, Quantity::MotorSize, Number::Whole, kMmText},
        {152, Quantity::ResistantSize, Number::Whole, kMmText},
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
