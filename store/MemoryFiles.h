#pragma once
// Files kept in memory in place of the disk: while a CMemoryFiles lives,
// every path under its folder ("/home/ann/travel.dayloom/" for the diary in
// /home/ann/travel.dayloom: a file has no children on any disk, so no real
// path is ever taken over) is served from memory by the store's file layer.
// The store then works on an encrypted diary's four parts exactly as on four
// files, temporary files and markers included, and no byte of them reaches
// the disk. Files are shared buffers, so a handle keeps a file that is
// renamed or removed while it is open, as on the disk.

#include <map>
#include <memory>
#include <string>

class CMemoryFiles
{
public:
    using File = std::shared_ptr<std::string>;

    // Serves the paths under folder (no trailing '/') until destroyed. One
    // folder is served by one object at a time.
    explicit CMemoryFiles(std::string folder);
    ~CMemoryFiles();
    CMemoryFiles(const CMemoryFiles&) = delete;
    CMemoryFiles& operator=(const CMemoryFiles&) = delete;

    // The object serving path, or null when path is on the disk.
    static CMemoryFiles* Serving(const std::string& path);

    const std::string& Folder() const { return m_folder; }
    std::string PathOf(const std::string& name) const { return m_folder + '/' + name; }

    File Find(const std::string& path) const;
    // The file at path, made empty when missing.
    File Open(const std::string& path);
    // 0 or an errno, as the disk steps return.
    int Remove(const std::string& path);
    int Rename(const std::string& from, const std::string& to);

    // Whether anything was written, renamed or removed since MarkClean().
    bool IsDirty() const { return m_bDirty; }
    void MarkDirty() { m_bDirty = true; }
    void MarkClean() { m_bDirty = false; }

    // Wipes and drops every file.
    void Clear();

private:
    std::string m_folder;
    std::map<std::string, File> m_files;
    bool m_bDirty = false;
};
