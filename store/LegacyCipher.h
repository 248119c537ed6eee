#pragma once
// The four-file diary's protection of the password and the texts: each
// password byte is XORed with 0xB4 in every index record, and each text is
// XORed with one byte, the sum of the password's bytes; a byte equal to its
// mask stays as it is, so neither ever holds a zero byte. Only the store
// uses it, through its operations, and the draft sealer, which protects an
// unsaved entry the way the store protects a saved one, and the merge of
// two copies, which reads one copy's texts and writes them into the other,
// and the history of an encrypted diary, which names entries by their text.
// Moving a diary between its two forms re-keys its records with it.

#include "store/Records.h"

#include <algorithm>
#include <cstddef>
#include <string>

class CLegacyCipher
{
    friend class CDiaryStore;
    friend class CDiaryMerge;
    friend class CEntryHistory;
    friend class CDiaryConversion;
    friend class CTextCipherSealer;

    static constexpr unsigned char kPasswordMask = 0xB4;
    static constexpr size_t kPasswordField = 30;

    // Scrambles the first passwordLength (at most 30) bytes of the entry's
    // password in place and ends them with a zero; the same call unscrambles.
    static void ScramblePassword(DiaryEntry& entry);
    // The first textLength bytes of the entry's text, with the key of the
    // plain password.
    static void EncryptText(DiaryEntry& entry, const std::string& plainPassword);
    // The text read from the data file, with the key of the record's
    // (unscrambled) password; the result ends at its first zero byte.
    static void DecryptText(DiaryEntry& entry, const std::string& recordPassword);

    enum class RekeyResult
    {
        Done,
        TextMissing, // a record's text lies outside the data file
        TooLarge     // the new data file would pass the 4 GB the offsets reach
    };
    // The index and data files of a password change: every record gets the
    // new password (the old one's further characters become spaces), every
    // text is re-encrypted with it, and the texts no record refers to any
    // more are left out. An empty new password zeroes the password fields
    // and leaves the texts unmasked.
    static RekeyResult Rekey(const std::string& index, const std::string& data,
                             const std::string& newPassword, std::string& newIndex,
                             std::string& newData);

    static unsigned char KeyOf(const char* bytes, size_t length);
    static void MaskBytes(char* bytes, size_t length, unsigned char mask);
};

// Inline: unscrambling runs once per record of every walk over a diary.

inline void CLegacyCipher::MaskBytes(char* bytes, size_t length, unsigned char mask)
{
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if ((c ^ mask) != 0)
            bytes[i] = static_cast<char>(c ^ mask);
    }
}

inline void CLegacyCipher::ScramblePassword(DiaryEntry& entry)
{
    const size_t n = std::min<size_t>(entry.passwordLength, kPasswordField);
    MaskBytes(entry.password, n, kPasswordMask);
    entry.password[n] = 0;
}
