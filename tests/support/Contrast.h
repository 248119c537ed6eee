#pragma once
// The contrast ratio of two colours as WCAG 2 defines it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, lighter over darker, from 1 to 21.
// Lines, frames and other graphics need at least 3:1 against what is behind.

#include <QColor>
#include <algorithm>
#include <cmath>

namespace contrast {

inline double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) +
           0.0722 * Linear(colour.blue());
}

inline double Ratio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace contrast
