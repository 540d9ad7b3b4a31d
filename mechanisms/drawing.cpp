#include "mechanisms/drawing.h"

#include "mechanisms/catalogue.h"
#include "mechanisms/rules/rules.h"

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
    for (int m = 1; m <= mechanismCount; ++m) {
        if (const auto layOut = rulesFor(m).drawing.layOut)
            layOut(p, st);
    }
}

void showParts(DrawingParts &p, DrawingState &st, int mechanism)
{
    p.hideAll();
    const MechanismDrawing &drawing = rulesFor(mechanism).drawing;
    for (PartGroup group : drawing.parts)
        showGroup(p, group);
    if (drawing.shown)
        drawing.shown(st);
}

void fillWheelCentres(DrawingState &st, int mechanism)
{
    const WheelPlacing *placing = rulesFor(mechanism).drawing.wheels;
    if (!placing)
        return;
    const auto &centres = st.mirrored ? placing->mirrored : placing->plain;
    // Every mechanism on the same shafts has its centres moved along.
    for (int m = 1; m <= mechanismCount; ++m) {
        if (rulesFor(m).drawing.wheels != placing)
            continue;
        for (std::size_t i = 0; i < 3; ++i)
            st.centres[std::size_t(m)][i + 1] = centres[i];
    }
    if (placing->placed)
        placing->placed(st);
}

bool mirrorsPicture(int mechanism)
{
    return rulesFor(mechanism).drawing.wheels != nullptr;
}

} // namespace cinemoto
