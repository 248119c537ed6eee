#pragma once
// The first generation of Dayloom kept one file per entry in a folder named
// DATA. The file name carries the entry's date and time, the content a short
// header (64 bytes of fields, then 4 unread bytes) and the entry's plain text,
// optionally scrambled. This is the byte-level reader for those files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The date and time a version-1 file name carries in its first 11
// characters ("EL051430.22D": year code, month code, day, hour, minute, the
// dot, second). The fields are as decoded, not yet normalised: a minute of
// 75 stays 75 here and becomes 15 minutes into the next hour in LocalTime().
struct Version1Stamp
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // The local date and time as seconds since 1970 (mktime: out-of-range
    // fields roll over, daylight saving as the zone says).
    int64_t LocalTime() const;
};

// nullopt for a name shorter than 11 characters or with a non-digit where a
// digit belongs: such a name was not written by version 1, and reading it
// anyway would date the entry wrongly.
std::optional<Version1Stamp> ParseVersion1Name(std::string_view fileName);

// The header fields in file order; each has its own message when the file
// ends inside it.
enum class Version1Field
{
    Delim,       // 3 bytes at 0
    IsEncrypted, // 4 at 3
    UserName,    // 30 at 7
    UserPswd,    // 15 at 37
    UserFont,    // 4 at 52
    Mood,        // 4 at 56
    TempEntry,   // the text, from 68 to the end
};

constexpr uint32_t kVersion1TextOffset = 68;
constexpr unsigned char kVersion1TextKey = 0xD6;

// "Error reading file (delim)!" and its twins.
std::string Version1FieldMessage(Version1Field field);

struct Version1Entry
{
    int32_t isEncrypted = 0; // 1: the text is scrambled
    int32_t mood = 0;
    std::string text; // plain, unscrambled, cut at its first zero byte
};

struct Version1ReadResult
{
    std::optional<Version1Entry> entry;               // set when the file was read whole
    Version1Field failedField = Version1Field::Delim; // the short field otherwise
};

// Reads a whole version-1 file's bytes. The text is taken whatever its
// length, unscrambled when is_encrypted is 1, and cut at its first zero byte
// (the text was a C string, and a zero may not reach an entry's RTF).
Version1ReadResult ReadVersion1Entry(std::string_view bytes);

// XOR with 0xD6, its own inverse.
void ScrambleVersion1Text(std::string& text);

// The minimal RTF document a version-1 text becomes. The text goes in as it
// is: version 1 wrote plain text, and entries converted by earlier releases
// look the same.
std::string Version1Rtf(std::string_view plainText);
