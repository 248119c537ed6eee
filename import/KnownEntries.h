#pragma once
// The entries a diary already holds, found by their time, so that an import
// adds nothing twice. Whether an entry at the same time is the same entry
// is the importer's to say, from its stored RTF; entries the import itself
// added are compared by a key the importer chooses.

#include <cstdint>
#include <functional>
#include <map>
#include <string>

class CDiaryStore;

class CKnownEntries
{
public:
    // Reads the times of the diary's entries (none for a null store); texts
    // are read only for entries whose time matches.
    explicit CKnownEntries(CDiaryStore* store);

    // True when this import added an entry at `time` with this key, or the
    // diary holds one at `time` whose stored RTF `same` accepts. Uses the
    // store's working entry.
    bool Contains(int64_t time, const std::string& key,
                  const std::function<bool(const std::string& storedRtf)>& same);

    // An entry this import has just appended.
    void Added(int64_t time, std::string key);

private:
    // Times compare as the diary stores them: their low 32 bits.
    static uint32_t Key(int64_t time) { return static_cast<uint32_t>(time); }

    CDiaryStore* m_store;
    std::multimap<uint32_t, uint32_t> m_indexes;  // time -> entry index
    std::multimap<uint32_t, std::string> m_added; // time -> key
};
