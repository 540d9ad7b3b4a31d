#pragma once

#include "mechanisms/rules/rules.h"

#include <array>
#include <initializer_list>

namespace cinemoto {

// A line as it will be written: its rule, its number (a speed already converted) and
// the speed unit it is in.
struct FilledLine
{
    bool shown = false;
    LineRule rule{};
    double value = 0;
    bool rpm = false;
};

// Everything one exercise shows, before any text is looked up.
struct Layout
{
    std::array<FilledLine, kSlotCount> lines{};
    bool ratioShown = false;
    bool middleShown = false;
    Question question{};
    bool questionRpm = false;
    float questionFactor = kRpmFactor;
    FilledLine sentence{}; // not shown when the exercise does not exist
};

// The screen of an exercise while its mechanism's rules fill it in. Speed units and the
// random picks of the rules take the exercise's coin tosses in turn, from the first.
class Screen
{
public:
    Screen(const Exercise &exercise, const MechanismRules &rules);

    const Exercise &exercise() const { return m_exercise; }
    bool easy() const { return m_exercise.easyVariant; }

    // The speed unit of the next speed written: the chosen one, or a coin toss each
    // with random units.
    void nextUnit();
    // The next coin toss.
    bool pick();
    void write(const DataLine &line);
    // The mechanism's own size line of the slot, written again.
    void writeSizeLine(Slot slot);
    void clear(std::initializer_list<Slot> slots);
    void showRatio() { m_layout.ratioShown = true; }

    Layout &layout() { return m_layout; }
    FilledLine fill(const LineRule &rule) const;

private:
    const Exercise &m_exercise;
    const MechanismRules &m_rules;
    Layout m_layout;
    int m_choice = 1;
    bool m_rpm = true;
};

// What the exercise shows, asks and states, by its mechanism's rules.
Layout layoutOf(const Exercise &exercise);

// The value a line or an answer is made of; speeds in rad/s.
double quantityValue(const Exercise &exercise, Quantity quantity);

// The usual screens, shared by mechanisms that show the same way.
namespace shows {
// The ratio asked: a coin toss hides the speeds or the sizes.
void speedsOrSizes(Screen &);
void withoutSizes(Screen &);
void withoutSpeeds(Screen &);
// The easy variant gives the ratio and the speeds, the other every line but the middle speed.
void ratioAndSpeedsOrAll(Screen &);
// The easy variant gives the ratio and the sizes, the other every line but the middle speed.
void ratioAndSizesOrAll(Screen &);
// The compound drives, two equal stages, exercise by exercise.
void twoStageRatio(Screen &);
void twoStageDrivingSpeed(Screen &);
void twoStageDrivenSpeed(Screen &);
void twoStageSmallWheel(Screen &);
void twoStageLargeWheel(Screen &);
// The ratio with the speeds only.
void ratioWithoutSizes(Screen &);

// Exercise by exercise: the ratio, the two speeds, the two sizes.
constexpr std::array<Show, 5> kRatioSpeedsSizes = {speedsOrSizes, ratioAndSpeedsOrAll, ratioAndSpeedsOrAll,
                                                    ratioAndSizesOrAll, ratioAndSizesOrAll};
constexpr std::array<Show, 5> kTwoStages = {twoStageRatio, twoStageDrivingSpeed, twoStageDrivenSpeed,
                                            twoStageSmallWheel, twoStageLargeWheel};
} // namespace shows

} // namespace cinemoto
