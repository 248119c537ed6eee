#include "stats/OnThisDayLines.h"

#include "rtf/Rtf.h"
#include "stats/OnThisDay.h"
#include "stats/WordText.h"

std::vector<OnThisDayLine> ReadOnThisDayLines(const CDiarySession& session, int64_t now)
{
    std::vector<OnThisDayLine> lines;
    std::vector<EntryHeader> headers;
    if (!session.MakeStore()->ReadAllEntryHeaders(headers)) {
        return lines;
    }
    for (const OnThisDayEntry& found : FindOnThisDay(headers, now)) {
        const auto store = session.MakeStore(static_cast<uint32_t>(found.entry));
        const QString preview =
            store->ReadEntry() ? FirstWords(RtfToPlainText(store->entry.text)) : QString();
        lines.push_back({found.entry, OnThisDayText(found.yearsAgo, preview)});
    }
    return lines;
}
