#include "store/DiaryConversion.h"

#include "store/AtomicFile.h"
#include "store/EncryptedDiaryFile.h"
#include "store/EncryptedSession.h"
#include "store/LegacyCipher.h"
#include "store/StoreFile.h"

namespace {

EncryptedResult IoError(FileErrorCause cause)
{
    return {EncryptedStatus::IoError, cause};
}

} // namespace

EncryptedResult CDiaryConversion::Encrypt(const CDiaryName& source, const std::string& target,
                                          std::string_view password, KdfParams params)
{
    if (FileExists(target))
        return IoError(FileErrorCause::AccessDenied);
    CEncryptedDiaryFile file(target);
    if (const EncryptedResult made = file.Create(password, params); !made.ok())
        return made;
    try {
        for (size_t i = 0; i < kDiaryPartCount; ++i) {
            const std::string path = source.PartPath(static_cast<DiaryPart>(i));
            if (!FileExists(path))
                continue; // a diary without reminders has no reminder file yet
            CStoreFile part;
            if (const FileErrorCause cause = part.Open(path); cause != FileErrorCause::None)
                return IoError(cause);
            std::string& bytes = file.Parts().bytes[i];
            bytes.resize(part.Length());
            bytes.resize(part.ReadAt(0, bytes.data(), bytes.size()));
        }
    } catch (const CFileError& error) {
        return IoError(error.cause());
    }
    if (!CDiaryConversion::Rekey(file.Parts(), std::string()))
        return {EncryptedStatus::Damaged};
    if (const EncryptedResult written = file.Commit(); !written.ok())
        return written;

    CEncryptedDiaryFile check(target);
    const EncryptedResult read = check.Open(Passphrase(std::string(password), std::nullopt));
    if (!read.ok())
        return read;
    return check.Parts() == file.Parts() ? EncryptedResult{}
                                         : EncryptedResult{EncryptedStatus::Damaged};
}

bool CDiaryConversion::Rekey(DiaryParts& parts, const std::string& password)
{
    std::string index;
    std::string data;
    if (parts[DiaryPart::Index].empty())
        return true; // no entry, nothing that holds a password
    if (CLegacyCipher::Rekey(parts[DiaryPart::Index], parts[DiaryPart::Texts], password, index,
                             data) != CLegacyCipher::RekeyResult::Done) {
        WipeString(data);
        return false;
    }
    parts[DiaryPart::Index].swap(index);
    parts[DiaryPart::Texts].swap(data);
    WipeString(index);
    WipeString(data);
    return true;
}

FileResult CDiaryConversion::WriteDecryptedCopy(const CEncryptedSession& session,
                                                const CDiaryName& copy,
                                                const std::string& copyPassword)
{
    DiaryParts parts = session.CurrentParts();
    if (!Rekey(parts, copyPassword))
        return {FileErrorCause::EndOfFile, copy.Path()}; // a record's text is missing
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        const std::string path = copy.PartPath(static_cast<DiaryPart>(i));
        CStoreFile live; // held, so no other program works on it meanwhile
        if (const FileErrorCause cause = live.Open(path); cause != FileErrorCause::None)
            return {cause, path};
        if (FileResult written = CAtomicFile::Replace(path, parts.bytes[i]); !written.ok())
            return written;
    }
    return {};
}
