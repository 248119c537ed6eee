#pragma once
// The search itself: every remembered entry whose plain text contains the
// query's text (case-insensitive) and which passes its date and mood
// filters, in diary (date) order, each with a snippet around its first
// match. A pure function of its inputs, safe on any thread.

#include "search/EntryTextSnapshot.h"
#include "search/SearchQuery.h"

#include <atomic>
#include <vector>

// Stops early (with whatever was found so far) once `cancelled` is set.
std::vector<SearchHit> SearchEntries(const CEntryTextSnapshot& texts, const SearchQuery& query,
                                     const std::atomic<bool>* cancelled = nullptr);

// The snippet of `hit` for a match at hit.matchAt (filled in place).
void MakeSnippet(const CEntryTextSnapshot& texts, SearchHit& hit);
