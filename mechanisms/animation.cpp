#include "mechanisms/animation.h"

#include <cmath>

namespace cinemoto {

namespace {

// Fixed cosine/sine pairs of the angular pitches, so that a wheel costs one sine and
// one cosine per tick whatever its number of teeth.
struct Step
{
    double cos, sin;
};
constexpr Step k36{0.809, 0.5878};
constexpr Step k24{0.9135, 0.4067};
constexpr Step k18{0.9511, 0.309};
constexpr Step k9{0.9877, 0.1564};

void advance(double &phase, double step)
{
    phase += step;
    if (phase > kTwoPi)
        phase -= kTwoPi;
}

struct Rotor
{
    double c, s;
    explicit Rotor(double phase) : c(std::cos(phase)), s(std::sin(phase)) {}
    void turn(const Step &d)
    {
        const double s2 = s * d.cos + c * d.sin;
        const double c2 = c * d.cos - s * d.sin;
        s = s2;
        c = c2;
    }
};

// Left = c R + cx - hl, Top = cy + sense s R - ht.
void place(Shape &part, const Rotor &r, double radius, double cx, double cy, int sense, double hl, double ht)
{
    part.left = float(r.c * radius + cx - hl);
    part.top = float(cy + sense * r.s * radius - ht);
}

template <std::size_t N>
void wheel(std::array<Shape, N> &parts, double phase, double radius, double cx, double cy, int sense,
           const Step &pitch)
{
    Rotor r(phase);
    for (std::size_t k = 1; k < N; ++k) {
        place(parts[k], r, radius, cx, cy, sense, 128, 128);
        r.turn(pitch);
    }
}

void mark(Shape &part, double phase, double radius, double cx, double cy, int sense, double topOffset)
{
    place(part, Rotor(phase), radius, cx, cy, sense, 75, topOffset);
}

void bevel(DrawingParts &p)
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

void rack(DrawingParts &p, DrawingState &st)
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

void worm(DrawingParts &p, DrawingState &st)
{
    advance(st.wormWheelPhase, 0.0349);
    wheel(p.largeWheelTeeth, st.wormWheelPhase + 0.21, 1125, 2745, 1830, -1, k18);
    wormCrests(p, st, 1, 1960, true);
    wormCrests(p, st, 5, 1860, false);
}

void simpleTrain(DrawingParts &p, DrawingState &st)
{
    // Steps in the exact inverse ratio of the tooth counts (10, 20, 15): the teeth keep
    // meeting gaps however long the wheels turn.
    advance(st.trainDriverPhase, 0.0873);
    advance(st.trainDrivenPhase, 0.0873 / 2);
    advance(st.trainIdlerPhase, 0.0873 * 10 / 15);
    const auto &c = st.centres[12];
    wheel(p.smallWheelTeeth, st.trainDriverPhase, 555, c[1], 1515, 1, k36);
    wheel(p.largeWheelTeeth, st.trainDrivenPhase + 0.15, 1125, c[2], 1515, -1, k18);
    wheel(p.idlerTeeth, st.trainIdlerPhase + st.idlerPhase, 844, c[3], 1515, -1, k24);
}

void compoundTrain(DrawingParts &p, DrawingState &st)
{
    advance(st.compoundFirstPhase, 0.1);
    advance(st.compoundMiddlePhase, 0.05);
    advance(st.compoundLastPhase, 0.025);
    const auto &c = st.centres[13];
    wheel(p.smallWheelTeeth, st.compoundFirstPhase, 555, c[1], 1515, 1, k36);
    wheel(p.secondSmallWheelTeeth, st.compoundMiddlePhase + 0.15, 555, c[2], 1515, -1, k36);
    Rotor middle(st.compoundMiddlePhase + 0.15);
    Rotor last(st.compoundLastPhase + 0.25);
    for (int k = 1; k <= 20; ++k) {
        // Teeth of the middle wheel facing the last wheel are behind it.
        const double x = middle.c * 1125;
        Shape &tooth = p.largeWheelTeeth[k];
        if ((!st.mirrored && x > 865) || (st.mirrored && x < -865)) {
            tooth.visible = false;
        } else {
            tooth.visible = true;
            place(tooth, middle, 1120, c[2], 1515, -1, 128, 128);
        }
        middle.turn(k18);
        place(p.secondLargeWheelTeeth[k], last, 1120, c[3], 1515, 1, 128, 128);
        last.turn(k18);
    }
}

void compoundBelt(DrawingParts &p, DrawingState &st)
{
    advance(st.beltFirstPhase, 0.2);
    advance(st.beltMiddlePhase, 0.1);
    advance(st.beltLastPhase, 0.05);
    const auto &c = st.centres[14];
    mark(p.wheelMarks[5], st.beltFirstPhase, 445, c[1], 1560, 1, 125);
    const double x = std::cos(st.beltMiddlePhase) * 985 + 2565 - 75;
    Shape &hidden = p.wheelMarks[6];
    if ((!st.mirrored && x > 3340) || (st.mirrored && x < 1675)) {
        hidden.visible = false;
    } else {
        hidden.visible = true;
        mark(hidden, st.beltMiddlePhase, 985, c[2], 1560, 1, 125);
    }
    mark(p.wheelMarks[3], st.beltMiddlePhase, 445, c[2], 1560, 1, 125);
    mark(p.wheelMarks[4], st.beltLastPhase, 985, c[3], 1560, 1, 125);
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

void chain(DrawingParts &p, DrawingState &st)
{
    advance(st.smallWheelPhase, 0.1);
    advance(st.largeWheelPhase, 0.05);
    const auto &c = st.centres[5];
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
}

void screw(DrawingParts &p, DrawingState &st)
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

void cam(DrawingParts &p, DrawingState &st)
{
    advance(st.camPhase, 0.175);
    const double c = std::cos(st.camPhase);
    const double s = std::sin(st.camPhase);
    p.camDisc.left = float(c * 345 + 2850 - 600);
    p.camDisc.top = float(s * 345 + 2115 - 600);
    p.camRoller.top = float(p.camDisc.top + 78.79 * c * c - 310);
    p.followerRod.top = p.camRoller.top - 820;
}

void crank(DrawingParts &p, DrawingState &st)
{
    st.crankPhase += 0.2;
    if (st.crankPhase > 6.28)
        st.crankPhase -= 6.28; // this wheel wraps at 6.28, not at two pi
    const double s = std::sin(st.crankPhase);
    const double c = std::cos(st.crankPhase);
    p.connectingRod.x1 = float(c * 570 + 840);
    p.connectingRod.y1 = float(1500 - s * 570);
    p.crankPin.left = p.connectingRod.x1 - 25;
    p.crankPin.top = p.connectingRod.y1 - 75;
    const double d = std::sqrt(2325.0 * 2325.0 - (570 * s) * (570 * s));
    p.connectingRod.x2 = float(c * 570 + 840 + d);
    p.pistonRod.x1 = p.connectingRod.x2;
    p.pistonRod.x2 = p.pistonRod.x1 + 1725;
    p.pistonPin.left = p.connectingRod.x2 - 50;
    p.pistonRodEnd.left = p.pistonRod.x2 - 50;
}

void lever(DrawingParts &p, DrawingState &st)
{
    double &t = st.leverAngle;
    if (t > 0.35)
        st.motionSign = -1;
    if (t < 0.015)
        st.motionSign = 1;
    t += st.motionSign * 0.015;
    const double f = st.centres[15][1];
    const int side = st.leverSide;
    p.leverBar.x2 = float(f + std::cos(t) * 3400 * side);
    p.leverBar.y2 = float(1920 - std::sin(t) * 3400);
    p.leverBar.x1 = float(f - std::cos(t) * 1350 * side);
    p.leverBar.y1 = float(1920 + std::sin(t) * 1350);
    p.leverLoad.top = float(std::sin(t - 0.2) * 1200 + 1920 - 250);
    p.leverLoad.left = float(f - std::cos(t - 0.2) * 1200 * side - 250);
}

void winch(DrawingParts &p, DrawingState &st)
{
    st.winchPhase += st.motionSign * 0.052;
    const double c = std::cos(st.winchPhase - 1.4);
    const double s = std::sin(st.winchPhase - 1.4);
    p.winchArm.x1 = float(2835 - c * 625);
    p.winchArm.y1 = float(s * 625 + 915);
    p.winchCrank[2].left = float(2835 - c * 615 - 68);
    p.winchCrank[2].top = float(s * 615 + 915 - 68);
    if (p.winchRope.y2 > 2900)
        st.motionSign = 1;
    if (p.winchRope.y2 < 1900)
        st.motionSign = -1;
    p.winchRope.y2 = float(p.winchRope.y2 - st.motionSign * 28.0);
    p.winchLoad.top = float(p.winchLoad.top - st.motionSign * 28.0);
}

void pulley(DrawingParts &p, DrawingState &st)
{
    if (p.pulleyRopes[2].y2 > 2800)
        st.motionSign = 1;
    if (p.pulleyRopes[2].y2 < 1600)
        st.motionSign = -1;
    p.pulleyRopes[1].y2 = float(p.pulleyRopes[1].y2 + st.motionSign * 40.0);
    p.pulleyRopes[2].y2 = float(p.pulleyRopes[2].y2 - st.motionSign * 40.0);
    p.pulleyLoad.top = float(p.pulleyLoad.top - st.motionSign * 40.0);
}

void blockAndTackle(DrawingParts &p, DrawingState &st)
{
    if (p.tackleParts[1].top > 1900)
        st.motionSign = -1;
    if (p.tackleParts[1].top < 1200)
        st.motionSign = 1;
    for (int i = 1; i <= 4; ++i)
        p.tackleParts[i].top = float(p.tackleParts[i].top + st.motionSign * 15.0);
    p.tackleRopes[1].y2 = float(p.tackleRopes[1].y2 + st.motionSign * 15.0);
    p.tackleRopes[2].y2 = float(p.tackleRopes[2].y2 + st.motionSign * 15.0);
    p.tackleRopes[3].y2 = float(p.tackleRopes[3].y2 - st.motionSign * 30.0);
}

void inclinedPlane(DrawingParts &p, DrawingState &st)
{
    Shape &body = p.planeBody;
    // As for the nut: the limit passed decides the way back.
    if (body.top < 50)
        st.motionSign = -1;
    if (body.top > 2150)
        st.motionSign = 1;
    body.left = float(body.left + st.motionSign * 40 * std::cos(0.5323));
    body.top = float(body.top - st.motionSign * 40 * std::sin(0.5323));
}

int universalJoint(DrawingState &st)
{
    if (++st.cardanTicks < 3)
        return 0;
    st.cardanTicks = 0;
    ++st.cardanFrame;
    if (st.cardanFrame == 4)
        return 56;
    if (st.cardanFrame >= 5)
        st.cardanFrame = 1;
    return 94 + st.cardanFrame;
}

using Centres = std::array<double, 4>;

void spurGear(DrawingParts &p, DrawingState &st, const Centres &c)
{
    advance(st.smallWheelPhase, 0.1);
    advance(st.largeWheelPhase, 0.05);
    wheel(p.smallWheelTeeth, st.smallWheelPhase, 555, c[1], 1515, 1, k36);
    wheel(p.largeWheelTeeth, st.largeWheelPhase + 0.15, 1125, c[2], 1515, -1, k18);
}

// The belt and the friction drive turn one mark on each wheel; a friction drive's driven
// wheel turns the other way.
struct TwoWheelDrive
{
    double smallRadius, largeRadius, axisHeight;
    int drivenSense;
};
constexpr TwoWheelDrive kBeltDrive{445, 1110, 1545, 1};
constexpr TwoWheelDrive kFrictionDrive{495, 1035, 1560, -1};

void twoWheelDrive(DrawingParts &p, DrawingState &st, const Centres &c, const TwoWheelDrive &d)
{
    advance(st.smallPulleyPhase, 0.2);
    advance(st.largePulleyPhase, 0.1);
    mark(p.wheelMarks[1], st.smallPulleyPhase, d.smallRadius, c[1], d.axisHeight, 1, 75);
    mark(p.wheelMarks[2], st.largePulleyPhase, d.largeRadius, c[2], d.axisHeight, d.drivenSense, 75);
}

// One step of a mechanism; returns the picture to show when the picture itself moves.
using Motion = int (*)(DrawingParts &, DrawingState &, const Centres &);

template <void (*step)(DrawingParts &, DrawingState &)>
int partsOnly(DrawingParts &p, DrawingState &st, const Centres &)
{
    step(p, st);
    return 0;
}

constexpr std::array<Motion, 20> kMotions = {
    nullptr,
    [](DrawingParts &p, DrawingState &st, const Centres &c) { spurGear(p, st, c); return 0; },
    [](DrawingParts &p, DrawingState &st, const Centres &c) { twoWheelDrive(p, st, c, kBeltDrive); return 0; },
    [](DrawingParts &p, DrawingState &, const Centres &) { bevel(p); return 0; },
    [](DrawingParts &p, DrawingState &st, const Centres &c) { twoWheelDrive(p, st, c, kFrictionDrive); return 0; },
    partsOnly<chain>,
    [](DrawingParts &, DrawingState &st, const Centres &) { return universalJoint(st); },
    partsOnly<rack>,
    partsOnly<worm>,
    partsOnly<screw>,
    partsOnly<cam>,
    partsOnly<crank>,
    partsOnly<simpleTrain>,
    partsOnly<compoundTrain>,
    partsOnly<compoundBelt>,
    partsOnly<lever>,
    partsOnly<winch>,
    partsOnly<pulley>,
    partsOnly<blockAndTackle>,
    partsOnly<inclinedPlane>,
};

} // namespace

int animateMechanism(DrawingParts &p, DrawingState &st, int mechanism)
{
    if (mechanism < 1 || mechanism > 19)
        return 0;
    return kMotions[std::size_t(mechanism)](p, st, st.centres[std::size_t(mechanism)]);
}

} // namespace cinemoto
