#include "store/StaleTemporaryFiles.h"

#include "store/EncryptedDiaryFile.h"
#include "store/FileFaults.h"
#include "store/PasswordSwitch.h"
#include "store/SafeReplace.h"

#include <sys/stat.h>
#include <unistd.h>

std::vector<std::string> RemoveStaleTemporaryFiles(const std::string& indexPath, uint16_t extLoc,
                                                   int64_t now)
{
    std::vector<std::string> removed;
    struct stat info
    {
    };
    if (::lstat(CPasswordSwitch::MarkerPath(indexPath).c_str(), &info) == 0)
        return removed;
    std::vector<std::string> candidates;
    if (CEncryptedDiaryFile::IsEncryptedPath(indexPath)) {
        candidates.push_back(CEncryptedDiaryFile::TempPathFor(indexPath));
    } else if (extLoc > 0 && extLoc < indexPath.size()) {
        for (const char letter : {'\0', 'd', 'r', 'p'}) {
            std::string live = indexPath;
            if (letter != '\0')
                live[extLoc] = letter;
            candidates.push_back(CSafeReplace::TempPathFor(live));
        }
    }
    candidates.push_back(indexPath + ".draft.tmp");
    for (const std::string& path : candidates) {
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_mtime >= now)
            continue;
        if (CFileFaults::Check(FileOp::Remove, path) == 0 && ::unlink(path.c_str()) == 0)
            removed.push_back(path);
    }
    return removed;
}
