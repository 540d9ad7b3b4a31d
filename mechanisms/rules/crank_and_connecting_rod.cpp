#include "exercise/generation.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Crank and connecting rod: the piston travels twice the stroke, the statement line, a
// turn; the stroke is twice the crank arm; the crank pin moves at the speed of the arm's end.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.ratio = float(2.0 * d.b);
    e.motorValue = d.s;
    e.resistantValue = float(double(e.ratio) * d.s / kDrawPi);
    e.resistantSize = nearest(double(e.resistantValue) * kDrawPi / 2);
    e.motorSize = nearest(double(e.ratio) / 2);
}

constexpr std::array<DataLine, 1> kSpeeds = {{
    {R1, false, {215, Quantity::ResistantValue, Number::Shown, kMmPerS}},
}};
// The piston's peak speed sits where the driven size would.
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {227, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {228, Quantity::ResistantSize, Number::Shown, kMmPerS}},
}};

// Each exercise tosses once for which of the piston's two speeds it leaves out.
void ratio(Screen &s)
{
    s.clear({M2});
    s.clear({s.pick() ? R2 : R1});
}

void crankSpeed(Screen &s)
{
    const bool peak = s.pick();
    s.showRatio();
    s.clear({M2, peak ? R2 : R1});
}

void pistonSpeed(Screen &s)
{
    if (s.pick()) {
        s.showRatio();
        s.clear({M2});
    } else {
        s.clear({R2});
    }
}

void arm(Screen &s)
{
    s.clear({s.pick() ? R2 : R1});
}

void peakSpeed(Screen &s)
{
    if (s.pick()) {
        s.showRatio();
        s.clear({M2});
    } else {
        s.clear({R1});
    }
}
} // namespace

const MechanismRules crankAndConnectingRod{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = {ratio, crankSpeed, pistonSpeed, arm, peakSpeed},
    .questions = {{{245}, {250, Tail::SpeedUnit}, {255}, {262}, {271}}},
    .sentences = {{
        statementLine(105, kMm),
        {115, Quantity::MotorValue, Number::Stated, kSpeed},
        {126, Quantity::ResistantValue, Number::Stated, kMmPerS},
        {138, Quantity::MotorSize, Number::Whole, {Suffix::Text, nullptr, 139}},
        {157, Quantity::ResistantSize, Number::Stated, kMmPerS},
    }},
    .titles = {356, 358, 357},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
