#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Belt drive: pulley diameters and speeds trade off at the ratio.
namespace cinemoto::mechanisms {

namespace {
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {219, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {219, Quantity::ResistantSize, Number::Whole, kMm}},
}};
} // namespace

const MechanismRules beltDrive{
    .drawMore = nullptr,
    .derive = nullptr,
    .speedLines = {},
    .sizeLines = kSizes,
    .shows = {shows::speedsOrSizes, shows::ratioAndSpeedsOrAll, shows::ratioAndSpeedsOrAll, shows::ratioAndSizesOrAll,
              shows::ratioAndSizesOrAll},
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
};

} // namespace cinemoto::mechanisms
