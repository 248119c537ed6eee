#include "import/KnownEntries.h"

#include "store/DiaryStore.h"

#include <vector>

CKnownEntries::CKnownEntries(CDiaryStore* store) : m_store(store)
{
    std::vector<EntryHeader> headers;
    if (m_store != nullptr && m_store->ReadAllEntryHeaders(headers)) {
        for (uint32_t i = 0; i < headers.size(); ++i) {
            m_indexes.emplace(Key(headers[i].time), i);
        }
    }
}

bool CKnownEntries::Contains(int64_t time, const std::string& key,
                             const std::function<bool(const std::string& storedRtf)>& same)
{
    const auto [addedFirst, addedLast] = m_added.equal_range(Key(time));
    for (auto it = addedFirst; it != addedLast; ++it) {
        if (it->second == key) {
            return true;
        }
    }
    const auto [first, last] = m_indexes.equal_range(Key(time));
    for (auto it = first; it != last; ++it) {
        m_store->current_index = it->second;
        if (m_store->ReadEntry() && same(m_store->entry.text)) {
            return true;
        }
    }
    return false;
}

void CKnownEntries::Added(int64_t time, std::string key)
{
    m_added.emplace(Key(time), std::move(key));
}
