#include "store/SafeReplace.h"

#include "store/Messages.h"

std::string CSafeReplace::TempPathFor(const std::string& livePath)
{
    return livePath + ".tmp";
}

void CSafeReplace::Discard(std::span<Temporary> temps)
{
    for (Temporary& temp : temps) {
        temp.file.Close();
        RemoveFile(temp.path);
    }
}

bool CSafeReplace::WriteTemporaries(std::span<Temporary> temps)
{
    for (size_t i = 0; i < temps.size(); ++i) {
        const FileErrorCause cause = temps[i].file.Open(temps[i].path, true, temps[i].mode);
        if (cause != FileErrorCause::None) {
            ShowFileError(cause, temps[i].path);
            Discard(temps.first(i));
            return false;
        }
    }
    try {
        for (Temporary& temp : temps)
            temp.file.WriteAt(0, temp.bytes.data(), temp.bytes.size());
        for (Temporary& temp : temps)
            temp.file.Sync();
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        Discard(temps);
        return false;
    }
    return true;
}

bool CSafeReplace::Replace(CStoreFile& live, const std::string& livePath, std::string_view bytes)
{
    Temporary temp[] = {{TempPathFor(livePath), bytes, live.Mode(), {}}};
    if (!WriteTemporaries(temp))
        return false;
    if (const int error = temp[0].file.MoveTo(livePath)) {
        ShowFileError(FileErrorCauseFromErrno(error), livePath);
        Discard(temp);
        return false;
    }
    SyncFolderOf(livePath);
    live = std::move(temp[0].file);
    return true;
}
