#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Spur gears, bevel gears and the chain drive: teeth (or sprocket teeth) and speeds trade
// off at the ratio, with the same data, questions and sentences for all three; each has
// its own drawing.
namespace cinemoto::mechanisms {

namespace {
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {218, Quantity::MotorSize, Number::Whole, kNoSuffix}},
    {R2, false, {218, Quantity::ResistantSize, Number::Whole, kNoSuffix}},
}};

constexpr MechanismRules withDrawing(const MechanismDrawing &drawing)
{
    return {
        .drawMore = nullptr,
        .derive = nullptr,
        .speedLines = {},
        .sizeLines = kSizes,
        .shows = shows::kRatioSpeedsSizes,
        .questions = {{{241}, {246, Tail::SpeedUnit}, {251, Tail::SpeedUnit}, {256}, {265}}},
        .sentences = {{
            statementLine(101),
            {111, Quantity::MotorValue, Number::Stated, kSpeed},
            {121, Quantity::ResistantValue, Number::Stated, kSpeed},
            {131, Quantity::MotorSize, Number::Whole, kTeeth},
            {151, Quantity::ResistantSize, Number::Whole, kTeeth},
        }},
        .titles = {351, 0, 352},
        .middleData = false,
        .drawing = drawing,
    };
}

// Spur gears: the large gear stands far enough out for the teeth to pass between each other.
constexpr WheelPlacing kGearWheels{{1950, 3795, 0}, {3735, 1890, 0}};

int moveGears(DrawingParts &p, DrawingState &st, const Centres &c)
{
    advance(st.smallWheelPhase, 0.1);
    advance(st.largeWheelPhase, 0.05);
    wheel(p.smallWheelTeeth, st.smallWheelPhase, 555, c[1], 1515, 1, k36);
    wheel(p.largeWheelTeeth, st.largeWheelPhase + 0.15, 1125, c[2], 1515, -1, k18);
    return 0;
}

// Bevel gears: the tooth lines of both wheels slide along their cones.
void layOutBevelLines(DrawingParts &p, DrawingState &)
{
    for (int i = 1; i <= 10; ++i) {
        Line &l = p.bevelToothLines[i];
        l.y1 = 2250;
        l.y2 = 2805;
        l.x1 = float(2040 + 118.5 * (i - 1));
        l.x2 = float(1490 + 229 * (i - 1));
    }
    for (int i = 11; i <= 20; ++i) {
        Line &l = p.bevelToothLines[i];
        l.y1 = float(1035 + 121.5 * (i - 11));
        l.y2 = float(480 + 232.5 * (i - 11));
        l.x1 = 3225;
        l.x2 = 3780;
    }
}

void moveBevelLines(DrawingParts &p, DrawingState &)
{
    for (int i = 1; i <= 10; ++i) {
        Line &l = p.bevelToothLines[i];
        l.x1 = float(l.x1 + 1185.0 / 50);
        l.x2 = float(l.x2 + 2290.0 / 50);
        if (l.x1 > 3225) {
            l.x1 = 2040;
            l.x2 = 1490;
        }
    }
    for (int i = 11; i <= 20; ++i) {
        Line &l = p.bevelToothLines[i];
        l.y1 = float(l.y1 + 1215.0 / 50);
        l.y2 = float(l.y2 + 2325.0 / 50);
        if (l.y1 > 2250) {
            l.y1 = 1035;
            l.y2 = 480;
        }
    }
}

// Chain drive.
constexpr WheelPlacing kSprockets{{1210, 4125, 0}, {4455, 1545, 0}};

// The chain starts whole, every link on its sprocket.
void chainStartsWhole(DrawingState &st)
{
    st.motionSign = 1;
    for (int i = 1; i <= 30; ++i)
        st.linkShown[i] = -1;
}

// A link on a sprocket shows only on the side the chain wraps; when one leaves, the
// straight run starting there restarts from the tangent point.
void sprocketLink(Shape &link, std::int16_t &shown, bool leaves, bool arrives, Shape &runStart, float runLeft,
                  float runTop)
{
    if (leaves && shown) {
        shown = 0;
        link.visible = false;
        runStart.left = runLeft;
        runStart.top = runTop;
    } else if (arrives && !shown) {
        shown = -1;
        link.visible = true;
    }
}

template <std::size_t N>
void chainRun(std::array<Shape, N> &run, double firstStep, double spacing, int direction, int sign)
{
    run[1].left = float(run[1].left + direction * sign * firstStep * 0.9873);
    run[1].top = float(run[1].top - sign * firstStep * 0.1586);
    for (std::size_t i = 2; i < N; ++i) {
        run[i].left = float(run[i - 1].left + direction * sign * spacing * 2895 / 9);
        run[i].top = float(run[i - 1].top - sign * spacing * 465 / 9);
    }
}

// Where the chain wraps a sprocket its links cover the teeth, as the side plates of a real
// chain do; a tooth shows only on the free side, facing the other sprocket, clear of the
// runs leaving it. `facing` is +1 when the other sprocket lies to the right.
bool toothClearOfChain(double c, int facing, double leastCosine)
{
    return c * facing > leastCosine;
}

int moveChain(DrawingParts &p, DrawingState &st, const Centres &c)
{
    advance(st.smallWheelPhase, 0.1);
    advance(st.largeWheelPhase, 0.05);
    // Plain: the small sprocket on the left, facing right.
    const int towardsOther = st.mirrored ? -1 : 1;
    Rotor small(st.smallWheelPhase);
    for (int k = 1; k <= 10; ++k) {
        Shape &link = p.smallSprocketLinks[k];
        link.left = float(small.c * 600 + c[1] - 40);
        link.top = float(small.s * 600 + 1525 - 40);
        if (!st.mirrored)
            sprocketLink(link, st.linkShown[k], link.left > 1035, link.left < 1035, p.firstChainRun[1], 1035, 870);
        else
            sprocketLink(link, st.linkShown[k], link.left < 4470, link.left > 4470, p.firstChainRun[1], 4470, 2090);
        small.turn(k18);
        place(p.smallWheelTeeth[k], small, 555, c[1], 1525, 1, 128, 128);
        p.smallWheelTeeth[k].visible = toothClearOfChain(small.c, towardsOther, 0.5);
        small.turn(k18);
    }
    chainRun(p.firstChainRun, 53, 0.99, 1, st.motionSign);

    Rotor large(st.largeWheelPhase + 0.15);
    for (int k = 1; k <= 20; ++k) {
        Shape &link = p.largeSprocketLinks[k];
        link.left = float(large.c * 1075 + c[2] - 40);
        link.top = float(large.s * 1075 + 1525 - 40);
        std::int16_t &shown = st.linkShown[k + 10];
        if (!st.mirrored)
            sprocketLink(link, shown, link.left < 3930, link.left > 3930, p.secondChainRun[1], 3930, 2530);
        else
            sprocketLink(link, shown, link.left > 1560, link.left < 1560, p.secondChainRun[1], 1560, 380);
        large.turn(k9);
        place(p.largeWheelTeeth[k], large, 1025, c[2], 1525, 1, 128, 128);
        p.largeWheelTeeth[k].visible = toothClearOfChain(large.c, -towardsOther, 0.64);
        large.turn(k9);
    }
    chainRun(p.secondChainRun, 54, 1.01, -1, st.motionSign);
    return 0;
}
} // namespace

const MechanismRules spurGears = withDrawing({
    .parts = {PartGroup::SmallWheel, PartGroup::LargeWheel},
    .wheels = &kGearWheels,
    .motion = moveGears,
});

const MechanismRules bevelGears = withDrawing({
    .layOut = layOutBevelLines,
    .parts = {PartGroup::BevelLines},
    .motion = partsOnly<moveBevelLines>,
});

const MechanismRules chainDrive = withDrawing({
    .parts = {PartGroup::SmallWheel, PartGroup::LargeWheel, PartGroup::Chain},
    .shown = chainStartsWhole,
    .wheels = &kSprockets,
    .motion = moveChain,
});

} // namespace cinemoto::mechanisms
