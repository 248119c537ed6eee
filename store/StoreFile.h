#pragma once
// One file of a diary, opened the way the store opens all of them: read and
// write, created empty when missing, never truncated on open, and held under
// an exclusive advisory lock for as long as it is open, so two processes
// never work on the same diary at once. Closed by the destructor.

#include "store/FileError.h"
#include "store/MemoryFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CStoreFile
{
public:
    CStoreFile() = default;
    ~CStoreFile();
    CStoreFile(CStoreFile&& other) noexcept;
    CStoreFile& operator=(CStoreFile&& other) noexcept;
    CStoreFile(const CStoreFile&) = delete;
    CStoreFile& operator=(const CStoreFile&) = delete;

    // Diary files are the owner's alone: whatever the umask, a file the
    // store creates gets this mode.
    static constexpr unsigned kOwnerOnly = 0600;

    // Opens and locks path; with truncate the file starts empty (only for
    // temporary files the store owns: a link or other non-plain file at the
    // name is removed and a new file made). A file that is created, and a
    // truncated one, gets `mode`; an existing file keeps its own. Returns the
    // failure's cause, None on success. A lock held elsewhere is a sharing
    // violation.
    FileErrorCause Open(const std::string& path, bool truncate = false, unsigned mode = kOwnerOnly);
    void Close();
    bool IsOpen() const { return m_fd >= 0 || m_memory; }
    const std::string& Path() const { return m_path; }

    // Current length in bytes; throws CFileError when it cannot be found.
    uint64_t Length() const;
    // The permission bits (e.g. 0600); throws CFileError when they cannot be found.
    unsigned Mode() const;
    // Reads up to size bytes at offset; returns how many were read (fewer
    // only at the end of the file). An outright read error throws.
    size_t ReadAt(uint64_t offset, void* buffer, size_t size) const;
    // Writes every byte at offset or throws.
    void WriteAt(uint64_t offset, const void* data, size_t size);
    // Cuts the file to length or throws.
    void Truncate(uint64_t length);
    // Flushes the file's contents to the disk or throws.
    void Sync();
    // Asks the system to start writing the bytes at offset to the disk now,
    // without waiting, so that a long file's Sync() has less left to wait
    // for. Only a hint: it never fails.
    void StartWriting(uint64_t offset, uint64_t length);
    // Renames the open file to path, replacing what is there (through
    // RenameFile), and goes by the new name from then on, so that later
    // errors and rewrites name the file it now is. 0 or the errno.
    int MoveTo(const std::string& path);

private:
    [[noreturn]] void Fail(int error) const;

    int m_fd = -1;
    std::string m_path;
    CMemoryFiles::File m_memory;
    CMemoryFiles* m_memoryFiles = nullptr;
};

// File-system steps on paths, each through the fault seam. They return 0 or
// the errno of the failure.
int RemoveFile(const std::string& path);
int RenameFile(const std::string& from, const std::string& to);
bool FileExists(const std::string& path);
// Flushes the folder holding path so that renames and removals in it reach
// the disk. File systems that cannot flush folders count as success.
int SyncFolderOf(const std::string& path);
