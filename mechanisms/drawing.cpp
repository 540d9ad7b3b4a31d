#include "mechanisms/drawing.h"

namespace cinemoto {

namespace {

template <typename T, std::size_t N>
void showRange(std::array<T, N> &array, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i <= to && i < N; ++i)
        array[i].visible = true;
}

template <typename T, std::size_t N>
void showAll(std::array<T, N> &array)
{
    showRange(array, 1, N - 1);
}

void layoutBevelWheels(DrawingParts &p)
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

void layoutWorm(DrawingParts &p, DrawingState &st)
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

void layoutNutCrankAndRack(DrawingParts &p, DrawingState &st)
{
    p.nut.left = 1665;
    p.nut.top = 570;
    for (int i = 1; i <= 2; ++i) {
        p.screwThreadLines[i].x1 = 1635;
        p.screwThreadLines[i].x2 = 2235;
    }
    p.screwThreadLines[1].y1 = p.screwThreadLines[1].y2 = 1500;
    p.screwThreadLines[2].y1 = p.screwThreadLines[2].y2 = 2385;

    p.connectingRod.y2 = 1500;
    p.pistonRod.y1 = p.pistonRod.y2 = 1500;
    p.pistonPin.top = 1425;
    p.pistonRodEnd.top = 1230;

    st.rackSign = 1;
    p.rackBar.left = 2355;
    p.rackBar.top = 2025;
    for (int i = 1; i <= 9; ++i) {
        p.rackTeeth[i].top = 1925;
        p.rackTeeth[i].left = p.rackBar.left + 70 + 350 * (i - 1);
    }
}

void layoutLeverAndWinch(DrawingParts &p, DrawingState &st)
{
    p.leverBar.x2 = 5209;
    p.leverBar.y2 = 1920;
    p.leverBar.x1 = 665;
    p.leverBar.y1 = 1920;
    p.leverLoad.top = 1670;
    p.leverLoad.left = 650;

    st.motionSign = 1;
    p.winchArm.x2 = 2835;
    p.winchArm.y2 = 915;
    p.winchCrank[1].left = 2760;
    p.winchCrank[1].top = 835;
    p.winchLoad.left = 3195;
    p.winchLoad.top = 2715;
    p.winchRope.x1 = 3360;
    p.winchRope.y1 = 930;
    p.winchRope.x2 = 3360;
    p.winchRope.y2 = 2865;
}

void layoutPulleysAndPlane(DrawingParts &p)
{
    p.pulleyRopes[1].x1 = p.pulleyRopes[1].x2 = 2190;
    p.pulleyRopes[1].y1 = 960;
    p.pulleyRopes[1].y2 = 1695;
    p.pulleyRopes[2].x1 = p.pulleyRopes[2].x2 = 3360;
    p.pulleyRopes[2].y1 = 960;
    p.pulleyRopes[2].y2 = 2700;
    p.pulleyLoad.top = 2640;
    p.pulleyLoad.left = 3200;

    // Each rope of the block and tackle: x1, x2, y1, y2.
    const float ropes[4][4] = {{}, {3180, 3180, 675, 1545}, {2850, 2580, 1020, 1395}, {2550, 2415, 585, 2960}};
    for (int i = 1; i <= 3; ++i) {
        p.tackleRopes[i].x1 = ropes[i][0];
        p.tackleRopes[i].x2 = ropes[i][1];
        p.tackleRopes[i].y1 = ropes[i][2];
        p.tackleRopes[i].y2 = ropes[i][3];
    }
    const float blockTop[] = {0, 1245, 1500, 1530, 2085};
    const float blockLeft[] = {0, 2535, 2805, 2820, 2640};
    for (int i = 1; i <= 4; ++i) {
        p.tackleParts[i].top = blockTop[i];
        p.tackleParts[i].left = blockLeft[i];
    }

    p.planeBody.left = 795;
    p.planeBody.top = 1905;
}

// The groups of parts a mechanism's picture shows.
enum class PartGroup {
    None,
    SmallWheel,
    LargeWheel,
    SecondSmallWheel,
    SecondLargeWheel,
    IdlerWheel,
    FirstPulleyMarks,
    CompoundPulleyMarks,
    Chain,
    BevelLines,
    Worm,
    Rack,
    Nut,
    Cam,
    Crank,
    Lever,
    Winch,
    Pulley,
    Tackle,
    PlaneBody,
};

constexpr int kMostGroups = 4;
// By mechanism; the universal joint (6) has none, its picture itself moves.
constexpr std::array<std::array<PartGroup, kMostGroups>, 20> kGroupsShown = {{
    {},
    {PartGroup::SmallWheel, PartGroup::LargeWheel},
    {PartGroup::FirstPulleyMarks},
    {PartGroup::BevelLines},
    {PartGroup::FirstPulleyMarks},
    {PartGroup::SmallWheel, PartGroup::LargeWheel, PartGroup::Chain},
    {},
    {PartGroup::Rack, PartGroup::SmallWheel},
    {PartGroup::LargeWheel, PartGroup::Worm},
    {PartGroup::Nut},
    {PartGroup::Cam},
    {PartGroup::Crank},
    {PartGroup::SmallWheel, PartGroup::LargeWheel, PartGroup::IdlerWheel},
    {PartGroup::SmallWheel, PartGroup::SecondSmallWheel, PartGroup::LargeWheel, PartGroup::SecondLargeWheel},
    {PartGroup::CompoundPulleyMarks},
    {PartGroup::Lever},
    {PartGroup::Winch},
    {PartGroup::Pulley},
    {PartGroup::Tackle},
    {PartGroup::PlaneBody},
}};

// The groups of single parts, shown together.
void showLinkedGroup(DrawingParts &p, PartGroup group)
{
    switch (group) {
    case PartGroup::Rack:
        showAll(p.rackTeeth);
        p.rackBar.visible = true;
        break;
    case PartGroup::Nut:
        p.nut.visible = true;
        showAll(p.screwThreadLines);
        break;
    case PartGroup::Cam:
        p.camAxis.visible = p.camRoller.visible = p.followerRod.visible = p.camDisc.visible = true;
        break;
    case PartGroup::Crank:
        p.connectingRod.visible = p.pistonRod.visible = true;
        p.pistonPin.visible = p.crankPin.visible = p.pistonRodEnd.visible = true;
        break;
    case PartGroup::Lever:
        p.leverBar.visible = p.leverLoad.visible = true;
        break;
    case PartGroup::Winch:
        p.winchArm.visible = p.winchRope.visible = p.winchLoad.visible = true;
        showAll(p.winchCrank);
        break;
    case PartGroup::Pulley:
        showAll(p.pulleyRopes);
        p.pulleyLoad.visible = true;
        break;
    case PartGroup::Tackle:
        showAll(p.tackleRopes);
        showAll(p.tackleParts);
        break;
    case PartGroup::PlaneBody:
        p.planeBody.visible = true;
        break;
    default:
        break;
    }
}

void showGroup(DrawingParts &p, PartGroup group)
{
    switch (group) {
    case PartGroup::None:
        break;
    case PartGroup::SmallWheel:
        showAll(p.smallWheelTeeth);
        break;
    case PartGroup::LargeWheel:
        showAll(p.largeWheelTeeth);
        break;
    case PartGroup::SecondSmallWheel:
        showAll(p.secondSmallWheelTeeth);
        break;
    case PartGroup::SecondLargeWheel:
        showAll(p.secondLargeWheelTeeth);
        break;
    case PartGroup::IdlerWheel:
        showAll(p.idlerTeeth);
        break;
    case PartGroup::FirstPulleyMarks:
        showRange(p.wheelMarks, 1, 2);
        break;
    case PartGroup::CompoundPulleyMarks:
        showRange(p.wheelMarks, 3, 6);
        break;
    case PartGroup::Chain:
        showAll(p.smallSprocketLinks);
        showAll(p.largeSprocketLinks);
        showAll(p.firstChainRun);
        showAll(p.secondChainRun);
        break;
    case PartGroup::BevelLines:
        showAll(p.bevelToothLines);
        break;
    case PartGroup::Worm:
        showAll(p.wormCrests);
        showAll(p.wormShaftBlocks);
        showAll(p.wormFlanks);
        break;
    default:
        showLinkedGroup(p, group);
        break;
    }
}

} // namespace

void initialLayout(DrawingParts &p, DrawingState &st)
{
    layoutBevelWheels(p);
    layoutWorm(p, st);
    layoutNutCrankAndRack(p, st);
    layoutLeverAndWinch(p, st);
    layoutPulleysAndPlane(p);
}

void showParts(DrawingParts &p, DrawingState &st, int mechanism)
{
    p.hideAll();
    for (PartGroup group : kGroupsShown.at(std::size_t(mechanism)))
        showGroup(p, group);
    if (mechanism == 5) {
        // The chain starts whole, every link on its sprocket.
        st.motionSign = 1;
        for (int i = 1; i <= 30; ++i)
            st.linkShown[i] = -1;
    }
}

namespace {

// Wheel centres (x, twips) of the mechanisms whose picture may be mirrored: c1, c2, c3.
struct WheelPlacing
{
    int mechanism;
    std::array<double, 3> plain, mirrored;
};
constexpr WheelPlacing kWheelPlacings[] = {
    // The large gear stands far enough out for the teeth to pass between each other.
    {1, {1950, 3795, 0}, {3735, 1890, 0}},
    {2, {1410, 4260, 0}, {4260, 1425, 0}},
    {4, {1800, 3600, 0}, {3870, 2070, 0}},
    {5, {1210, 4125, 0}, {4455, 1545, 0}},
    // Wheels set out so that meeting teeth pass between each other.
    {12, {2550, 4395, 975}, {3120, 1275, 4695}},
    // The two compound drives share their shafts.
    {13, {750, 2565, 4380}, {4920, 3105, 1290}},
    {14, {750, 2565, 4380}, {4920, 3105, 1290}},
    // The lever's fulcrum.
    {15, {2100, 0, 0}, {3570, 0, 0}},
};

const WheelPlacing *placingOf(int mechanism)
{
    for (const WheelPlacing &placing : kWheelPlacings) {
        if (placing.mechanism == mechanism)
            return &placing;
    }
    return nullptr;
}

} // namespace

void fillWheelCentres(DrawingState &st, int mechanism)
{
    const WheelPlacing *placing = placingOf(mechanism);
    if (!placing)
        return;
    const bool mirrored = st.mirrored;
    const auto &centres = mirrored ? placing->mirrored : placing->plain;
    for (int m : {mechanism, mechanism == 13 ? 14 : mechanism == 14 ? 13 : mechanism}) {
        for (std::size_t i = 0; i < 3; ++i)
            st.centres[std::size_t(m)][i + 1] = centres[i];
    }
    if (mechanism == 12)
        st.idlerPhase = mirrored ? 0.0 : 0.2; // the idler's own gap comes where the small wheel's tooth does
    if (mechanism == 15)
        st.leverSide = mirrored ? -1 : 1;
}

bool mirrorsPicture(int mechanism)
{
    return placingOf(mechanism) != nullptr;
}

} // namespace cinemoto
