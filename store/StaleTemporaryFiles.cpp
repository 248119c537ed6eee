#include "store/StaleTemporaryFiles.h"

#include "store/AtomicFile.h"
#include "store/FileFaults.h"

#include <sys/stat.h>
#include <unistd.h>

std::vector<std::string> RemoveStaleTemporaryFiles(const CDiaryName& diary, int64_t now)
{
    std::vector<std::string> removed;
    struct stat info
    {
    };
    if (::lstat(diary.SwitchMarkerPath().c_str(), &info) == 0)
        return removed;
    std::vector<std::string> candidates;
    if (diary.IsEncrypted()) {
        candidates.push_back(CAtomicFile::TempPathFor(diary.Path()));
    } else if (diary.IsUsable()) {
        for (size_t part = 0; part < kDiaryPartCount; ++part)
            candidates.push_back(
                CAtomicFile::TempPathFor(diary.PartPath(static_cast<DiaryPart>(part))));
    }
    candidates.push_back(CAtomicFile::TempPathFor(diary.DraftPath()));
    for (const std::string& path : candidates) {
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_mtime >= now)
            continue;
        if (CFileFaults::Check(FileOp::Remove, path) == 0 && ::unlink(path.c_str()) == 0)
            removed.push_back(path);
    }
    return removed;
}
