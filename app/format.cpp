#include "app/format.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace cinemoto {

namespace {

struct NumberPattern
{
    QString prefix;
    QString suffix;
    int minInteger = 0;  // "0" places before the point
    bool hasPoint = false;
    int minDecimals = 0; // up to the last "0" after the point
    int maxDecimals = 0; // every place after the point
};

bool isPlace(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

NumberPattern parse(const QString &pattern)
{
    NumberPattern p;
    int i = 0;
    const int n = int(pattern.size());
    while (i < n && !isPlace(pattern[i]) && pattern[i] != QLatin1Char('.'))
        p.prefix += pattern[i++];
    // A "0" forces its own place and every place to its right.
    int places = 0;
    int firstZero = -1;
    while (i < n && isPlace(pattern[i])) {
        if (pattern[i] == QLatin1Char('0') && firstZero < 0)
            firstZero = places;
        ++places;
        ++i;
    }
    p.minInteger = firstZero < 0 ? 0 : places - firstZero;
    if (i < n && pattern[i] == QLatin1Char('.')) {
        p.hasPoint = true;
        ++i;
        int place = 0;
        while (i < n && isPlace(pattern[i])) {
            ++place;
            if (pattern[i] == QLatin1Char('0'))
                p.minDecimals = place;
            ++i;
        }
        p.maxDecimals = place;
    }
    p.suffix = pattern.mid(i);
    return p;
}

} // namespace

QString formatNumber(double value, const QString &pattern, QChar decimal)
{
    if (pattern.isEmpty())
        return generalNumber(float(value), decimal);
    if (!std::isfinite(value))
        return pattern; // nothing sensible to write; never reached with generated values
    const NumberPattern p = parse(pattern);
    QString digits = QString::number(std::fabs(value), 'f', p.maxDecimals);
    QString intPart = digits.section(QLatin1Char('.'), 0, 0);
    QString fracPart = p.maxDecimals > 0 ? digits.section(QLatin1Char('.'), 1, 1) : QString();
    while (fracPart.size() > p.minDecimals && fracPart.endsWith(QLatin1Char('0')))
        fracPart.chop(1);
    // Leading zeros only as far as the pattern asks for them.
    while (intPart.size() > p.minInteger && intPart.startsWith(QLatin1Char('0')))
        intPart.remove(0, 1);
    while (intPart.size() < p.minInteger)
        intPart.prepend(QLatin1Char('0'));
    const bool negative = value < 0 && (intPart.count(QLatin1Char('0')) != intPart.size()
                                        || fracPart.count(QLatin1Char('0')) != fracPart.size());
    QString body = intPart;
    if (p.hasPoint && !fracPart.isEmpty())
        body += decimal + fracPart;
    if (negative)
        body.prepend(QLatin1Char('-'));
    return p.prefix + body + p.suffix;
}

QString formatSignificant(double value, const QString &pattern, QChar decimal, int significant)
{
    const double size = std::fabs(value);
    const int point = int(pattern.indexOf(QLatin1Char('.')));
    if (!std::isfinite(value) || size == 0 || size >= 1 || point < 0)
        return formatNumber(value, pattern, decimal);
    int end = point + 1;
    while (end < pattern.size() && isPlace(pattern[end]))
        ++end;
    const int places = end - point - 1;
    const int needed = significant - 1 - int(std::floor(std::log10(size)));
    if (needed <= places)
        return formatNumber(value, pattern, decimal);
    const QChar kind = places > 0 ? pattern[end - 1] : QLatin1Char('0');
    QString wider = pattern;
    wider.insert(end, QString(needed - places, kind));
    return formatNumber(value, wider, decimal);
}

QString generalNumber(float value, QChar decimal)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    QString text = QString::number(double(value), 'g', 7);
    if (text.contains(QLatin1Char('e'))) {
        // Very large or small values keep the exponent, written as the platform does.
        text = text.toUpper();
    }
    text.replace(QLatin1Char('.'), decimal);
    return text;
}

QString strInt(qint64 value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString strSingle(float value)
{
    const QString text = generalNumber(value, QLatin1Char('.'));
    return value < 0 ? text : QLatin1Char(' ') + text;
}

QString formatDate(const QDate &date, const QString &pattern)
{
    QString out = pattern;
    out.replace(QStringLiteral("dd"), QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')));
    out.replace(QStringLiteral("mm"), QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0')));
    out.replace(QStringLiteral("yy"), QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0')));
    return out;
}

QString formatTime(const QTime &time, const QString &pattern)
{
    QString out = pattern;
    out.replace(QStringLiteral("hh"), QStringLiteral("%1").arg(time.hour(), 2, 10, QLatin1Char('0')));
    out.replace(QStringLiteral("mm"), QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0')));
    return out;
}

QString clockText(qint64 durationMs)
{
    // Whole minutes, past the hour too: a clock that wrapped would hide a slow answer.
    const qint32 totalSeconds = clockSeconds(durationMs);
    const int minutes = int(totalSeconds / 60);
    const int seconds = int(totalSeconds % 60);
    return formatNumber(minutes, QStringLiteral("#0:"), QLatin1Char('.'))
        + formatNumber(seconds, QStringLiteral("0#"), QLatin1Char('.'));
}

qint32 clockSeconds(qint64 durationMs)
{
    const qint64 totalSeconds = durationMs < 0 ? 0 : durationMs / 1000;
    return qint32(qMin<qint64>(totalSeconds, std::numeric_limits<qint32>::max()));
}

QChar systemDecimal()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

} // namespace cinemoto
