#include "exercise/display.h"

#include "app/format.h"
#include "mechanisms/rules/screen.h"

namespace cinemoto {

namespace {

QString number(double value, Number style, const QString &ratioFormat)
{
    switch (style) {
    case Number::Shown:
        return formatSignificant(value, QStringLiteral(" ###0.#0   "), systemDecimal(), kShownDigits);
    case Number::Stated:
        return formatSignificant(value, QStringLiteral(" ###0.#0  "), systemDecimal(), kShownDigits);
    case Number::Whole:
        return strInt(qint64(value));
    case Number::Ratio:
        return formatSignificant(value, ratioFormat, systemDecimal(), kShownDigits);
    }
    return {};
}

QString unitLabel(bool rpm, const TextOf &text)
{
    return text(rpm ? 201 : 202);
}

QString suffix(const Suffix &s, bool rpm, const TextOf &text)
{
    switch (s.kind) {
    case Suffix::None:
        return {};
    case Suffix::Literal:
        return QString::fromLatin1(s.literal);
    case Suffix::Text:
        return text(s.text);
    case Suffix::Speed:
        return unitLabel(rpm, text);
    }
    return {};
}

QString compose(const FilledLine &line, const QString &ratioFormat, const TextOf &text)
{
    if (!line.shown)
        return {};
    const QString opening = line.rule.text ? text(line.rule.text) : QString::fromLatin1(line.rule.prefix);
    return opening + number(line.value, line.rule.number, ratioFormat) + suffix(line.rule.suffix, line.rpm, text);
}

QString question(const Question &q, bool rpm, const TextOf &text)
{
    if (q.text == 0)
        return {};
    switch (q.tail) {
    case Tail::None:
        return text(q.text);
    case Tail::SpeedUnit:
        return text(q.text) + QLatin1Char('(') + unitLabel(rpm, text) + QLatin1Char(')') + QStringLiteral(" ?");
    case Tail::Newtons:
        return text(q.text) + QStringLiteral(" (N) ?");
    case Tail::Kilograms:
        return text(q.text) + QStringLiteral(" (Kg) ?");
    case Tail::Millimetres:
        return text(q.text) + QStringLiteral(" (mm) ?");
    }
    return {};
}

} // namespace

QString ratioFormatFor(float ratio)
{
    return ratio > 1 ? QStringLiteral("##.00") : QStringLiteral("0.00000");
}

Display composeDisplay(const Exercise &exercise, const TextOf &text)
{
    const Layout layout = layoutOf(exercise);
    Display d;
    d.ratioFormat = ratioFormatFor(exercise.ratio);
    for (std::size_t i = 0; i < d.lines.size(); ++i)
        d.lines[i] = compose(layout.lines[i], d.ratioFormat, text);
    d.middleShown = layout.middleShown;
    d.ratioShown = layout.ratioShown;
    d.ratioLine = composeStatement(exercise.mechanism, exercise.ratio, d.ratioFormat, text);
    d.question = question(layout.question, layout.questionRpm, text);
    d.unitFactor = layout.questionFactor;
    d.unitLabel = unitLabel(layout.questionRpm, text);
    d.solution = compose(layout.sentence, d.ratioFormat, text);
    return d;
}

QString composeStatement(int mechanism, float ratio, const QString &ratioFormat, const TextOf &text)
{
    const LineRule &statement = rulesFor(mechanism).sentences[0];
    return compose(FilledLine{true, statement, ratio, false}, ratioFormat, text);
}

} // namespace cinemoto
