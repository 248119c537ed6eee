#pragma once
// The figures of a diary as the Statistics window words them.

#include "ratings/RatingLabels.h"
#include "stats/DiaryFigures.h"

#include <QStringList>
#include <utility>
#include <vector>

// "Entries: N", "Days with an entry: N of M", "Longest streak: N days",
// "Current streak: N days".
QStringList FigureLines(const DiaryFigures& figures);

// "Average words per entry: N", or "... counting" while the count runs.
QString AverageWordsLine(double average, bool done);
// "Most used tags: #walk (12), #work (7)"; "counting..." until done.
QString TopTagsLine(const std::vector<std::pair<QString, int>>& tags, bool done);

// One line per mood value, +3 first: "<label>: N%" of the entries with a
// mood on the scale.
QStringList MoodShareLines(const DiaryFigures& figures, const RatingLabels& labels);
