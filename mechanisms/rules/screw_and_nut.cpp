#include "mechanisms/motion.h"
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

void layOutParts(DrawingParts &p, DrawingState &)
{
    p.nut.left = 1665;
    p.nut.top = 570;
    for (int i = 1; i <= 2; ++i) {
        p.screwThreadLines[i].x1 = 1635;
        p.screwThreadLines[i].x2 = 2235;
    }
    p.screwThreadLines[1].y1 = p.screwThreadLines[1].y2 = 1500;
    p.screwThreadLines[2].y1 = p.screwThreadLines[2].y2 = 2385;
}

void moveParts(DrawingParts &p, DrawingState &st)
{
    Shape &nut = p.nut;
    nut.left = float(nut.left - st.motionSign * 10.0);
    for (int i = 1; i <= 2; ++i) {
        Line &l = p.screwThreadLines[i];
        l.x1 = nut.left;
        l.x2 = nut.left + 600;
        l.y1 = float(l.y1 - st.motionSign * 150.0);
        l.y2 = l.y1;
        if (l.y1 < 570)
            l.y1 = l.y2 = 2385;
        if (l.y1 > 2415)
            l.y1 = l.y2 = 570;
    }
    // Set from the limit passed, not flipped: another mechanism may have changed the sign
    // meanwhile, and flipping it would keep the nut beyond the limit.
    if (nut.left > 4185)
        st.motionSign = 1;
    if (nut.left < 1665)
        st.motionSign = -1;
}
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
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::Nut},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
