#pragma once
// A password as an encrypted diary derives its key from it: the UTF-8 bytes
// of its NFC form (format version 3) and its Windows-1252 bytes (versions 1
// and 2, and the four-file diary's records), the latter absent when the text
// has a character Windows-1252 lacks. Normalising needs a Unicode library,
// so the forms are made above the store and handed down as bytes. Both are
// wiped when the passphrase is dropped.

#include "store/SecureBuffer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

struct Passphrase
{
    Passphrase() = default;
    Passphrase(std::string utf8Nfc, std::optional<std::string> windows1252Bytes)
        : utf8(std::move(utf8Nfc)), windows1252(std::move(windows1252Bytes))
    {
    }
    // A password of ASCII characters, the same bytes in both forms.
    Passphrase(const char* ascii) : utf8(ascii), windows1252(utf8) {}
    explicit Passphrase(const std::string& ascii) : utf8(ascii), windows1252(ascii) {}
    Passphrase(const Passphrase&) = default;
    Passphrase& operator=(const Passphrase&) = default;
    Passphrase(Passphrase&&) = default;
    Passphrase& operator=(Passphrase&&) = default;
    ~Passphrase()
    {
        WipeString(utf8);
        if (windows1252)
            WipeString(*windows1252);
    }

    // The bytes a file of this format version derives its key from; nullopt
    // when the password cannot be written in that version's encoding.
    std::optional<std::string_view> ForVersion(uint8_t version, uint8_t firstUtf8Version) const
    {
        if (version >= firstUtf8Version)
            return std::string_view(utf8);
        if (!windows1252)
            return std::nullopt;
        return std::string_view(*windows1252);
    }

    std::string utf8;
    std::optional<std::string> windows1252;
};
