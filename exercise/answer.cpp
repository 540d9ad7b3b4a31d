#include "exercise/answer.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace cinemoto {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<float> parseAnswer(const QString &typed)
{
    QString text = typed;
    text.replace(QLatin1Char(','), QLatin1Char('.'));

    // Collect the characters of the number in the reading order, blanks dropped.
    std::string number;
    int i = 0;
    const int n = int(text.size());
    const auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')
                         || text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')))
            ++i;
    };
    const auto digits = [&] {
        bool any = false;
        for (skipBlanks(); i < n && isDigit(text[i]); skipBlanks()) {
            number += char(text[i].unicode());
            ++i;
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        number += char(text[i].unicode());
        ++i;
    }
    bool mantissa = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        number += '.';
        mantissa = digits() || mantissa;
    }
    if (!mantissa)
        return 0.0f;
    if (i < n && (text[i].toUpper() == QLatin1Char('E') || text[i].toUpper() == QLatin1Char('D'))) {
        std::string exponent = "e";
        int j = i + 1;
        while (j < n && text[j] == QLatin1Char(' '))
            ++j;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exponent += char(text[j++].unicode());
        bool any = false;
        for (; j < n && (isDigit(text[j]) || text[j] == QLatin1Char(' ')); ++j) {
            if (text[j] != QLatin1Char(' ')) {
                exponent += char(text[j].unicode());
                any = true;
            }
        }
        if (any)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return std::nullopt;
    return float(value);
}

float tolerancePercent(int level)
{
    switch (level) {
    case 1:
        return 2;
    case 2:
    case 3:
        return 1;
    default:
        return 0;
    }
}

bool answerWithinTolerance(float answer, float solution, int level)
{
    const long double error = std::fabs((static_cast<long double>(answer) - solution) / solution * 100);
    const float rounded = float(error);
    return rounded < tolerancePercent(level);
}

} // namespace cinemoto
