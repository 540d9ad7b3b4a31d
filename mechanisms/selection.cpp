#include "mechanisms/selection.h"

#include "mechanisms/catalogue.h"

#include <array>

namespace cinemoto {

namespace {

constexpr std::array<LevelPreset, 3> kLevelPresets{{
    {true, false, false}, // easy: the pupil picks, nothing at random
    {true, true, false},  // normal: the pupil picks, or leaves it to chance
    {false, true, true},  // hard: everything at random
}};

} // namespace

const LevelPreset *Selection::preset(int level)
{
    if (level < 1 || level > int(kLevelPresets.size()))
        return nullptr;
    return &kLevelPresets[std::size_t(level - 1)];
}

ExerciseChoice Selection::exerciseChoice() const
{
    return {m_choice.mechanism, m_choice.exercise, level(), m_choice.units, m_choice.randomUnits};
}

void Selection::chooseType(std::int32_t type)
{
    const Choice before = m_choice;
    m_choice.type = type;
    m_choice.randomMechanism = m_choice.randomExercise = false;
    m_choice.mechanism = defaultMechanism(type);
    m_choice.exercise = 1;
    report(before, level());
}

void Selection::chooseMechanism(std::int32_t mechanism)
{
    const Choice before = m_choice;
    m_choice.mechanism = mechanism;
    m_choice.exercise = 1;
    m_choice.randomExercise = m_choice.randomMechanism;
    report(before, level());
}

void Selection::chooseExercise(std::int32_t exercise)
{
    const Choice before = m_choice;
    m_choice.exercise = exercise;
    m_choice.randomExercise = m_choice.randomMechanism;
    report(before, level());
}

void Selection::chooseRandomMechanism()
{
    const Choice before = m_choice;
    m_choice.randomMechanism = m_choice.randomExercise = true;
    report(before, level());
}

void Selection::chooseRandomExercise()
{
    const Choice before = m_choice;
    m_choice.randomExercise = true;
    report(before, level());
}

void Selection::chooseUnits(std::int32_t units)
{
    const Choice before = m_choice;
    m_choice.units = units;
    m_choice.randomUnits = false;
    report(before, level());
}

void Selection::chooseRandomUnits()
{
    const Choice before = m_choice;
    m_choice.randomUnits = true;
    report(before, level());
}

void Selection::chooseLevel(std::int32_t level)
{
    const Choice before = m_choice;
    const std::int32_t levelBefore = this->level();
    m_choice.level = level;
    applyPreset(level);
    report(before, levelBefore);
}

void Selection::beginExam()
{
    const Choice before = m_choice;
    const std::int32_t levelBefore = level();
    m_exam = true;
    applyPreset(3);
    report(before, levelBefore);
}

void Selection::endExam()
{
    const Choice before = m_choice;
    const std::int32_t levelBefore = level();
    m_exam = false;
    applyPreset(m_choice.level);
    report(before, levelBefore);
}

void Selection::take(const Choice &choice)
{
    const Choice before = m_choice;
    m_choice = choice;
    report(before, level());
}

void Selection::applyPreset(std::int32_t level)
{
    const LevelPreset *p = preset(level);
    if (!p)
        return;
    if (p->manualChoices) {
        m_choice.type = 1;
        m_choice.mechanism = defaultMechanism(1);
        m_choice.exercise = 1;
        m_choice.randomMechanism = m_choice.randomExercise = false;
    }
    if (!p->randomOffered && m_choice.randomUnits) {
        // The ticked item is what the pupil reads; the speeds must follow it.
        m_choice.randomUnits = false;
        m_choice.units = 1;
    }
    if (p->randomSelected)
        m_choice.randomMechanism = m_choice.randomExercise = m_choice.randomUnits = true;
}

void Selection::drawRun(Exam &exam)
{
    const Choice before = m_choice;
    if (m_choice.randomMechanism) {
        // At most four are used when the fifth is drawn, so the draw ends.
        m_choice.mechanism
            = drawMechanism([&exam](std::int32_t mechanism) { return !exam.running() || !exam.used(mechanism); });
        if (exam.running())
            exam.markUsed(m_choice.mechanism);
        if (m_choice.exercise > 3 && !hasFiveExercises(m_choice.mechanism))
            m_choice.exercise = 1;
    }
    if (m_choice.randomExercise)
        m_choice.exercise = drawExercise(m_choice.mechanism);
    if (m_choice.randomUnits)
        m_choice.units = drawUnits();
    report(before, level());
}

void Selection::report(const Choice &before, std::int32_t levelBefore)
{
    if (!changed)
        return;
    const Choice &now = m_choice;
    if (now.level != before.level || level() != levelBefore)
        changed(Change::Level);
    if (now.type != before.type || now.mechanism != before.mechanism || now.randomMechanism != before.randomMechanism)
        changed(Change::Mechanism);
    if (now.exercise != before.exercise || now.randomExercise != before.randomExercise)
        changed(Change::Exercise);
    if (now.units != before.units || now.randomUnits != before.randomUnits)
        changed(Change::Units);
}

std::int32_t Selection::drawMechanism(const std::function<bool(std::int32_t)> &accepted)
{
    std::int32_t mechanism = 0;
    do
        mechanism = std::int32_t(m_random.next() * mechanismCount) + 1;
    while (!accepted(mechanism));
    return mechanism;
}

std::int32_t Selection::drawExercise(std::int32_t mechanism)
{
    std::int32_t exercise = 0;
    do
        exercise = std::int32_t(m_random.next() * 5) + 1;
    while (exercise >= 4 && !hasFiveExercises(mechanism));
    return exercise;
}

std::int32_t Selection::drawUnits()
{
    return std::int32_t(m_random.next() * 2) + 1;
}

} // namespace cinemoto
