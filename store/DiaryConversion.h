#pragma once
// Moving a diary between its two forms: a four-file diary (NAME.ilm and its
// siblings) encrypted into one NAME.dayloom, and an open encrypted diary
// written out as a four-file copy. The four parts travel byte for byte.

#include "store/EncryptedFormat.h"

#include <cstdint>
#include <string>
#include <string_view>

class CEncryptedSession;

class CDiaryConversion
{
public:
    // Encrypts the four-file diary at indexPath (extension at extLoc) into
    // the new file target with password, then opens target again and
    // checks that it holds exactly the four files' bytes. A target that
    // exists already is not touched (IoError, AccessDenied). The four files
    // are left as they are.
    static EncryptedResult Encrypt(const std::string& indexPath, uint16_t extLoc,
                                   const std::string& target, std::string_view password,
                                   KdfParams params = KdfParams::Default());
    // Writes the parts of the unlocked encrypted diary as the four files of
    // indexPath (extension at extLoc), each replaced safely. Readable to
    // anyone who gets the files: the caller warns first. The cause of the
    // first failure, None when all four were written.
    static FileErrorCause WriteDecryptedCopy(const CEncryptedSession& session,
                                             const std::string& indexPath, uint16_t extLoc);
};
