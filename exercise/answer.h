#pragma once

#include <QString>
#include <optional>

namespace cinemoto {

// Reads the pupil's answer: commas count as points; leading blanks, tabs and line feeds
// are skipped and blanks inside the number ignored; reading stops at the first character
// that cannot continue the number (so "12 mm" is 12 and "1,2,3" is 1.2); no number at all
// is 0. A number too large for a single-precision value gives nothing: it can never be a
// right answer.
std::optional<float> parseAnswer(const QString &text);

// Relative tolerance of the level, in percent: 2 easy, 1 normal and hard, else 0.
float tolerancePercent(int level);

// Strictly within the tolerance; an answer off by exactly the tolerance is wrong.
bool answerWithinTolerance(float answer, float solution, int level);

} // namespace cinemoto
