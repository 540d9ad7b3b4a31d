#include "mechanisms/drawing.h"

namespace cinemoto {

namespace {

Shape makeShape(Shape::Kind kind, float width, float height, std::uint32_t colour)
{
    Shape s;
    s.kind = kind;
    s.width = width;
    s.height = height;
    s.colour = colour;
    return s;
}

Line makeLine(std::uint32_t colour, int width)
{
    Line l;
    l.colour = colour;
    l.width = width;
    return l;
}

template <typename T, std::size_t N>
void fill(std::array<T, N> &array, const T &value)
{
    for (std::size_t i = 1; i < N; ++i)
        array[i] = value;
}

// Every part of an array; slot 0 is unused. The array may be const or not.
template <typename Array, typename F>
void each(Array &array, F &&f)
{
    for (std::size_t i = 1; i < array.size(); ++i)
        f(array[i]);
}

// Painting order: large bodies first, so that pins, links and teeth stay on top.
// One walk serves the const and the changing visit.
template <typename Parts, typename F>
void visitShapes(Parts &p, F &f)
{
    f(p.rackBar);
    each(p.rackTeeth, f);
    f(p.nut);
    f(p.camDisc);
    f(p.camAxis);
    f(p.followerRod);
    f(p.camRoller);
    f(p.pistonRodEnd);
    f(p.crankPin);
    f(p.pistonPin);
    f(p.leverLoad);
    f(p.winchLoad);
    each(p.winchCrank, f);
    f(p.pulleyLoad);
    f(p.tackleParts[4]);
    f(p.tackleParts[2]);
    f(p.tackleParts[1]);
    f(p.tackleParts[3]);
    f(p.planeBody);
    // The worm's thread runs into its bearings: the blocks cover the crests.
    each(p.wormCrests, f);
    each(p.wormShaftBlocks, f);
    each(p.largeWheelTeeth, f);
    each(p.secondLargeWheelTeeth, f);
    each(p.smallWheelTeeth, f);
    each(p.secondSmallWheelTeeth, f);
    each(p.idlerTeeth, f);
    each(p.wheelMarks, f);
    each(p.smallSprocketLinks, f);
    each(p.largeSprocketLinks, f);
    each(p.firstChainRun, f);
    each(p.secondChainRun, f);
}

template <typename Parts, typename F>
void visitLines(Parts &p, F &f)
{
    each(p.bevelToothLines, f);
    each(p.wormFlanks, f);
    each(p.screwThreadLines, f);
    f(p.pistonRod);
    f(p.connectingRod);
    f(p.leverBar);
    f(p.winchRope);
    f(p.winchArm);
    each(p.pulleyRopes, f);
    each(p.tackleRopes, f);
}

} // namespace

DrawingParts::DrawingParts()
{
    using K = Shape::Kind;
    const Shape tooth = makeShape(K::Circle, 256, 225, kRed);
    fill(smallWheelTeeth, tooth);
    fill(largeWheelTeeth, tooth);
    fill(idlerTeeth, tooth);
    Shape greyTooth = tooth;
    greyTooth.colour = kRoseGrey;
    fill(secondSmallWheelTeeth, greyTooth);
    fill(secondLargeWheelTeeth, greyTooth);
    fill(wheelMarks, makeShape(K::Circle, 150, 180, kCyanWhite));
    const Shape link = makeShape(K::Circle, 80, 80, kCyanWhite);
    fill(smallSprocketLinks, link);
    fill(largeSprocketLinks, link);
    fill(firstChainRun, link);
    fill(secondChainRun, link);
    fill(bevelToothLines, makeLine(kCyanWhite, 1));
    fill(wormCrests, makeShape(K::Oval, 225, 390, kRed));
    fill(wormFlanks, makeLine(kCyanWhite, 2));
    wormShaftBlocks[1] = makeShape(K::Square, 645, 645, kCyanWhite);
    wormShaftBlocks[2] = makeShape(K::Square, 300, 300, kCyanWhite);
    wormShaftBlocks[3] = makeShape(K::Square, 300, 300, kCyanWhite);
    fill(rackTeeth, makeShape(K::Oval, 225, 390, kRed));
    rackBar = makeShape(K::RoundedRectangle, 3210, 540, kRed);
    nut = makeShape(K::Rectangle, 600, 1845, kRed);
    fill(screwThreadLines, makeLine(kCyanWhite, 1));
    camDisc = makeShape(K::Circle, 1200, 1200, kRed);
    camRoller = makeShape(K::Circle, 240, 240, kRoseGrey);
    camRoller.filled = false;
    camRoller.borderWidth = 10;
    camRoller.left = 2730;
    camRoller.visible = true;
    followerRod = makeShape(K::Rectangle, 120, 1125, kRed);
    followerRod.left = 2790;
    camAxis = makeShape(K::Circle, 135, 135, kCyanWhite);
    camAxis.left = 2775;
    camAxis.top = 2055;
    connectingRod = makeLine(kRoseGrey, 10);
    pistonRod = makeLine(kRed, 10);
    crankPin = makeShape(K::Circle, 90, 150, kCyanWhite);
    pistonPin = makeShape(K::Circle, 90, 150, kCyanWhite);
    pistonRodEnd = makeShape(K::Rectangle, 150, 570, kRed);
    pistonRodEnd.visible = true;
    leverBar = makeLine(kRed, 15);
    leverLoad = makeShape(K::Circle, 495, 510, kRoseGrey);
    winchArm = makeLine(kRoseGrey, 15);
    winchArm.visible = true;
    fill(winchCrank, makeShape(K::Circle, 135, 135, kRed));
    winchLoad = makeShape(K::RoundedSquare, 360, 375, kRed);
    winchRope = makeLine(kRoseGrey, 2);
    fill(pulleyRopes, makeLine(kRoseGrey, 3));
    pulleyLoad = makeShape(K::RoundedSquare, 360, 375, kRed);
    fill(tackleRopes, makeLine(kRoseGrey, 2));
    tackleParts[1] = makeShape(K::Circle, 645, 615, kRed);
    tackleParts[2] = makeShape(K::Rectangle, 120, 600, kRoseGrey);
    tackleParts[3] = makeShape(K::Circle, 75, 90, kCyanWhite);
    tackleParts[4] = makeShape(K::RoundedSquare, 450, 390, kRed);
    planeBody = makeShape(K::Circle, 555, 570, kRed);
    planeBody.visible = true;
}

void DrawingParts::forEachShape(const std::function<void(const Shape &)> &f) const
{
    visitShapes(*this, f);
}

void DrawingParts::forEachShape(const std::function<void(Shape &)> &f)
{
    visitShapes(*this, f);
}

void DrawingParts::forEachLine(const std::function<void(const Line &)> &f) const
{
    visitLines(*this, f);
}

void DrawingParts::forEachLine(const std::function<void(Line &)> &f)
{
    visitLines(*this, f);
}

void DrawingParts::hideAll()
{
    forEachShape([](Shape &s) { s.visible = false; });
    forEachLine([](Line &l) { l.visible = false; });
}

} // namespace cinemoto
