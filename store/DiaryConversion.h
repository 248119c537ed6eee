#pragma once
// Moving a diary between its two forms: a four-file diary (NAME.ilm and its
// siblings) encrypted into one NAME.dayloom, and an open encrypted diary
// written out as a four-file copy. The four parts travel byte for byte.

#include "store/DiaryName.h"
#include "store/EncryptedFormat.h"
#include "store/FileResult.h"

#include <cstdint>
#include <string>
#include <string_view>

class CEncryptedSession;

class CDiaryConversion
{
public:
    // Encrypts the four-file diary `source` into the new file target with password, then opens
    // target again and checks that it holds exactly the four files' bytes. A target that exists
    // already is not touched (IoError, AccessDenied). The four files are left as they are.
    static EncryptedResult Encrypt(const CDiaryName& source, const std::string& target,
                                   std::string_view password,
                                   KdfParams params = KdfParams::Default());
    // Writes the parts of the unlocked encrypted diary as the four files of
    // `copy`, each written whole (CAtomicFile). Readable to anyone who gets
    // the files: the caller warns first. The first failure, if any.
    static FileResult WriteDecryptedCopy(const CEncryptedSession& session, const CDiaryName& copy);
};
