#pragma once
// The remembered plain texts of a diary as one search sees them: a copy of
// the entry table and shared hold of the memory the texts lie in. The cache
// only ever appends to that memory and frees it when no snapshot holds it
// any more, so a search on another thread reads it without locks while the
// window goes on saving and deleting entries.

#include "store/SecureBuffer.h"

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

// One block of text memory; texts are written below `used` once and then
// only read, and wiped when the block is freed.
struct TextChunk
{
    explicit TextChunk(uint32_t capacity) : bytes(new char[capacity]), size(capacity) {}
    // Entry texts are wiped before their memory goes back.
    ~TextChunk() { WipeBytes(bytes.get(), size); }
    TextChunk(const TextChunk&) = delete;
    TextChunk& operator=(const TextChunk&) = delete;
    std::unique_ptr<char[]> bytes;
    uint32_t size = 0;
    uint32_t used = 0;
};

// One entry as a search sees it: its time and mood for the filters and where
// its plain text lies (Latin-1 bytes, or UTF-16 when a character needs it).
struct RememberedEntry
{
    int64_t time = 0;
    int32_t mood = 0;
    uint32_t textOffset = 0; // the text's place in the data file: the entry's key
    uint32_t chunk = 0;
    uint32_t at = 0;     // byte offset in the chunk
    uint32_t length = 0; // characters
    bool wide = false;
};

class CEntryTextSnapshot
{
public:
    CEntryTextSnapshot() = default;
    CEntryTextSnapshot(std::vector<RememberedEntry> entries,
                       std::vector<std::shared_ptr<const TextChunk>> chunks)
        : m_entries(std::move(entries)), m_chunks(std::move(chunks))
    {
    }

    int Count() const { return static_cast<int>(m_entries.size()); }
    const RememberedEntry& Entry(int index) const { return m_entries[size_t(index)]; }

    QLatin1String Latin1(const RememberedEntry& entry) const
    {
        return {Bytes(entry), qsizetype(entry.length)};
    }
    QStringView Utf16(const RememberedEntry& entry) const
    {
        return {reinterpret_cast<const char16_t*>(Bytes(entry)), qsizetype(entry.length)};
    }
    // `length` characters of the entry's text from `from`.
    QString Mid(const RememberedEntry& entry, qsizetype from, qsizetype length) const
    {
        return entry.wide ? Utf16(entry).mid(from, length).toString()
                          : QString(Latin1(entry).mid(from, length));
    }
    QString Text(int index) const
    {
        const RememberedEntry& entry = Entry(index);
        return Mid(entry, 0, entry.length);
    }

private:
    const char* Bytes(const RememberedEntry& entry) const
    {
        return m_chunks[entry.chunk]->bytes.get() + entry.at;
    }

    std::vector<RememberedEntry> m_entries;
    std::vector<std::shared_ptr<const TextChunk>> m_chunks;
};
