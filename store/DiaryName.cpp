#include "store/DiaryName.h"

#include "store/AtomicFile.h"

#include <algorithm>
#include <utility>

namespace {

constexpr char kPartLetters[kDiaryPartCount] = {'i', 'd', 'r', 'p'};

uint16_t ExtensionLocation(const std::string& path)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot + 1 >= path.size() || dot + 1 > 0xFFFF)
        return 0;
    return static_cast<uint16_t>(dot + 1);
}

size_t NameStart(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

CDiaryName::CDiaryName(std::string path) : m_path(std::move(path))
{
    m_extLoc = ExtensionLocation(m_path);
}

CDiaryName::CDiaryName(std::string path, uint16_t extLoc)
    : m_path(std::move(path)), m_extLoc(extLoc)
{
}

bool CDiaryName::IsUsable() const
{
    return m_extLoc > 0 && m_extLoc < m_path.size() && m_path[m_extLoc - 1u] == '.' &&
           NameStart(m_path) <= m_extLoc - 1u;
}

bool CDiaryName::IsEncrypted() const
{
    // A name that is nothing but the extension (".dayloom") is no diary.
    const std::string_view path = m_path;
    return path.size() > NameStart(m_path) + 1 + kEncryptedExtension.size() &&
           path.ends_with(kEncryptedExtension) &&
           path[path.size() - kEncryptedExtension.size() - 1] == '.';
}

std::string CDiaryName::Stem() const
{
    return IsUsable() ? m_path.substr(0, m_extLoc - 1u) : m_path;
}

std::string CDiaryName::Title() const
{
    return Stem().substr(NameStart(m_path));
}

std::string CDiaryName::FileName() const
{
    return m_path.substr(NameStart(m_path));
}

std::string CDiaryName::Folder() const
{
    const size_t slash = m_path.rfind('/');
    return slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : m_path.substr(0, slash);
}

std::string CDiaryName::PartPath(DiaryPart part) const
{
    std::string path = m_path;
    const char letter = kPartLetters[static_cast<size_t>(part)];
    if (part == DiaryPart::Index)
        return path;
    if (IsUsable())
        path[m_extLoc] = letter;
    else
        path += letter; // never the index file itself, nor a folder's name
    return path;
}

std::string CDiaryName::DamagedDraftPath(int n) const
{
    return DraftPath() + ".damaged" + (n <= 1 ? std::string() : "-" + std::to_string(n));
}

std::string CDiaryName::LockPath() const
{
    return Stem() + ".lock";
}

CDiaryName CDiaryName::WithExtension(std::string_view extension) const
{
    return CDiaryName(Stem() + '.' + std::string(extension));
}

size_t CDiaryName::LongestDerivedExtra()
{
    // The siblings have the index name's length; the lock is shorter.
    const std::string index = "x.ilm";
    const CDiaryName name(index);
    const std::string derived[] = {CAtomicFile::TempPathFor(index), name.SwitchMarkerPath(),
                                   CAtomicFile::TempPathFor(name.DraftPath()),
                                   name.DamagedDraftPath(1)};
    size_t longest = 0;
    for (const std::string& path : derived)
        longest = std::max(longest, path.size() - index.size());
    return longest;
}
