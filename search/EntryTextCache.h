#pragma once
// The plain text of every entry of the open diary (what the entry view
// shows), kept in memory after the first search so that the next ones need
// not read, decrypt and convert the whole diary again. A text whose every
// character fits Latin-1 takes one byte per character, any other two; the
// texts lie packed in a few large blocks. The window keeps it in step with
// the diary: Insert/Replace/Remove for one entry, Reindex after a re-sort,
// Sync after any change read back as the diary's headers (a save, an edit, a
// deletion, an import), Clear when the texts may have moved in the data file
// (a password change; the next search fills it again).
//
// Everything here runs on the window's thread; searches read a Snapshot().

#include "search/EntryTextSnapshot.h"
#include "store/Records.h"

#include <QStringView>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class CEntryTextCache
{
public:
    // Filled: every entry of the diary is remembered. Until then (and after
    // Clear) the one-entry updates are ignored.
    bool IsFilled() const { return m_bFilled; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    void Clear();

    // Filling: the entries in index order, then FinishFill.
    void Append(const EntryHeader& header, QStringView text);
    void FinishFill();

    // One entry changed at `index` (its index in the diary after the change).
    void Insert(int index, const EntryHeader& header, QStringView text);
    void Replace(int index, const EntryHeader& header, QStringView text);
    void Remove(int index);
    // After a re-sort: the remembered texts in the order of the diary's
    // headers, matched by their text's place in the data file. When a header
    // has no remembered text (or the counts differ) everything is forgotten
    // and false returned.
    bool Reindex(const std::vector<EntryHeader>& headers);
    // The remembered texts in the order of the diary's headers: a text whose
    // place in the data file is still listed is kept, textOf(i) gives entry
    // i's text where it is not, and texts no header lists are let go.
    // Returns how many texts were asked for.
    int Sync(const std::vector<EntryHeader>& headers, const std::function<QString(int)>& textOf);

    CEntryTextSnapshot Snapshot() const;

    // Bytes the texts need (one or two per character) and bytes kept for
    // them, table included.
    size_t TextBytes() const { return m_nLiveBytes; }
    size_t MemoryBytes() const;

private:
    RememberedEntry Store(const EntryHeader& header, QStringView text);
    void Forget(const RememberedEntry& entry);
    void CompactIfWasteful();

    std::vector<RememberedEntry> m_entries;
    std::vector<std::shared_ptr<TextChunk>> m_chunks;
    size_t m_nLiveBytes = 0;
    size_t m_nDeadBytes = 0;
    bool m_bFilled = false;
};
