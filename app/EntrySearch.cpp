#include "app/EntrySearch.h"

std::optional<EntryHit> FindEntry(int count, int from, bool forward, const QString& needle,
                                  const std::function<QString(int)>& textOf)
{
    if (count <= 0) {
        return std::nullopt;
    }
    const int step = forward ? 1 : -1;
    int index = from < 0 ? 0 : from + step;
    for (; index >= 0 && index < count; index += step) {
        if (needle.isEmpty()) {
            return EntryHit{index, 0};
        }
        const QString text = textOf(index);
        const qsizetype at = forward ? text.indexOf(needle, 0, Qt::CaseInsensitive)
                                     : text.lastIndexOf(needle, -1, Qt::CaseInsensitive);
        if (at >= 0) {
            return EntryHit{index, at};
        }
    }
    return std::nullopt;
}
