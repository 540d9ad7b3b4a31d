#pragma once

#include "exercise/exercise.h"

#include <QString>
#include <array>
#include <functional>

namespace cinemoto {

// A text of the catalogue in the language on screen, by its Catalan id.
using TextOf = std::function<QString(int catalanId)>;

// What one exercise puts on screen, written out.
struct Display
{
    // Driving box, driven box and middle box, two lines each; an empty line stays empty.
    std::array<QString, 6> lines;
    bool middleShown = false;
    bool ratioShown = false;
    QString ratioFormat;
    QString ratioLine; // the statement line
    QString question; // empty when the exercise does not exist: the one on screen stays
    // The unit a speed answer is expected in.
    float unitFactor = kRpmFactor;
    QString unitLabel;
    QString solution; // empty when the exercise does not exist
};

Display composeDisplay(const Exercise &exercise, const TextOf &text);

// The pattern the ratio is written with, by its size.
QString ratioFormatFor(float ratio);

// The statement line of a mechanism: its opening, the ratio in the given pattern and
// what follows it.
QString composeStatement(int mechanism, float ratio, const QString &ratioFormat, const TextOf &text);

} // namespace cinemoto
