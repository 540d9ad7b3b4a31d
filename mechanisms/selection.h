#pragma once

#include "app/platform/services.h"
#include "exams/exam.h"
#include "exercise/exercise.h"

#include <cstdint>
#include <functional>

namespace cinemoto {

// What a difficulty level offers the pupil, one row per level.
struct LevelPreset
{
    bool manualChoices;  // type, mechanism and exercise are the pupil's to pick
    bool randomOffered;  // the random options can be used
    bool randomSelected; // everything, units too, is drawn at random
};

// What the pupil chose to practise, or left to chance. What is left to chance keeps the
// last value drawn, as that is what the window goes on showing.
struct Choice
{
    std::int32_t type = 1;       // the type whose mechanisms are offered
    std::int32_t mechanism = 17; // chosen, or the last drawn
    std::int32_t exercise = 1;   // chosen, or the last drawn; always one the mechanism has
    std::int32_t level = 2;      // the ticked level
    std::int32_t units = 1;      // 1 rpm, 2 rad/s: the ticked item, or the last drawn
    bool randomMechanism = false;
    bool randomExercise = false;
    bool randomUnits = false;

    bool operator==(const Choice &) const = default;
};

// The choice of what to practise: its rules, the preset of each level and the random draws
// of a run. The draws of one run come in a fixed order, mechanism, exercise, units, each only
// when it is left to chance, so a seeded source gives the same run every time.
class Selection
{
public:
    // What a change touched; reported once per part after the whole change is made.
    enum class Change { Level, Mechanism, Exercise, Units };

    explicit Selection(RandomService &random) : m_random(random) {}

    std::function<void(Change)> changed;

    const Choice &choice() const { return m_choice; }
    // The level in effect: the hard one during an exam, else the ticked one.
    std::int32_t level() const { return m_exam ? 3 : m_choice.level; }
    // What the next exercise is made from.
    ExerciseChoice exerciseChoice() const;

    // A type's first mechanism and its first exercise, by hand.
    void chooseType(std::int32_t type);
    // The mechanism's first exercise, left to chance while the mechanism is.
    void chooseMechanism(std::int32_t mechanism);
    void chooseExercise(std::int32_t exercise);
    // The exercise goes to chance with the mechanism.
    void chooseRandomMechanism();
    void chooseRandomExercise();
    void chooseUnits(std::int32_t units);
    void chooseRandomUnits();
    // The level ticked, with its preset.
    void chooseLevel(std::int32_t level);
    // An exam runs at the hard level's preset; the ticked level's comes back after it.
    void beginExam();
    void endExam();
    // The whole choice as given, no preset applied.
    void take(const Choice &choice);

    // Draws what is left to chance for the next exercise; during an exam each mechanism
    // comes once and is marked used.
    void drawRun(Exam &exam);

    // The preset of level 1..3; none outside.
    static const LevelPreset *preset(int level);

    // A mechanism 1..19 that the filter accepts; drawn again until it does.
    std::int32_t drawMechanism(const std::function<bool(std::int32_t)> &accepted);
    // An exercise the mechanism has.
    std::int32_t drawExercise(std::int32_t mechanism);
    // 1 for rpm, 2 for rad/s.
    std::int32_t drawUnits();

private:
    void applyPreset(std::int32_t level);
    void report(const Choice &before, std::int32_t levelBefore);

    RandomService &m_random;
    Choice m_choice;
    bool m_exam = false;
};

} // namespace cinemoto
