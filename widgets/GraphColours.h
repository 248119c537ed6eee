#pragma once
// The graph's colours, shared by the graph panel and the pictures of its
// switches. Every line, the grid and the texts stand out from the black
// background by at least 3:1, so that they stay visible on a dim screen and
// to weak eyes.

#include <QColor>

namespace GraphColours {

constexpr QRgb kBackground = qRgb(0, 0, 0);
constexpr QRgb kGrid = qRgb(100, 100, 100);
constexpr QRgb kText = qRgb(255, 255, 255);
constexpr QRgb kNotice = qRgb(255, 255, 0);
constexpr QRgb kMarker = qRgb(160, 160, 160);
// Mood, fatigue, shape and dream, in that order.
constexpr QRgb kRatings[4] = {qRgb(64, 128, 255), qRgb(255, 0, 0), qRgb(255, 255, 0),
                              qRgb(0, 255, 0)};

} // namespace GraphColours
