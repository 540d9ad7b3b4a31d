#pragma once

#include "exercise/exercise.h"
#include "mechanisms/animation.h"

#include <array>
#include <cstdint>
#include <span>

namespace cinemoto {

// One mechanism's rules, as data where it is a table: how its values are drawn, which
// data lines it writes, what each exercise shows and asks, the sentence that states each
// solution, and how its drawing is laid out, shown, placed and moved. Texts are Catalan
// text ids; numbers are written by exercise/display.

// A value of the exercise that a line or an answer is made of.
enum class Quantity : std::uint8_t {
    Ratio,
    MotorValue,
    ResistantValue,
    CentralValue,
    MotorSize,
    ResistantSize,
    CentralSize,
    SmallSize,
    LargeSize,
};

// How the number of a line is written.
enum class Number : std::uint8_t {
    Shown,  // a data line: " ###0.#0   ", three significant digits below 1
    Stated, // a solution sentence: " ###0.#0  ", the same digits
    Whole,  // a count or a size in whole millimetres
    Ratio,  // the statement line's own pattern, by the size of the ratio
};

// What follows the number: nothing, a fixed text, a text of the catalogue, or the speed
// unit in force (the value is then converted into it).
struct Suffix
{
    enum Kind : std::uint8_t { None, Literal, Text, Speed };
    constexpr Suffix(Kind kind = None, const char *literal = nullptr, int text = 0)
        : kind(kind)
        , literal(literal)
        , text(text)
    {
    }
    Kind kind;
    const char *literal;
    int text;
};

inline constexpr Suffix kNoSuffix{};
inline constexpr Suffix kSpeed{Suffix::Speed};
inline constexpr Suffix kMm{Suffix::Literal, " mm"};
inline constexpr Suffix kMmPerS{Suffix::Literal, "mm/s"};
inline constexpr Suffix kNewtons{Suffix::Literal, "N"};
inline constexpr Suffix kKilograms{Suffix::Literal, "Kg"};
inline constexpr Suffix kTeeth{Suffix::Text, nullptr, 132};
inline constexpr Suffix kMmText{Suffix::Text, nullptr, 134};

// Text, number, suffix: one data line, the statement line or a solution sentence.
// A line without a text id opens with `prefix`.
struct LineRule
{
    constexpr LineRule() = default;
    constexpr LineRule(int text, Quantity quantity, Number number, Suffix suffix = {}, const char *prefix = nullptr)
        : text(text)
        , quantity(quantity)
        , number(number)
        , suffix(suffix)
        , prefix(prefix)
    {
    }
    int text = 0;
    Quantity quantity = Quantity::Ratio;
    Number number = Number::Shown;
    Suffix suffix{};
    const char *prefix = nullptr;
};

// The statement line: its opening text, the ratio, and what follows it.
constexpr LineRule statementLine(int opening, Suffix tail = kNoSuffix)
{
    return {opening, Quantity::Ratio, Number::Ratio, tail};
}

// The six data lines: driving box, driven box and middle box, two lines each.
enum Slot : std::uint8_t { M1, M2, R1, R2, C1, C2 };
constexpr int kSlotCount = 6;

// A data line and its place; a speed line may take the next speed unit first.
struct DataLine
{
    Slot slot;
    bool nextUnit;
    LineRule line;
};

// What follows the text of a question.
enum class Tail : std::uint8_t { None, SpeedUnit, Newtons, Kilograms, Millimetres };

struct Question
{
    constexpr Question(int text = 0, Tail tail = Tail::None)
        : text(text)
        , tail(tail)
    {
    }
    int text; // 0: the exercise does not exist, the question on screen stays
    Tail tail;
};

// Titles over the data boxes, 0 where the box has none.
struct Titles
{
    int driving;
    int middle;
    int driven;
};

// The counts and values every exercise starts from: A in 51..501, B in 5..51, the speed
// or force S and the other side's T.
struct BaseDraw
{
    std::int32_t a;
    std::int32_t b;
    float s;
    float t;
};

// The constants the values are derived with, as the draws have always used them.
inline constexpr double kDrawPi = 3.1415927;
inline constexpr double kDrawGravity = 9.8;

class Screen;
using Show = void (*)(Screen &);

// The moving drawing over the picture: how its parts are first laid out, which groups it
// shows and what showing them resets, where its wheels stand when the picture may be
// mirrored (mechanisms on the same shafts share one placing), and one step of its motion.
struct MechanismDrawing
{
    void (*layOut)(DrawingParts &, DrawingState &) = nullptr;
    PartGroups parts{};
    void (*shown)(DrawingState &) = nullptr;
    const WheelPlacing *wheels = nullptr;
    Motion motion = nullptr;
};

struct MechanismRules
{
    // Draws taken before the side is chosen, or nothing; then what derives from them.
    void (*drawMore)(BaseDraw &, const Draw &) = nullptr;
    void (*derive)(Exercise &, const BaseDraw &, const Draw &) = nullptr;
    std::span<const DataLine> speedLines;
    std::span<const DataLine> sizeLines;
    // Per exercise 1..5: what is shown, what is asked, how the answer is stated. The
    // first sentence is also the statement line above the data.
    std::array<Show, 5> shows{};
    std::array<Question, 5> questions{};
    std::array<LineRule, 5> sentences{};
    Titles titles{};
    bool middleData = false;
    MechanismDrawing drawing{};
};

// The rules of mechanism 1..19; an empty set for any other number.
const MechanismRules &rulesFor(int mechanism);

} // namespace cinemoto
