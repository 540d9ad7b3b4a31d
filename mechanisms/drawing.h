#pragma once

#include <cstdint>
#include <array>
#include <cstdint>
#include <functional>

namespace cinemoto {

// Colours of the moving parts drawn over a mechanism's picture.
constexpr std::uint32_t kCyanWhite = 0xFFC6FFFF;
constexpr std::uint32_t kRoseGrey = 0xFFD6BDBD;
constexpr std::uint32_t kRed = 0xFFFF0000;

// A filled shape placed by its bounding box, in twips from the picture's top-left corner.
struct Shape
{
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
    Kind kind = Kind::Circle;
    float left = 0, top = 0, width = 0, height = 0;
    std::uint32_t colour = kRed;
    bool filled = true;
    int borderWidth = 0; // pixels; 0 for no border
    bool visible = false;
};

// A straight line between two points, in twips; its width is in pixels.
struct Line
{
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t colour = kCyanWhite;
    int width = 1;
    bool visible = false;
};

// Arrays are indexed from 1 like the parts they stand for; slot 0 is unused.
template <typename T, int N>
using Parts = std::array<T, N + 1>;

// Every moving part of every mechanism drawing, created hidden.
struct DrawingParts
{
    Parts<Shape, 10> smallWheelTeeth; // the 10-tooth wheel
    Parts<Shape, 20> largeWheelTeeth; // the 20-tooth wheel
    Parts<Shape, 10> secondSmallWheelTeeth;
    Parts<Shape, 20> secondLargeWheelTeeth;
    Parts<Shape, 15> idlerTeeth;
    Parts<Shape, 6> wheelMarks; // on pulleys and friction wheels
    Parts<Shape, 10> smallSprocketLinks;
    Parts<Shape, 20> largeSprocketLinks;
    Parts<Shape, 9> firstChainRun; // the straight runs between the sprockets
    Parts<Shape, 9> secondChainRun;
    Parts<Line, 20> bevelToothLines;
    Parts<Shape, 8> wormCrests; // of the worm's thread
    Parts<Line, 4> wormFlanks;
    Parts<Shape, 3> wormShaftBlocks;
    Parts<Shape, 9> rackTeeth;
    Shape rackBar;
    Shape nut;
    Parts<Line, 2> screwThreadLines;
    Shape camDisc;
    Shape camRoller;
    Shape followerRod;
    Shape camAxis;
    Line connectingRod;
    Line pistonRod;
    Shape crankPin;
    Shape pistonPin;
    Shape pistonRodEnd;
    Line leverBar;
    Shape leverLoad;
    Line winchArm;
    Parts<Shape, 2> winchCrank; // axis, knob
    Shape winchLoad;
    Line winchRope;
    Parts<Line, 2> pulleyRopes; // pulled end, load rope
    Shape pulleyLoad;
    Parts<Line, 3> tackleRopes;
    Parts<Shape, 4> tackleParts; // moving block, hook, axle, load
    Shape planeBody; // the body on the inclined plane

    DrawingParts(); // kinds, sizes, colours and the values the window starts with

    // Every shape and line, in painting order.
    void forEachShape(const std::function<void(const Shape &)> &f) const;
    void forEachLine(const std::function<void(const Line &)> &f) const;
    void forEachShape(const std::function<void(Shape &)> &f);
    void forEachLine(const std::function<void(Line &)> &f);
    void hideAll();
};

// Where the wheels stand and which way things move; shared by set-up and animation.
struct DrawingState
{
    bool mirrored = false;
    std::int16_t motionSign = 1;
    std::array<std::int16_t, 31> linkShown{}; // 1..30: link shown on its sprocket
    std::int16_t rackSign = 1;
    std::int16_t leverSide = 1;
    double threadPitch = 0;
    double idlerPhase = 0;
    // x of the wheel centres by mechanism: c1, c2, c3 (the fulcrum for the lever is c1).
    std::array<std::array<double, 4>, 20> centres{};

    // Phase angles in radians, kept across mechanism changes.
    double smallWheelPhase = 0, largeWheelPhase = 0, smallPulleyPhase = 0, largePulleyPhase = 0;
    double pinionPhase = 0, wormWheelPhase = 0;
    double trainDriverPhase = 0, trainDrivenPhase = 0, trainIdlerPhase = 0;
    double compoundFirstPhase = 0, compoundMiddlePhase = 0, compoundLastPhase = 0;
    double beltFirstPhase = 0, beltMiddlePhase = 0, beltLastPhase = 0;
    double camPhase = 0, crankPhase = 0, leverAngle = 0, winchPhase = 0;
    std::int16_t cardanTicks = 0, cardanFrame = 0;
};

// The groups of parts a mechanism's picture may show.
enum class PartGroup : std::uint8_t {
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
using PartGroups = std::array<PartGroup, kMostGroups>;

// Wheel centres (x, twips) of a picture that may be drawn mirrored: c1, c2, c3.
struct WheelPlacing
{
    std::array<double, 3> plain, mirrored;
    // What else follows the mirroring once the centres are in, or nothing.
    void (*placed)(DrawingState &) = nullptr;
};

// Places the parts whose geometry is fixed or starts from a given pose.
void initialLayout(DrawingParts &parts, DrawingState &state);
// Hides every part, then shows those of the mechanism.
void showParts(DrawingParts &parts, DrawingState &state, int mechanism);
// Fills the centre table entries of the mechanism for the current mirror state.
void fillWheelCentres(DrawingState &state, int mechanism);
// Mechanisms whose picture may be drawn mirrored for a new exercise.
bool mirrorsPicture(int mechanism);

} // namespace cinemoto
