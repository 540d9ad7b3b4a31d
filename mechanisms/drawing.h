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
    Parts<Shape, 10> sharodames1;  // teeth of the small 10-tooth wheel
    Parts<Shape, 20> sharodames2;  // teeth of the large 20-tooth wheel
    Parts<Shape, 10> sharodames3;  // teeth of the second small wheel
    Parts<Shape, 20> sharodames4;  // teeth of the second large wheel
    Parts<Shape, 15> shaboigmes;   // teeth of the idler wheel
    Parts<Shape, 6> sharodames;    // marks on pulleys and friction wheels
    Parts<Shape, 10> shaCadena;    // chain links on the small sprocket
    Parts<Shape, 20> shaCadena2;   // chain links on the large sprocket
    Parts<Shape, 9> shaCadena3;    // links of one straight chain run
    Parts<Shape, 9> shaCadena4;    // links of the other straight run
    Parts<Line, 20> linConic;      // tooth lines of the bevel wheels
    Parts<Shape, 8> shasensefi;    // thread crests of the worm
    Parts<Line, 4> linSensefi;     // thread flanks of the worm
    Parts<Shape, 3> shaCargolsquare; // worm shaft squares
    Parts<Shape, 9> shaCremall;    // rack teeth
    Shape shaCremallera;           // rack bar
    Shape shaFemella;              // nut
    Parts<Line, 2> linFemella;     // screw thread lines
    Shape shaLleva;                // cam disc
    Shape shaCorro;                // roller on the cam
    Shape shaseguidor;             // follower rod
    Shape shaForadet;              // cam axis
    Line linBiela;                 // connecting rod
    Line linPisto;                 // piston rod
    Shape shaBiela;                // crank pin
    Shape shaPisto;                // piston pin
    Shape shaFipisto;              // end of the piston rod
    Line linPalames;               // lever bar
    Shape shaPalames;              // load on the lever
    Line linTorn;                  // winch crank arm
    Parts<Shape, 2> shaTorn1;      // crank axis, crank knob
    Shape shaTorn2;                // winch load
    Line linTorn2;                 // winch rope
    Parts<Line, 2> linCorriola;    // pulled rope end, load rope
    Shape shaCorriola;             // pulley load
    Parts<Line, 3> linPolis;       // ropes of the block and tackle
    Parts<Shape, 4> shaPolis;      // moving block, hook, axle, load
    Shape shaPla;                  // body on the inclined plane

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
    double pA = 0, pB = 0, pE = 0, pF = 0;
    double pinionPhase = 0, wormWheelPhase = 0;
    double p10 = 0, p20 = 0, p15 = 0;
    double q1 = 0, q2 = 0, q3 = 0;
    double r1 = 0, r2 = 0, r3 = 0;
    double camPhase = 0, crankPhase = 0, leverAngle = 0, winchPhase = 0;
    std::int16_t cardanTicks = 0, cardanFrame = 0;
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
