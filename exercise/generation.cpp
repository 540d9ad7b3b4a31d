#include "exercise/generation.h"

#include "mechanisms/rules/rules.h"
#include "mechanisms/rules/screen.h"

#include <cmath>

namespace cinemoto {

std::int32_t nearest(double x)
{
    return std::int32_t(std::nearbyint(x));
}

std::int32_t drawCount(const Draw &random, double span, double from)
{
    return nearest(double(random()) * span + from);
}

bool drawValues(Exercise &e, const Draw &random)
{
    const MechanismRules &rules = rulesFor(e.mechanism);
    BaseDraw d{};
    d.a = drawCount(random, 450, 51);
    d.b = drawCount(random, 46, 5);
    d.s = float(double(random()) * 50 + 1);
    d.t = float(double(d.s) * d.a / d.b);
    if (rules.drawMore)
        rules.drawMore(d, random);

    const bool side = random() < 0.5f;
    if (side) {
        e.motorSize = d.a;
        e.motorValue = d.s;
        e.resistantValue = d.t;
        e.resistantSize = d.b;
    } else {
        e.motorValue = d.t;
        e.resistantValue = d.s;
        e.motorSize = d.b;
        e.resistantSize = d.a;
    }
    e.ratio = float(double(e.resistantValue) / e.motorValue);
    if (rules.derive)
        rules.derive(e, d, random);
    e.largeDrives = side;
    return side;
}

void chooseEasyVariant(Exercise &e, const Draw &random)
{
    switch (e.level) {
    case 1:
        e.easyVariant = true;
        break;
    case 2:
        e.easyVariant = (random() < 0.5f);
        break;
    case 3:
        e.easyVariant = false;
        break;
    default:
        break;
    }
}

float solutionFor(const Exercise &e, float previous)
{
    if (e.exercise < 1 || e.exercise > 5)
        return previous;
    const LineRule &sentence = rulesFor(e.mechanism).sentences[std::size_t(e.exercise - 1)];
    if (sentence.text == 0)
        return previous;
    const double value = quantityValue(e, sentence.quantity);
    if (sentence.suffix.kind == Suffix::Speed)
        return float(double(e.unitFactor) * float(value));
    return float(value);
}

Exercise generateExercise(const ExerciseChoice &choice, const Draw &random)
{
    Exercise e;
    e.mechanism = choice.mechanism;
    e.exercise = choice.exercise;
    e.level = choice.level;
    e.units = choice.units;
    e.randomUnits = choice.randomUnits;
    drawValues(e, random);
    chooseEasyVariant(e, random);
    for (std::size_t i = 1; i <= 6; ++i)
        e.randomChoices[i] = (random() < 0.5f);
    e.unitFactor = layoutOf(e).questionFactor;
    e.solution = solutionFor(e, 0);
    return e;
}

} // namespace cinemoto
