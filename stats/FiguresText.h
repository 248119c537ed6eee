#pragma once
// The figures of a diary as the Statistics window words them.

#include "stats/DiaryFigures.h"
#include "ratings/RatingLabels.h"

#include <QStringList>

// "Entries: N", "Days with an entry: N of M", "Longest streak: N days",
// "Current streak: N days".
QStringList FigureLines(const DiaryFigures& figures);

// "Average words per entry: N", or "... counting" while the count runs.
QString AverageWordsLine(double average, bool done);

// One line per mood value, +3 first: "<label>: N%" of the entries with a
// mood on the scale.
QStringList MoodShareLines(const DiaryFigures& figures, const RatingLabels& labels);
