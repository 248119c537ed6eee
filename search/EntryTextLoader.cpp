#include "search/EntryTextLoader.h"

#include "rtf/Rtf.h"
#include "search/EntryTextCache.h"
#include "store/DiarySession.h"

namespace {

// Entry `index`'s displayed text; empty when it cannot be read.
QString PlainText(CDiaryStore& store, uint32_t index)
{
    store.current_index = index;
    store.entry.text.clear();
    return store.ReadEntry() ? RtfToPlainText(store.entry.text) : QString();
}

} // namespace

bool FillEntryTexts(const CDiarySession& session, CEntryTextCache& cache)
{
    cache.Clear();
    auto store = session.MakeStore(0);
    // Holding the files open makes every read below reuse one handle and
    // serve the index records from one read of the index file.
    if (!store->OpenEntryFiles())
        return false;
    for (uint32_t i = 0; i < store->m_nEntryCount; ++i) {
        // A damaged entry whose text cannot be read is remembered without
        // text, so that the rest of the diary can still be searched.
        const QString text = PlainText(*store, i);
        EntryHeader header;
        header.time = store->entry.time;
        header.mood = store->entry.mood;
        header.textOffset = store->entry.textOffset;
        cache.Append(header, text);
    }
    store->CloseEntryFiles();
    cache.FinishFill();
    return true;
}

void SyncEntryTexts(const CDiarySession& session, CEntryTextCache& cache,
                    const std::vector<EntryHeader>& headers)
{
    if (!cache.IsFilled())
        return;
    auto store = session.MakeStore(0);
    const bool held = store->OpenEntryFiles();
    cache.Sync(headers, [&store](int index) { return PlainText(*store, uint32_t(index)); });
    if (held)
        store->CloseEntryFiles();
}
