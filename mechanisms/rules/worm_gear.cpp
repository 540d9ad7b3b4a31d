#include "exercise/generation.h"
#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Worm gear: one pitch of the wheel's rim a turn of the worm.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &d, const Draw &)
{
    e.motorValue = d.t;
    e.motorSize = nearest(double(d.b) / 10 + 1);
    e.resistantSize = nearest(double(d.a) / 10);
    e.resistantValue = float(double(e.motorValue) * e.motorSize / kDrawPi / e.resistantSize);
    e.ratio = float(double(e.resistantValue) / e.motorValue);
}

constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {223, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {224, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void layOutParts(DrawingParts &p, DrawingState &st)
{
    p.wormShaftBlocks[1].left = 1470;
    p.wormShaftBlocks[1].top = 90;
    p.wormShaftBlocks[2].left = 3405;
    p.wormShaftBlocks[2].top = 30;
    p.wormShaftBlocks[3].left = 3405;
    p.wormShaftBlocks[3].top = 450;

    st.threadPitch = 350;
    for (int i = 1; i <= 4; ++i) {
        Shape &crest = p.wormCrests[i];
        crest.top = 270;
        crest.left = float(1860 + 350 * (i - 1));
        Line &flank = p.wormFlanks[i];
        flank.x1 = crest.left + 125;
        flank.y1 = crest.top + 335;
        flank.x2 = crest.left - 100;
        flank.y2 = crest.top - 125;
    }
    for (int i = 5; i <= 8; ++i) {
        p.wormCrests[i].top = 105;
        p.wormCrests[i].left = float(1860 + 175 + 350 * (i - 5));
    }
}

// Crests travel left; the one reaching the end jumps behind the last.
void wormCrests(DrawingParts &p, const DrawingState &st, int first, double limit, bool withFlanks)
{
    const float lastBefore = p.wormCrests[first + 3].left;
    for (int i = first; i <= first + 3; ++i) {
        Shape &crest = p.wormCrests[i];
        const double v = crest.left - 40.0;
        if (v > limit) {
            crest.left = float(v);
        } else {
            const double previous = i == first ? lastBefore : p.wormCrests[i - 1].left;
            crest.left = float(previous + st.threadPitch);
        }
        if (withFlanks) {
            Line &flank = p.wormFlanks[i];
            flank.x1 = crest.left + 125;
            flank.x2 = crest.left - 100;
            // A flank line would be drawn over the bearing block its crest runs into.
            const auto clear = [&flank](const Shape &block) {
                return flank.x1 < block.left || flank.x2 > block.left + block.width;
            };
            flank.visible = clear(p.wormShaftBlocks[1]) && clear(p.wormShaftBlocks[2]);
        }
    }
}

void moveParts(DrawingParts &p, DrawingState &st)
{
    advance(st.wormWheelPhase, 0.0349);
    wheel(p.largeWheelTeeth, st.wormWheelPhase + 0.21, 1125, 2745, 1830, -1, k18);
    wormCrests(p, st, 1, 1960, true);
    wormCrests(p, st, 5, 1860, false);
}
} // namespace

const MechanismRules wormGear{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = {},
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {260}, {269}}},
    .sentences = {{
        statementLine(101),
        {113, Quantity::MotorValue, Number::Stated, kSpeed},
        {121, Quantity::ResistantValue, Number::Stated, kSpeed},
        {103, Quantity::MotorSize, Number::Whole, kMm},
        {155, Quantity::ResistantSize, Number::Whole, kMmText},
    }},
    .titles = {351, 0, 352},
    .middleData = false,
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::LargeWheel, PartGroup::Worm},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
