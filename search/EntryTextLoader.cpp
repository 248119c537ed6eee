#include "search/EntryTextLoader.h"

#include "rtf/Rtf.h"
#include "search/EntryTextCache.h"
#include "store/DiarySession.h"

bool FillEntryTexts(const CDiarySession& session, CEntryTextCache& cache)
{
    cache.Clear();
    auto store = session.MakeStore(0);
    // Holding the files open makes every read below reuse one handle and
    // serve the index records from one read of the index file.
    if (!store->OpenEntryFiles())
        return false;
    bool complete = true;
    for (uint32_t i = 0; i < store->m_nEntryCount; ++i) {
        store->current_index = i;
        if (!store->ReadEntry()) {
            complete = false;
            break;
        }
        EntryHeader header;
        header.time = store->entry.time;
        header.mood = store->entry.mood;
        header.textOffset = store->entry.textOffset;
        cache.Append(header, RtfToPlainText(store->entry.text));
    }
    store->CloseEntryFiles();
    if (!complete) {
        cache.Clear();
        return false;
    }
    cache.FinishFill();
    return true;
}
