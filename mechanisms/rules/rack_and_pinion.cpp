#include "exercise/generation.h"
#include "mechanisms/motion.h"
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

void layOutParts(DrawingParts &p, DrawingState &st)
{
    st.rackSign = 1;
    p.rackBar.left = 2355;
    p.rackBar.top = 2025;
    for (int i = 1; i <= 9; ++i) {
        p.rackTeeth[i].top = 1925;
        p.rackTeeth[i].left = p.rackBar.left + 70 + 350 * (i - 1);
    }
}

// The teeth keep the worm's thread pitch apart, laid out with the worm.
void moveParts(DrawingParts &p, DrawingState &st)
{
    advance(st.pinionPhase, st.rackSign * 0.08727);
    wheel(p.smallWheelTeeth, st.pinionPhase + 0.436, 555, 2790, 1360, 1, k36);
    Shape &bar = p.rackBar;
    bar.left = float(bar.left - st.rackSign * 48.0);
    if (bar.left > 2355)
        st.rackSign = 1;
    if (bar.left < 75)
        st.rackSign = -1;
    for (int i = 1; i <= 9; ++i)
        p.rackTeeth[i].left = float(bar.left + 70 + st.threadPitch * (i - 1));
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
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::Rack, PartGroup::SmallWheel},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
