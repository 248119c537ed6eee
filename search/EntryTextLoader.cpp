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
    for (uint32_t i = 0; i < store->m_nEntryCount; ++i) {
        store->current_index = i;
        store->entry.text.clear();
        // A damaged entry whose text cannot be read is remembered without
        // text, so that the rest of the diary can still be searched.
        const bool read = store->ReadEntry();
        EntryHeader header;
        header.time = store->entry.time;
        header.mood = store->entry.mood;
        header.textOffset = store->entry.textOffset;
        cache.Append(header, read ? RtfToPlainText(store->entry.text) : QString());
    }
    store->CloseEntryFiles();
    cache.FinishFill();
    return true;
}
