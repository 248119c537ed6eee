#pragma once
// A typed password as the diaries derive their keys from it: the UTF-8 bytes
// of its NFC form (so the same passphrase typed on another system, in
// either composed or decomposed form, gives the same bytes) and its
// Windows-1252 bytes where it has them. The store takes the bytes; the
// normalising happens here, above it.

#include "store/Passphrase.h"

#include <QString>

class CPassphraseText
{
public:
    static Passphrase From(const QString& typed);
};
