#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

namespace cinemoto {

// The number patterns the trainer writes with: literal text around one number made of
// digit places, "0" for a digit always shown and "#" for a digit shown only when needed.
// " ###0.#0   " gives a blank, at least one integer digit, two decimals and three blanks;
// "##.00" writes 0.5 as ".50"; "###0.0###" keeps one to four decimals; "0#" writes 7 as
// "07". An empty pattern gives the general form (up to seven significant digits).
QString formatNumber(double value, const QString &pattern, QChar decimal);

// As formatNumber, but a value below 1 gets more decimal places, of the kind of the
// pattern's last one, until it shows at least `significant` significant digits:
// 0.0625 with " ###0.#0  " and 3 gives " 0.0625  ", 0.000749 with "###0.0###" and 4
// gives "0.000749". Values of 1 and more are written exactly as formatNumber writes them.
QString formatSignificant(double value, const QString &pattern, QChar decimal, int significant);

// The general form of a single-precision number: no leading blank, at most seven
// significant digits, no trailing zeros ("1.775", "0.5", "0").
QString generalNumber(float value, QChar decimal);

// A whole number as the trainer joins it into texts: a blank or a minus sign, then the digits.
QString strInt(qint64 value);
// A single-precision number the same way, always with a point: " 1.25", " 0.5".
QString strSingle(float value);

// "dd/mm/yy", "mm/dd/yy" and the like; "hh:mm" for times.
QString formatDate(const QDate &date, const QString &pattern);
QString formatTime(const QTime &time, const QString &pattern);

// The running clock: minutes within the hour, a colon, two-digit seconds ("3:07").
QString clockText(qint64 durationMs);
// Minutes within the hour times 60 plus the seconds: the seconds a pupil is judged on.
qint32 clockSeconds(qint64 durationMs);

// The decimal separator of the pupil's system.
QChar systemDecimal();

} // namespace cinemoto
