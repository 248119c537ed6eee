#include "store/StoreFile.h"

#include "store/FileFaults.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

CStoreFile::~CStoreFile()
{
    Close();
}

CStoreFile::CStoreFile(CStoreFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)),
      m_memory(std::move(other.m_memory)),
      m_memoryFiles(std::exchange(other.m_memoryFiles, nullptr))
{
}

CStoreFile& CStoreFile::operator=(CStoreFile&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
        m_memory = std::move(other.m_memory);
        m_memoryFiles = std::exchange(other.m_memoryFiles, nullptr);
    }
    return *this;
}

FileErrorCause CStoreFile::Open(const std::string& path, bool truncate, unsigned mode)
{
    Close();
    if (path.empty())
        return FileErrorCause::BadPath;
    if (CMemoryFiles* files = CMemoryFiles::Serving(path)) {
        m_memoryFiles = files;
        m_memory = files->Open(path);
        if (truncate && !m_memory->empty()) {
            m_memory->clear();
            files->MarkDirty();
        }
        m_path = path;
        return FileErrorCause::None;
    }
    if (const int injected = CFileFaults::Check(FileOp::Open, path))
        return FileErrorCauseFromErrno(injected);
    // A rewrite by another process may replace the file between our open and
    // our lock; then the lock sits on a file nobody sees any more, so open again.
    // A temporary file is the store's own: a link or anything else found at
    // its name is taken away, not written through (emptying it would empty
    // the file it leads to, another diary file or any file of the user's).
    // A file is created with O_EXCL so that the store knows it made it and
    // may set its mode; the umask could otherwise leave it readable by others
    // or not writable by its owner.
    const int noLinks = truncate ? O_NOFOLLOW : 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        bool created = false;
        int fd = -1;
        if (!truncate) {
            const int denied = CFileFaults::Check(FileOp::OpenWritable, path);
            fd = denied != 0 ? (errno = denied, -1) : ::open(path.c_str(), O_RDWR | O_CLOEXEC);
            // A diary on read-only media, or files the user may only read,
            // can still be read: the program then refuses every change.
            if (fd < 0 && (errno == EROFS || errno == EACCES))
                fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        }
        if (fd < 0 && (truncate || errno == ENOENT)) {
            fd = ::open(path.c_str(),
                        O_RDWR | O_CREAT | O_CLOEXEC | noLinks | (truncate ? 0 : O_EXCL),
                        kOwnerOnly);
            created = fd >= 0;
            if (fd < 0 && !truncate && errno == EEXIST)
                continue; // made by someone else meanwhile: open that one
        }
        if (fd < 0) {
            const int error = errno;
            if (truncate && error == ELOOP && ::unlink(path.c_str()) == 0)
                continue;
            return FileErrorCauseFromErrno(error);
        }
        if (truncate) {
            struct stat found
            {
            };
            if (::fstat(fd, &found) != 0 || !S_ISREG(found.st_mode) || found.st_nlink != 1) {
                ::close(fd);
                if (::unlink(path.c_str()) != 0)
                    return FileErrorCauseFromErrno(errno);
                continue;
            }
        }
        if (created && ::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
            const int error = errno;
            ::close(fd);
            return FileErrorCauseFromErrno(error);
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? FileErrorCause::SharingViolation
                                        : FileErrorCauseFromErrno(error);
        }
        struct stat opened
        {
        };
        struct stat named
        {
        };
        if (::fstat(fd, &opened) != 0) {
            const int error = errno;
            ::close(fd);
            return FileErrorCauseFromErrno(error);
        }
        if (::stat(path.c_str(), &named) != 0 || named.st_ino != opened.st_ino ||
            named.st_dev != opened.st_dev) {
            ::close(fd);
            continue;
        }
        if (truncate && opened.st_size != 0 && ::ftruncate(fd, 0) != 0) {
            const int error = errno;
            ::close(fd);
            return FileErrorCauseFromErrno(error);
        }
        m_fd = fd;
        m_path = path;
        return FileErrorCause::None;
    }
    return FileErrorCause::SharingViolation;
}

void CStoreFile::Close()
{
    m_memory.reset();
    m_memoryFiles = nullptr;
    if (m_fd >= 0) {
        ::close(m_fd); // also drops the lock
        m_fd = -1;
    }
}

void CStoreFile::Fail(int error) const
{
    throw CFileError(FileErrorCauseFromErrno(error), m_path);
}

uint64_t CStoreFile::Length() const
{
    if (m_memory)
        return m_memory->size();
    if (m_fd < 0)
        throw CFileError(FileErrorCause::InvalidHandle, m_path);
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0)
        Fail(errno);
    return static_cast<uint64_t>(info.st_size);
}

unsigned CStoreFile::Mode() const
{
    if (m_memory)
        return kOwnerOnly;
    if (m_fd < 0)
        throw CFileError(FileErrorCause::InvalidHandle, m_path);
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0)
        Fail(errno);
    return static_cast<unsigned>(info.st_mode & 07777);
}

size_t CStoreFile::ReadAt(uint64_t offset, void* buffer, size_t size) const
{
    if (m_memory) {
        if (offset >= m_memory->size())
            return 0;
        return m_memory->copy(static_cast<char*>(buffer), size, static_cast<size_t>(offset));
    }
    if (m_fd < 0)
        throw CFileError(FileErrorCause::InvalidHandle, m_path);
    if (const int injected = CFileFaults::Check(FileOp::Read, m_path))
        Fail(injected);
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(m_fd, out + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

void CStoreFile::WriteAt(uint64_t offset, const void* data, size_t size)
{
    if (m_memory) {
        if (offset + size > m_memory->size())
            m_memory->resize(static_cast<size_t>(offset + size));
        m_memory->replace(static_cast<size_t>(offset), size, static_cast<const char*>(data), size);
        m_memoryFiles->MarkDirty();
        return;
    }
    if (m_fd < 0)
        throw CFileError(FileErrorCause::InvalidHandle, m_path);
    if (const int injected = CFileFaults::Check(FileOp::Write, m_path))
        Fail(injected);
    const auto* in = static_cast<const char*>(data);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(m_fd, in + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        done += static_cast<size_t>(n);
    }
}

void CStoreFile::Truncate(uint64_t length)
{
    if (m_memory) {
        m_memory->resize(static_cast<size_t>(length));
        m_memoryFiles->MarkDirty();
        return;
    }
    if (m_fd < 0)
        throw CFileError(FileErrorCause::InvalidHandle, m_path);
    if (const int injected = CFileFaults::Check(FileOp::Truncate, m_path))
        Fail(injected);
    if (::ftruncate(m_fd, static_cast<off_t>(length)) != 0)
        Fail(errno);
}

void CStoreFile::Sync()
{
    if (m_memory)
        return;
    if (m_fd < 0)
        throw CFileError(FileErrorCause::InvalidHandle, m_path);
    if (const int injected = CFileFaults::Check(FileOp::Flush, m_path))
        Fail(injected);
    if (::fdatasync(m_fd) != 0)
        Fail(errno);
}

void CStoreFile::StartWriting(uint64_t offset, uint64_t length)
{
#ifdef SYNC_FILE_RANGE_WRITE
    if (m_fd >= 0)
        ::sync_file_range(m_fd, static_cast<off_t>(offset), static_cast<off_t>(length),
                          SYNC_FILE_RANGE_WRITE);
#else
    (void)offset;
    (void)length;
#endif
}

int CStoreFile::MoveTo(const std::string& path)
{
    const int error = RenameFile(m_path, path);
    if (error == 0)
        m_path = path;
    return error;
}

int RemoveFile(const std::string& path)
{
    if (CMemoryFiles* files = CMemoryFiles::Serving(path))
        return files->Remove(path);
    if (const int injected = CFileFaults::Check(FileOp::Remove, path))
        return injected;
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int RenameFile(const std::string& from, const std::string& to)
{
    CMemoryFiles* files = CMemoryFiles::Serving(from);
    if (files != CMemoryFiles::Serving(to))
        return EXDEV;
    if (files)
        return files->Rename(from, to);
    if (const int injected = CFileFaults::Check(FileOp::Rename, to))
        return injected;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool FileExists(const std::string& path)
{
    if (const CMemoryFiles* files = CMemoryFiles::Serving(path))
        return files->Find(path) != nullptr;
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0;
}

int SyncFolderOf(const std::string& path)
{
    if (CMemoryFiles::Serving(path))
        return 0;
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : path.substr(0, slash);
    if (const int injected = CFileFaults::Check(FileOp::Flush, folder))
        return injected;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int result = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        result = errno;
    ::close(fd);
    return result;
}
