#include "store/MemoryFiles.h"

#include "store/SecureBuffer.h"

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

namespace {

std::vector<CMemoryFiles*>& Served()
{
    static std::vector<CMemoryFiles*> served;
    return served;
}

} // namespace

CMemoryFiles::CMemoryFiles(std::string folder) : m_folder(std::move(folder))
{
    Served().push_back(this);
}

CMemoryFiles::~CMemoryFiles()
{
    Clear();
    auto& served = Served();
    served.erase(std::remove(served.begin(), served.end(), this), served.end());
}

CMemoryFiles* CMemoryFiles::Serving(const std::string& path)
{
    for (CMemoryFiles* files : Served()) {
        const std::string& folder = files->m_folder;
        if (path.size() > folder.size() && path[folder.size()] == '/' &&
            path.compare(0, folder.size(), folder) == 0)
            return files;
    }
    return nullptr;
}

CMemoryFiles::File CMemoryFiles::Find(const std::string& path) const
{
    const auto found = m_files.find(path);
    return found == m_files.end() ? nullptr : found->second;
}

CMemoryFiles::File CMemoryFiles::Open(const std::string& path)
{
    File& file = m_files[path];
    if (!file) {
        // A part's plain bytes are wiped whenever the last holder lets go
        // (a rewrite's old file replaced by its new one included).
        file = File(new std::string, [](std::string* bytes) {
            WipeString(*bytes);
            delete bytes;
        });
        m_bDirty = true;
    }
    return file;
}

int CMemoryFiles::Remove(const std::string& path)
{
    if (m_files.erase(path) == 0)
        return ENOENT;
    m_bDirty = true;
    return 0;
}

int CMemoryFiles::Rename(const std::string& from, const std::string& to)
{
    const auto found = m_files.find(from);
    if (found == m_files.end())
        return ENOENT;
    File file = std::move(found->second);
    m_files.erase(found);
    m_files[to] = std::move(file);
    m_bDirty = true;
    return 0;
}

void CMemoryFiles::Clear()
{
    for (auto& [path, file] : m_files)
        if (file.use_count() == 1)
            WipeString(*file);
    m_files.clear();
}
