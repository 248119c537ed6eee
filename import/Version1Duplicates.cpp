#include "import/Version1Duplicates.h"

#include "import/Version1Wrapper.h"
#include "store/DiaryStore.h"
#include "store/Version1File.h"

#include <vector>

CVersion1Duplicates::CVersion1Duplicates(CDiaryStore& store) : m_store(store)
{
    std::vector<EntryHeader> headers;
    if (m_store.ReadAllEntryHeaders(headers)) {
        for (uint32_t i = 0; i < headers.size(); ++i) {
            m_indexes.emplace(Key(headers[i].time), i);
        }
    }
}

bool CVersion1Duplicates::Contains(int64_t time, const std::string& plainText)
{
    const auto [addedFirst, addedLast] = m_added.equal_range(Key(time));
    const auto [first, last] = m_indexes.equal_range(Key(time));
    if (addedFirst == addedLast && first == last) {
        return false;
    }
    const std::string wrapped = WrapVersion1Text(plainText);
    for (auto it = addedFirst; it != addedLast; ++it) {
        if (it->second == wrapped) {
            return true;
        }
    }
    const std::string earlier = Version1Rtf(plainText);
    for (auto it = first; it != last; ++it) {
        m_store.current_index = it->second;
        if (m_store.ReadEntry() &&
            (m_store.entry.text == wrapped || m_store.entry.text == earlier)) {
            return true;
        }
    }
    return false;
}

void CVersion1Duplicates::Added(int64_t time, const std::string& rtf)
{
    m_added.emplace(Key(time), rtf);
}
