#include "widgets/GraphSummary.h"

#include "platform/ShownTime.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr size_t kMinimumEntries = 8; // as the graph draws

QString DayText(int64_t time)
{
    const QString day = CShownTime::Format(QStringLiteral("%#d %b %Y"), time);
    return day.isEmpty() ? QCoreApplication::translate("CGraphSummary", "an unknown day") : day;
}

} // namespace

QString GraphSummary(const std::vector<EntryHeader>& headers, const RatingLabels& labels)
{
    if (headers.empty()) {
        return QCoreApplication::translate("CGraphSummary", "No entries to show");
    }
    const auto [first, last] = std::minmax_element(
        headers.begin(), headers.end(),
        [](const EntryHeader& a, const EntryHeader& b) { return a.time < b.time; });
    QString text = headers.size() == 1
                       ? QCoreApplication::translate("CGraphSummary", "1 entry on %1")
                             .arg(DayText(first->time))
                       : QCoreApplication::translate("CGraphSummary", "%n entries from %1 to %2",
                                                     "", int(headers.size()))
                             .arg(DayText(first->time), DayText(last->time));
    int lowest = RatingHighest(RatingScale::Mood) + 1;
    int highest = RatingLowest(RatingScale::Mood) - 1;
    for (const EntryHeader& header : headers) {
        if (IsRatingInScale(RatingScale::Mood, header.mood)) {
            lowest = std::min(lowest, header.mood);
            highest = std::max(highest, header.mood);
        }
    }
    if (lowest == highest) {
        text += QCoreApplication::translate("CGraphSummary", "; mood %1")
                    .arg(LabelFor(labels, RatingScale::Mood, lowest));
    } else if (lowest < highest) {
        text += QCoreApplication::translate("CGraphSummary", "; mood from %1 to %2")
                    .arg(LabelFor(labels, RatingScale::Mood, lowest),
                         LabelFor(labels, RatingScale::Mood, highest));
    }
    if (headers.size() < kMinimumEntries) {
        text +=
            QCoreApplication::translate("CGraphSummary", ". The graph is drawn from 8 entries on");
    }
    return text;
}
