#pragma once

#include <QColor>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace cinemoto {

// Contrast as the web accessibility guidelines measure it: 1 (none) to 21 (black on white).
inline double relativeLuminance(const QColor &colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

inline double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The wanted colour, darkened on a light background or lightened on a dark one just
// enough to be read: a fixed red or green keeps its hue on every desktop.
inline QColor readableOn(const QColor &wanted, const QColor &background, double ratio = 4.5)
{
    if (contrastRatio(wanted, background) >= ratio)
        return wanted;
    const bool darken = relativeLuminance(background) > 0.18;
    QColor c = wanted.toHsl();
    for (int step = 0; step < 256; ++step) {
        const double l = std::clamp(c.lightnessF() + (darken ? -1.0 : 1.0) / 255.0, 0.0, 1.0);
        c.setHslF(c.hslHueF(), c.hslSaturationF(), l);
        if (contrastRatio(c, background) >= ratio)
            break;
    }
    return c.toRgb();
}

// A palette role's colour made readable on the window's background.
inline QColor readableOn(const QColor &wanted, const QPalette &palette)
{
    return readableOn(wanted, palette.color(QPalette::Window));
}

} // namespace cinemoto
