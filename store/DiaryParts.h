#pragma once
// The four parts of a diary as bytes, exactly as the four-file form keeps
// them in its index (.ilm), texts (.dlm), reminders (.rlm) and planner
// (.plm) files. An encrypted diary holds them in memory while it is open;
// they are wiped when dropped.

#include "store/SecureBuffer.h"

#include <array>
#include <cstddef>
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
    }
    bool operator==(const DiaryParts&) const = default;

    std::array<std::string, kDiaryPartCount> bytes;
};
