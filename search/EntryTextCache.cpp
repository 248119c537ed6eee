#include "search/EntryTextCache.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace {

constexpr size_t kMinChunk = 4 * 1024;
constexpr size_t kMaxChunk = 1024 * 1024;

bool FitsLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

size_t BytesOf(const RememberedEntry& entry)
{
    return size_t(entry.length) * (entry.wide ? 2 : 1);
}

} // namespace

void CEntryTextCache::Clear()
{
    m_entries = {};
    m_chunks = {};
    m_nLiveBytes = 0;
    m_nDeadBytes = 0;
    m_bFilled = false;
}

RememberedEntry CEntryTextCache::Store(const EntryHeader& header, QStringView text)
{
    RememberedEntry entry;
    entry.time = header.time;
    entry.mood = header.mood;
    entry.textOffset = header.textOffset;
    entry.length = static_cast<uint32_t>(text.size());
    entry.wide = !FitsLatin1(text);
    const size_t bytes = BytesOf(entry);
    const size_t align = entry.wide ? 1 : 0;

    TextChunk* chunk = m_chunks.empty() ? nullptr : m_chunks.back().get();
    if (chunk == nullptr || ((chunk->used + align) & ~align) + bytes > chunk->size) {
        // New blocks grow with the diary, so the unused end of the last one
        // stays a small part of the whole.
        const size_t size = std::max(bytes, std::clamp(m_nLiveBytes / 8, kMinChunk, kMaxChunk));
        m_chunks.push_back(std::make_shared<TextChunk>(static_cast<uint32_t>(size)));
        chunk = m_chunks.back().get();
    }
    entry.chunk = static_cast<uint32_t>(m_chunks.size() - 1);
    entry.at = static_cast<uint32_t>((chunk->used + align) & ~align);
    char* out = chunk->bytes.get() + entry.at;
    if (entry.wide) {
        std::memcpy(out, text.utf16(), bytes);
    } else {
        for (QChar c : text)
            *out++ = static_cast<char>(c.unicode());
    }
    chunk->used = static_cast<uint32_t>(entry.at + bytes);
    m_nLiveBytes += bytes;
    return entry;
}

void CEntryTextCache::Forget(const RememberedEntry& entry)
{
    m_nLiveBytes -= BytesOf(entry);
    m_nDeadBytes += BytesOf(entry);
}

void CEntryTextCache::Append(const EntryHeader& header, QStringView text)
{
    m_entries.push_back(Store(header, text));
}

void CEntryTextCache::FinishFill()
{
    // Cut the last block to what it holds.
    if (!m_chunks.empty() && m_chunks.back()->used < m_chunks.back()->size) {
        const TextChunk& last = *m_chunks.back();
        auto trimmed = std::make_shared<TextChunk>(std::max<uint32_t>(last.used, 1));
        std::memcpy(trimmed->bytes.get(), last.bytes.get(), last.used);
        trimmed->used = last.used;
        m_chunks.back() = std::move(trimmed);
    }
    m_entries.shrink_to_fit();
    m_bFilled = true;
}

void CEntryTextCache::Insert(int index, const EntryHeader& header, QStringView text)
{
    if (!m_bFilled || index < 0 || index > Count())
        return;
    m_entries.insert(m_entries.begin() + index, Store(header, text));
}

void CEntryTextCache::Replace(int index, const EntryHeader& header, QStringView text)
{
    if (!m_bFilled || index < 0 || index >= Count())
        return;
    Forget(m_entries[size_t(index)]);
    m_entries[size_t(index)] = Store(header, text);
    CompactIfWasteful();
}

void CEntryTextCache::Remove(int index)
{
    if (!m_bFilled || index < 0 || index >= Count())
        return;
    Forget(m_entries[size_t(index)]);
    m_entries.erase(m_entries.begin() + index);
    CompactIfWasteful();
}

bool CEntryTextCache::Reindex(const std::vector<EntryHeader>& headers)
{
    if (!m_bFilled)
        return false;
    if (headers.size() != m_entries.size()) {
        Clear();
        return false;
    }
    std::unordered_map<uint32_t, size_t> byOffset;
    byOffset.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        byOffset.emplace(m_entries[i].textOffset, i);
    std::vector<RememberedEntry> ordered;
    ordered.reserve(headers.size());
    for (const EntryHeader& header : headers) {
        const auto found = byOffset.find(header.textOffset);
        if (found == byOffset.end()) {
            Clear();
            return false;
        }
        ordered.push_back(m_entries[found->second]);
        ordered.back().time = header.time;
        ordered.back().mood = header.mood;
    }
    m_entries = std::move(ordered);
    return true;
}

int CEntryTextCache::Sync(const std::vector<EntryHeader>& headers,
                          const std::function<QString(int)>& textOf)
{
    if (!m_bFilled)
        return 0;
    std::unordered_map<uint32_t, size_t> byOffset;
    byOffset.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        byOffset.emplace(m_entries[i].textOffset, i);
    std::vector<bool> kept(m_entries.size(), false);
    std::vector<RememberedEntry> synced;
    synced.reserve(headers.size());
    int asked = 0;
    for (size_t i = 0; i < headers.size(); ++i) {
        const EntryHeader& header = headers[i];
        const auto found = byOffset.find(header.textOffset);
        if (found != byOffset.end() && !kept[found->second]) {
            kept[found->second] = true;
            synced.push_back(m_entries[found->second]);
            synced.back().time = header.time;
            synced.back().mood = header.mood;
        } else {
            synced.push_back(Store(header, textOf(static_cast<int>(i))));
            ++asked;
        }
    }
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (!kept[i])
            Forget(m_entries[i]);
    }
    m_entries = std::move(synced);
    CompactIfWasteful();
    return asked;
}

void CEntryTextCache::CompactIfWasteful()
{
    if (m_nDeadBytes <= kMinChunk || m_nDeadBytes * 10 <= m_nLiveBytes)
        return;
    // Copy the live texts into one block of their exact size; snapshots still
    // running keep the old blocks until they finish.
    auto block = std::make_shared<TextChunk>(static_cast<uint32_t>(
        std::max<size_t>(m_nLiveBytes + m_entries.size(), 1))); // room for the UTF-16 alignment
    for (RememberedEntry& entry : m_entries) {
        const size_t align = entry.wide ? 1 : 0;
        const uint32_t at = static_cast<uint32_t>((block->used + align) & ~align);
        std::memcpy(block->bytes.get() + at, m_chunks[entry.chunk]->bytes.get() + entry.at,
                    BytesOf(entry));
        entry.chunk = 0;
        entry.at = at;
        block->used = static_cast<uint32_t>(at + BytesOf(entry));
    }
    m_chunks.assign(1, std::move(block));
    m_nDeadBytes = 0;
}

CEntryTextSnapshot CEntryTextCache::Snapshot() const
{
    return {m_entries, {m_chunks.begin(), m_chunks.end()}};
}

size_t CEntryTextCache::MemoryBytes() const
{
    size_t bytes = m_entries.capacity() * sizeof(RememberedEntry);
    for (const auto& chunk : m_chunks)
        bytes += chunk->size;
    return bytes;
}
