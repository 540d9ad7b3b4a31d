#include "mechanisms/rules/screen.h"

namespace cinemoto {

namespace {

float unitFactor(bool rpm)
{
    return rpm ? kRpmFactor : 1.0f;
}

// Every mechanism starts from a speed line on each side; its own lines then replace them.
constexpr DataLine kDrivingSpeed{M1, true, {212, Quantity::MotorValue, Number::Shown, kSpeed}};
constexpr DataLine kDrivenSpeed{R1, true, {212, Quantity::ResistantValue, Number::Shown, kSpeed}};

// The asked value is never on show: exercise 2 hides the driving speed, 3 the driven
// one, 4 the driving size and 5 the driven size, whatever the rules show besides.
constexpr std::array<int, 5> kAskedSlot = {-1, M1, R1, M2, R2};

} // namespace

Screen::Screen(const Exercise &exercise, const MechanismRules &rules)
    : m_exercise(exercise)
    , m_rules(rules)
{
    m_layout.middleShown = rules.middleData;
}

void Screen::nextUnit()
{
    m_rpm = m_exercise.units != 2;
    if (m_exercise.randomUnits)
        m_rpm = pick();
}

bool Screen::pick()
{
    const int slot = m_choice++;
    return slot >= 1 && slot <= 6 && m_exercise.randomChoices[std::size_t(slot)];
}

FilledLine Screen::fill(const LineRule &rule) const
{
    FilledLine line{true, rule, quantityValue(m_exercise, rule.quantity), m_rpm};
    if (rule.suffix.kind == Suffix::Speed)
        line.value = float(double(unitFactor(m_rpm)) * float(line.value));
    return line;
}

void Screen::write(const DataLine &line)
{
    if (line.nextUnit)
        nextUnit();
    m_layout.lines[line.slot] = fill(line.line);
}

void Screen::writeSizeLine(Slot slot)
{
    for (const DataLine &line : m_rules.sizeLines) {
        if (line.slot == slot)
            write(line);
    }
}

void Screen::clear(std::initializer_list<Slot> slots)
{
    for (Slot slot : slots)
        m_layout.lines[slot] = FilledLine{};
}

double quantityValue(const Exercise &e, Quantity quantity)
{
    switch (quantity) {
    case Quantity::Ratio:
        return e.ratio;
    case Quantity::MotorValue:
        return e.motorValue;
    case Quantity::ResistantValue:
        return e.resistantValue;
    case Quantity::CentralValue:
        return e.centralValue;
    case Quantity::MotorSize:
        return e.motorSize;
    case Quantity::ResistantSize:
        return e.resistantSize;
    case Quantity::CentralSize:
        return e.centralSize;
    case Quantity::SmallSize:
        return e.smallSize;
    case Quantity::LargeSize:
        return e.largeSize;
    }
    return 0;
}

Layout layoutOf(const Exercise &exercise)
{
    const MechanismRules &rules = rulesFor(exercise.mechanism);
    Screen screen(exercise, rules);
    screen.write(kDrivingSpeed);
    screen.write(kDrivenSpeed);
    for (const DataLine &line : rules.speedLines)
        screen.write(line);
    for (const DataLine &line : rules.sizeLines)
        screen.write(line);

    // The question's unit is taken before the rules pick what to show.
    screen.nextUnit();
    const int n = exercise.exercise;
    const bool exists = n >= 1 && n <= 5;
    FilledLine sentence = exists ? screen.fill(rules.sentences[std::size_t(n - 1)]) : FilledLine{};
    Layout &layout = screen.layout();
    layout.questionRpm = sentence.rpm;
    layout.questionFactor = unitFactor(sentence.rpm);
    if (!exists)
        return layout;
    sentence.shown = sentence.rule.text != 0;
    if (const int asked = kAskedSlot[std::size_t(n - 1)]; asked >= 0)
        screen.clear({Slot(asked)});
    if (const Show show = rules.shows[std::size_t(n - 1)])
        show(screen);
    layout.question = rules.questions[std::size_t(n - 1)];
    layout.sentence = sentence;
    return layout;
}

namespace shows {

void speedsOrSizes(Screen &s)
{
    if (s.pick())
        s.clear({M2, R2});
    else
        s.clear({M1, R1});
}

void withoutSizes(Screen &s)
{
    s.clear({M2, R2});
}

void withoutSpeeds(Screen &s)
{
    s.clear({M1, R1});
}

void ratioAndSpeedsOrAll(Screen &s)
{
    if (s.easy()) {
        s.showRatio();
        s.clear({M2, R2});
    } else {
        s.clear({C1});
    }
}

void ratioAndSizesOrAll(Screen &s)
{
    if (s.easy()) {
        s.showRatio();
        s.clear({M1, R1});
    } else {
        s.clear({C1});
    }
}

void ratioWithoutSizes(Screen &s)
{
    s.showRatio();
    s.clear({M2, R2});
}

} // namespace shows

} // namespace cinemoto
