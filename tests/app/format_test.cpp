#include "app/format.h"

#include <gtest/gtest.h>

using namespace cinemoto;

namespace {
const QChar point = QLatin1Char('.');
const QChar comma = QLatin1Char(',');
QString f(double v, const char *pattern, QChar d = point)
{
    return formatNumber(v, QString::fromLatin1(pattern), d);
}
} // namespace

TEST(Format, DataLinePatternsKeepTheirBlanksAndTwoDecimals)
{
    EXPECT_EQ(f(95.49297, " ###0.#0   "), QStringLiteral(" 95.49   "));
    EXPECT_EQ(f(286.47891, " ###0.#0  "), QStringLiteral(" 286.48  "));
    EXPECT_EQ(f(0.5, " ###0.#0  "), QStringLiteral(" 0.50  "));
    EXPECT_EQ(f(100, " ###0.#0  ", comma), QStringLiteral(" 100,00  "));
    EXPECT_EQ(f(12345.678, " ###0.#0   "), QStringLiteral(" 12345.68   ")); // no grouping
}

TEST(Format, RatioPatterns)
{
    EXPECT_EQ(f(3, "##.00"), QStringLiteral("3.00"));
    EXPECT_EQ(f(3.1415927, "##.00"), QStringLiteral("3.14"));
    EXPECT_EQ(f(123.456, "##.00"), QStringLiteral("123.46"));
    EXPECT_EQ(f(0.5, "##.00"), QStringLiteral(".50")); // "#" places show no leading zero
    EXPECT_EQ(f(1, "0.00000"), QStringLiteral("1.00000"));
    EXPECT_EQ(f(1.0 / 3, "0.00000", comma), QStringLiteral("0,33333"));
}

TEST(Format, SolutionPrefillKeepsOneToFourDecimals)
{
    EXPECT_EQ(f(12.5, "###0.0###"), QStringLiteral("12.5"));
    EXPECT_EQ(f(3, "###0.0###"), QStringLiteral("3.0"));
    EXPECT_EQ(f(0.123456, "###0.0###"), QStringLiteral("0.1235"));
}

TEST(Format, ClockAndPointsPatterns)
{
    EXPECT_EQ(f(3, "#0:") + f(7, "0#"), QStringLiteral("3:07"));
    EXPECT_EQ(f(0, "#0:") + f(0, "0#"), QStringLiteral("0:00"));
    EXPECT_EQ(f(7.25, "#0.#"), QStringLiteral("7.3"));
    EXPECT_EQ(f(0, "#0.#"), QStringLiteral("0"));
    EXPECT_EQ(f(-2.5, "0.00"), QStringLiteral("-2.50"));
}

TEST(Format, ClockCountsMinutesWithinTheHour)
{
    EXPECT_EQ(clockText(187000), QStringLiteral("3:07"));
    // Past the hour the minutes go on, and the whole time is what counts.
    EXPECT_EQ(clockText(3600000 + 10000), QStringLiteral("60:10"));
    EXPECT_EQ(clockText(61 * 60000), QStringLiteral("61:00"));
    EXPECT_EQ(clockSeconds(125000), 125);
    EXPECT_EQ(clockSeconds(3610000), 3610);
    EXPECT_EQ(clockSeconds(-5), 0);
}

TEST(Format, WholeAndGeneralNumbers)
{
    EXPECT_EQ(strInt(40), QStringLiteral(" 40"));
    EXPECT_EQ(strInt(0), QStringLiteral(" 0"));
    EXPECT_EQ(strInt(-3), QStringLiteral("-3"));
    EXPECT_EQ(strSingle(1.25f), QStringLiteral(" 1.25"));
    EXPECT_EQ(strSingle(0.5f), QStringLiteral(" 0.5"));
    EXPECT_EQ(generalNumber(1.775f, comma), QStringLiteral("1,775"));
    EXPECT_EQ(generalNumber(0.0f, point), QStringLiteral("0"));
    EXPECT_EQ(generalNumber(10.0f, point), QStringLiteral("10"));
}

TEST(Format, DatesAndTimes)
{
    const QDate d(2026, 3, 4);
    EXPECT_EQ(formatDate(d, QStringLiteral("dd/mm/yy")), QStringLiteral("04/03/26"));
    EXPECT_EQ(formatDate(d, QStringLiteral("mm/dd/yy")), QStringLiteral("03/04/26"));
    EXPECT_EQ(formatTime(QTime(9, 5), QStringLiteral("hh:mm")), QStringLiteral("09:05"));
}

TEST(Format, SmallValuesKeepTheirSignificantDigits)
{
    const auto g = [](double v, const char *pattern, int digits, QChar d = point) {
        return formatSignificant(v, QString::fromLatin1(pattern), d, digits);
    };
    // Data lines: a value below 1 gets the decimals it needs, the blanks stay.
    EXPECT_EQ(g(0.0625, " ###0.#0   ", 3), QStringLiteral(" 0.0625   "));
    EXPECT_EQ(g(0.3267, " ###0.#0  ", 3), QStringLiteral(" 0.327  "));
    EXPECT_EQ(g(0.0631, " ###0.#0  ", 3, comma), QStringLiteral(" 0,0631  "));
    EXPECT_EQ(g(0.5, " ###0.#0  ", 3), QStringLiteral(" 0.500  "));
    EXPECT_EQ(g(0.09996, " ###0.#0  ", 3), QStringLiteral(" 0.1000  ")); // rounds up, still three
    EXPECT_EQ(g(0, " ###0.#0  ", 3), QStringLiteral(" 0.00  "));
    // One and more: exactly as before.
    for (double v : {1.0, 1.004, 9.995, 95.49297, 286.47891, 12345.678}) {
        for (const char *pattern : {" ###0.#0   ", " ###0.#0  ", "##.00", "###0.0###"})
            EXPECT_EQ(g(v, pattern, 4), f(v, pattern)) << v << pattern;
    }
    // The ratio: five decimals already hold three digits down to 0.001.
    EXPECT_EQ(g(1.0 / 3, "0.00000", 3, comma), QStringLiteral("0,33333"));
    EXPECT_EQ(g(0.00123, "0.00000", 3), QStringLiteral("0.00123"));
    EXPECT_EQ(g(0.000149823, "0.00000", 3), QStringLiteral("0.000150"));
    // The answer filled in for the teacher: four digits, trailing zeros still dropped.
    EXPECT_EQ(g(0.000749, "###0.0###", 4), QStringLiteral("0.000749"));
    EXPECT_EQ(g(0.00074651, "###0.0###", 4), QStringLiteral("0.0007465"));
    EXPECT_EQ(g(0.123456, "###0.0###", 4), QStringLiteral("0.1235"));
    EXPECT_EQ(g(0.5, "###0.0###", 4), QStringLiteral("0.5"));
}
