#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Screw and nut: the nut advances one pitch, the statement line, a turn of the screw.
// Exercises 4 and 5 do not exist.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.motorValue = d.s;
    e.ratio = float(double(d.b) / 30);
    e.resistantValue = float(double(d.s) / 2 / kDrawPi * e.ratio);
}

constexpr std::array<DataLine, 1> kSpeeds = {{
    {R1, false, {213, Quantity::ResistantValue, Number::Shown, kMmPerS}},
}};
} // namespace

const MechanismRules screwAndNut{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = {},
    .shows = {shows::withoutSizes, shows::ratioWithoutSizes, shows::ratioWithoutSizes, nullptr, nullptr},
    .questions = {{{243}, {248, Tail::SpeedUnit}, {253}, {}, {}}},
    .sentences = {{
        statementLine(103, kMm),
        {113, Quantity::MotorValue, Number::Stated, kSpeed},
        {124, Quantity::ResistantValue, Number::Stated, kMmPerS},
        {},
        {},
    }},
    .titles = {0, 354, 0},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
