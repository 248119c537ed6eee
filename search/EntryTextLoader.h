#pragma once
// Fills the cache from the open diary: every entry read (and its text
// decrypted) through the store, its RTF turned into the text the entry view
// shows. Runs on the window's thread, like every other store access.

class CDiarySession;
class CEntryTextCache;

// False (and the cache left empty) when the diary cannot be opened.
bool FillEntryTexts(const CDiarySession& session, CEntryTextCache& cache);
