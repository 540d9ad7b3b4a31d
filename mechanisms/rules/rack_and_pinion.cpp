#include "exercise/generation.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Rack and pinion: the rack advances one pitch per tooth of the pinion; the pitch is the
// statement line, pitch x teeth = pi x diameter.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.motorSize = d.b;
    e.motorValue = float(double(d.s) / 5);
    e.resistantSize = nearest(double(d.a) / 10);
    e.resistantValue = float(double(e.motorValue) * e.resistantSize / 2);
    e.ratio = float(e.resistantSize * kDrawPi / e.motorSize);
}

// The rack's speed on the first line, the pinion's on the driven side.
constexpr std::array<DataLine, 2> kSpeeds = {{
    {M1, false, {211, Quantity::ResistantValue, Number::Stated, kMmPerS}},
    {R1, false, {212, Quantity::MotorValue, Number::Shown, kSpeed}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {221, Quantity::MotorSize, Number::Whole, kNoSuffix}},
    {R2, false, {222, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void speeds(Screen &s)
{
    if (s.easy()) {
        s.clear({M2});
    } else {
        s.showRatio();
        s.clear({R2});
    }
}

void teeth(Screen &s)
{
    s.showRatio();
    if (s.easy())
        s.clear({M1, R1});
    else
        s.clear({R2});
}

void diameter(Screen &s)
{
    if (s.pick()) {
        s.showRatio();
        s.clear({M1});
    } else {
        s.clear({M2});
    }
}
} // namespace

const MechanismRules rackAndPinion{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kSpeeds,
    .sizeLines = kSizes,
    .shows = {shows::withoutSpeeds, speeds, speeds, teeth, diameter},
    .questions = {{{242}, {247}, {252, Tail::SpeedUnit}, {259}, {268}}},
    .sentences = {{
        statementLine(102, kMm),
        {112, Quantity::ResistantValue, Number::Stated, kMmPerS},
        {122, Quantity::MotorValue, Number::Stated, kSpeed},
        {136, Quantity::MotorSize, Number::Whole, kTeeth},
        {154, Quantity::ResistantSize, Number::Whole, kMmText},
    }},
    .titles = {0, 353, 0},
    .middleData = false,
};

} // namespace cinemoto::mechanisms
