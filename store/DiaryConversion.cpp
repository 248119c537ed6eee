#include "store/DiaryConversion.h"

#include "store/EncryptedDiaryFile.h"
#include "store/EncryptedSession.h"
#include "store/LegacyCipher.h"
#include "store/StoreFile.h"

namespace {

constexpr char kLetters[kDiaryPartCount] = {'i', 'd', 'r', 'p'};

std::string SiblingPath(std::string indexPath, uint16_t extLoc, size_t part)
{
    indexPath[extLoc] = kLetters[part];
    return indexPath;
}

EncryptedResult IoError(FileErrorCause cause)
{
    return {EncryptedStatus::IoError, cause};
}

} // namespace

EncryptedResult CDiaryConversion::Encrypt(const std::string& indexPath, uint16_t extLoc,
                                          const std::string& target, std::string_view password,
                                          KdfParams params)
{
    if (FileExists(target))
        return IoError(FileErrorCause::AccessDenied);
    CEncryptedDiaryFile file(target);
    if (const EncryptedResult made = file.Create(password, params); !made.ok())
        return made;
    try {
        for (size_t i = 0; i < kDiaryPartCount; ++i) {
            const std::string path = SiblingPath(indexPath, extLoc, i);
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

FileErrorCause CDiaryConversion::WriteDecryptedCopy(const CEncryptedSession& session,
                                                    const std::string& indexPath, uint16_t extLoc,
                                                    const std::string& copyPassword)
{
    DiaryParts parts = session.CurrentParts();
    if (!Rekey(parts, copyPassword))
        return FileErrorCause::EndOfFile; // a record's text is missing
    for (size_t i = 0; i < kDiaryPartCount; ++i) {
        const std::string path = SiblingPath(indexPath, extLoc, i);
        const std::string temp = CEncryptedDiaryFile::TempPathFor(path);
        CStoreFile live;
        CStoreFile next;
        FileErrorCause cause = live.Open(path); // held, so no other program works on it
        if (cause == FileErrorCause::None)
            cause = next.Open(temp, true);
        if (cause != FileErrorCause::None)
            return cause;
        try {
            next.WriteAt(0, parts.bytes[i].data(), parts.bytes[i].size());
            next.Sync();
            if (const int error = next.MoveTo(path))
                throw CFileError(FileErrorCauseFromErrno(error), path);
        } catch (const CFileError& error) {
            next.Close();
            RemoveFile(temp);
            return error.cause();
        }
        SyncFolderOf(path);
    }
    return FileErrorCause::None;
}
