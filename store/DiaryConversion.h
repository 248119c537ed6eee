#pragma once
// Moving a diary between its two forms: a four-file diary (NAME.ilm and its
// siblings) encrypted into one NAME.dayloom, and an open encrypted diary
// written out as a four-file copy. Reminders and planner travel byte for
// byte; the records and texts are re-keyed on the way: an encrypted diary
// keeps no password in its records and no mask on its texts, a four-file
// copy gets the copy's password in both (and only the texts its records
// refer to).

#include "store/DiaryName.h"
#include "store/DiaryParts.h"
#include "store/EncryptedFormat.h"
#include "store/FileResult.h"

#include <cstdint>
#include <string>
#include <string_view>

class CEncryptedSession;

class CDiaryConversion
{
public:
    // Encrypts the four-file diary `source` into the new file target with
    // password (UTF-8 of its NFC form), its records' password fields cleared
    // and texts unmasked, then opens target again and checks that it holds
    // exactly what was sealed. A target that exists already is not touched
    // (IoError, AccessDenied). The four files are left as they are; Damaged
    // also when a record's text is missing from the four files.
    static EncryptedResult Encrypt(const CDiaryName& source, const std::string& target,
                                   std::string_view password,
                                   KdfParams params = KdfParams::Default());
    // Writes the parts of the unlocked encrypted diary as the four files of
    // `copy`, each written whole (CAtomicFile), its records and texts under
    // copyPassword (the four-file diary's single-byte form). Readable to
    // anyone who gets the files: the caller warns first. The first failure,
    // if any.
    static FileResult WriteDecryptedCopy(const CEncryptedSession& session, const CDiaryName& copy,
                                         const std::string& copyPassword);

private:
    // Every record of the index and data parts under password (nothing:
    // fields zeroed, texts unmasked). False when a record's text is missing.
    static bool Rekey(DiaryParts& parts, const std::string& password);
};
