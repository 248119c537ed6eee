#include "export/DiaryName.h"

#include "store/DiarySession.h"

std::string DiaryName(const std::string& indexPath, uint16_t extLoc)
{
    const size_t slash = indexPath.rfind('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    if (!CDiarySession::IsUsableExtension(indexPath, extLoc))
        return indexPath.substr(start);
    return indexPath.substr(start, extLoc - 1 - start);
}
