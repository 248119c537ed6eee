#include "stats/FiguresText.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString Days(int count)
{
    return count == 1 ? QCoreApplication::translate("CFiguresText", "1 day")
                      : QCoreApplication::translate("CFiguresText", "%n days", "", count);
}

} // namespace

QStringList FigureLines(const DiaryFigures& figures)
{
    return {QCoreApplication::translate("CFiguresText", "Entries: %1").arg(figures.entries),
            QCoreApplication::translate("CFiguresText", "Days with an entry: %1 of %2")
                .arg(figures.daysWithEntry)
                .arg(figures.daySpan),
            QCoreApplication::translate("CFiguresText", "Longest streak: ") +
                Days(figures.longestStreak),
            QCoreApplication::translate("CFiguresText", "Current streak: ") +
                Days(figures.currentStreak)};
}

QString AverageWordsLine(double average, bool done)
{
    if (!done) {
        return QCoreApplication::translate("CFiguresText", "Average words per entry: counting...");
    }
    return QCoreApplication::translate("CFiguresText", "Average words per entry: %1")
        .arg(std::lround(average));
}

QString TopTagsLine(const std::vector<std::pair<QString, int>>& tags, bool done)
{
    const QString caption = QCoreApplication::translate("CFiguresText", "Most used tags: ");
    if (!done) {
        return caption + QCoreApplication::translate("CFiguresText", "counting...");
    }
    if (tags.empty()) {
        return caption + QStringLiteral("none");
    }
    QStringList parts;
    for (const auto& [tag, entries] : tags) {
        parts.append(QStringLiteral("#%1 (%2)").arg(tag).arg(entries));
    }
    return caption + parts.join(QStringLiteral(", "));
}

QStringList MoodShareLines(const DiaryFigures& figures, const RatingLabels& labels)
{
    int total = 0;
    for (int count : figures.moodCounts) {
        total += count;
    }
    QStringList lines;
    for (int mood = 3; mood >= -3; --mood) {
        const int count = figures.moodCounts[size_t(mood + 3)];
        const long percent = total > 0 ? std::lround(100.0 * count / total) : 0;
        lines.append(
            QStringLiteral("%1: %2%").arg(LabelFor(labels, RatingScale::Mood, mood)).arg(percent));
    }
    return lines;
}
