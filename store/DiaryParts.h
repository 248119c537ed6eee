#pragma once
// The four parts of a diary as bytes, exactly as the four-file form keeps
// them in its index (.ilm), texts (.dlm), reminders (.rlm) and planner
// (.plm) files. An encrypted diary holds them in memory while it is open;
// they are wiped when dropped.

#include "store/SecureBuffer.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

enum class DiaryPart
{
    Index,
    Texts,
    Reminders,
    Planner
};

constexpr size_t kDiaryPartCount = 4;

struct DiaryParts
{
    DiaryParts() = default;
    DiaryParts(const DiaryParts&) = default;
    DiaryParts& operator=(const DiaryParts&) = default;
    DiaryParts(DiaryParts&&) = default;
    DiaryParts& operator=(DiaryParts&&) = default;
    ~DiaryParts() { Wipe(); }

    std::string& operator[](DiaryPart part) { return bytes[static_cast<size_t>(part)]; }
    const std::string& operator[](DiaryPart part) const { return bytes[static_cast<size_t>(part)]; }
    void Wipe()
    {
        for (auto& part : bytes)
            WipeString(part);
        if (history)
            WipeString(*history);
        if (scriptTexts)
            WipeString(*scriptTexts);
    }
    bool operator==(const DiaryParts&) const = default;

    std::array<std::string, kDiaryPartCount> bytes;
    // What an encrypted diary remembers of its deleted and edited entries:
    // its history part's bytes (store/EntryHistory.h). nullopt for a diary
    // that keeps no history (four files, or an encrypted file written before
    // it had one); a merge applies deletions and edits only when both copies
    // keep one.
    std::optional<std::string> history;
    // An encrypted diary's reminder and task texts in any script
    // (store/ScriptTexts.h); nullopt for a diary that keeps none.
    std::optional<std::string> scriptTexts;
};
