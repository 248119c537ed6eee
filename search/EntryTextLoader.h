#pragma once
// Fills the cache from the open diary: every entry read (and its text
// decrypted) through the store, its RTF turned into the text the entry view
// shows. Runs on the window's thread, like every other store access.

#include "store/Records.h"

#include <vector>

class CDiarySession;
class CEntryTextCache;

// False (and the cache left empty) when the diary cannot be opened.
bool FillEntryTexts(const CDiarySession& session, CEntryTextCache& cache);

// After the diary changed (a save, an edit, a deletion, an import) and its
// headers were read again: keeps the cache in step, reading only the entries
// whose texts it does not hold yet. Nothing happens while it is not filled.
void SyncEntryTexts(const CDiarySession& session, CEntryTextCache& cache,
                    const std::vector<EntryHeader>& headers);
