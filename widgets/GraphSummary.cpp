#include "widgets/GraphSummary.h"

#include <algorithm>
#include <ctime>

namespace {

constexpr size_t kMinimumEntries = 8; // as the graph draws

QString DayText(int64_t time)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto seconds = static_cast<std::time_t>(time);
    std::tm parts{};
    if (localtime_r(&seconds, &parts) == nullptr) {
        return QStringLiteral("an unknown day");
    }
    return QStringLiteral("%1 %2 %3")
        .arg(parts.tm_mday)
        .arg(QLatin1String(kMonths[parts.tm_mon]))
        .arg(parts.tm_year + 1900);
}

} // namespace

QString GraphSummary(const std::vector<EntryHeader>& headers, const RatingLabels& labels)
{
    if (headers.empty()) {
        return QStringLiteral("No entries to show");
    }
    const auto [first, last] = std::minmax_element(
        headers.begin(), headers.end(),
        [](const EntryHeader& a, const EntryHeader& b) { return a.time < b.time; });
    QString text = headers.size() == 1 ? QStringLiteral("1 entry on %1").arg(DayText(first->time))
                                       : QStringLiteral("%1 entries from %2 to %3")
                                             .arg(headers.size())
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
        text += QStringLiteral("; mood %1").arg(LabelFor(labels, RatingScale::Mood, lowest));
    } else if (lowest < highest) {
        text += QStringLiteral("; mood from %1 to %2")
                    .arg(LabelFor(labels, RatingScale::Mood, lowest),
                         LabelFor(labels, RatingScale::Mood, highest));
    }
    if (headers.size() < kMinimumEntries) {
        text += QStringLiteral(". The graph is drawn from 8 entries on");
    }
    return text;
}
