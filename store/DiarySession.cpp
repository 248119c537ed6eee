#include "store/DiarySession.h"

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
