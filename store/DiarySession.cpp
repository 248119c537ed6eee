#include "store/DiarySession.h"

#include "store/PasswordSwitch.h"
#include "store/SafeReplace.h"

#include <algorithm>
#include <climits>
#include <unistd.h>
#include <utility>

namespace {

// Overwrites a secret before its memory is given back; the volatile access
// keeps the compiler from dropping stores to a buffer about to die.
void Wipe(std::string& secret)
{
    volatile char* p = secret.data();
    for (size_t i = 0; i < secret.size(); ++i)
        p[i] = 0;
    secret.clear();
}

// Names made from the index path by appending, beyond the store's own
// temporary file and marker: whoever derives a new name adds its ending here.
constexpr const char* kDerivedEndings[] = {".lock", ".draft", ".draft.tmp", ".draft.damaged"};

} // namespace

CDiarySession::CDiarySession(std::string indexPath, uint16_t extLoc)
    : m_strPath(std::move(indexPath)), m_nExtLoc(extLoc)
{
}

CDiarySession::~CDiarySession()
{
    Wipe(m_strPassword);
}

bool CDiarySession::IsUsableExtension(const std::string& indexPath, int extLoc)
{
    if (extLoc <= 0 || static_cast<size_t>(extLoc) >= indexPath.size())
        return false;
    const size_t slash = indexPath.rfind('/');
    return indexPath[static_cast<size_t>(extLoc) - 1] == '.' &&
           (slash == std::string::npos || slash < static_cast<size_t>(extLoc));
}

uint16_t CDiarySession::ExtensionLocation(const std::string& indexPath)
{
    const size_t dot = indexPath.rfind('.');
    const size_t slash = indexPath.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot + 1 > 0xFFFF)
        return 0;
    return static_cast<uint16_t>(dot + 1);
}

void CDiarySession::SetPassword(const std::string& password)
{
    Wipe(m_strPassword);
    m_strPassword = password;
}

std::unique_ptr<CDiaryStore> CDiarySession::MakeStore(uint32_t index) const
{
    return std::make_unique<CDiaryStore>(index, m_strPath, m_nExtLoc);
}

bool CDiarySession::IsNameTooLong(const std::string& indexPath)
{
    // The siblings (data, reminder, planner) have the index name's length,
    // so the longest derived name is the index name's longest ending.
    size_t longest = std::max(CSafeReplace::TempPathFor(indexPath).size(),
                              CPasswordSwitch::MarkerPath(indexPath).size());
    for (const char* ending : kDerivedEndings)
        longest = std::max(longest, indexPath.size() + std::char_traits<char>::length(ending));
    const size_t extra = longest - indexPath.size();

    const size_t slash = indexPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : indexPath.substr(0, slash);
    const size_t nameLength =
        slash == std::string::npos ? indexPath.size() : indexPath.size() - slash - 1;
    long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = 255;
    long pathMax = ::pathconf(folder.c_str(), _PC_PATH_MAX);
    if (pathMax <= 0)
        pathMax = PATH_MAX;
    // PATH_MAX counts the terminating zero.
    return nameLength + extra > static_cast<size_t>(nameMax) ||
           indexPath.size() + extra >= static_cast<size_t>(pathMax);
}
