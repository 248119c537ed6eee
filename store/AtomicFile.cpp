#include "store/AtomicFile.h"

#include "store/MemoryFiles.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kBufferSize = 1 << 20;

// The mode the new file gets: the replaced file's, or the owner's alone.
unsigned ModeFor(const std::string& target)
{
    if (CMemoryFiles::Serving(target))
        return CStoreFile::kOwnerOnly;
    struct stat live
    {
    };
    if (::stat(target.c_str(), &live) != 0 || !S_ISREG(live.st_mode))
        return CStoreFile::kOwnerOnly;
    return static_cast<unsigned>(live.st_mode & 0777);
}

} // namespace

CAtomicFile::CAtomicFile(std::string targetPath, TempName naming, NewMode newMode)
    : m_target(std::move(targetPath)), m_naming(naming), m_newMode(newMode)
{
}

CAtomicFile::~CAtomicFile()
{
    Discard();
}

FileResult CAtomicFile::Fail(FileResult failure)
{
    Discard();
    m_failure = std::move(failure);
    return m_failure;
}

FileResult CAtomicFile::Fail(FileErrorCause cause, const std::string& path)
{
    return Fail(FileResult{cause, path});
}

FileResult CAtomicFile::Open()
{
    Discard();
    m_failure = {};
    if (m_target.empty())
        return Fail(FileErrorCause::BadPath, m_target);
    const unsigned mode =
        m_newMode == NewMode::OwnerOnly ? CStoreFile::kOwnerOnly : ModeFor(m_target);
    if (m_naming == TempName::Unique)
        return OpenUnique(mode);
    m_temp = TempPathFor(m_target);
    if (const FileErrorCause cause = m_file.Open(m_temp, true, mode);
        cause != FileErrorCause::None) {
        // Whatever is at the name may be another process's temporary file:
        // it stays.
        m_temp.clear();
        return Fail(cause, m_target);
    }
    m_buffer.reserve(kBufferSize);
    return {};
}

FileResult CAtomicFile::OpenUnique(unsigned mode)
{
    // The name is made with O_EXCL, so nothing found beside the target (an
    // older leftover, a link planted there) is ever written through; then it
    // is opened as the store opens its own temporary files.
    std::string pattern = m_target + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(FileResult::FromErrno(errno, m_target));
    ::close(fd);
    m_temp.assign(name.data());
    if (const FileErrorCause cause = m_file.Open(m_temp, true, mode); cause != FileErrorCause::None)
        return Fail(cause, m_target);
    m_buffer.reserve(kBufferSize);
    return {};
}

FileResult CAtomicFile::Write(std::string_view bytes)
{
    if (!m_failure.ok())
        return m_failure;
    if (!m_file.IsOpen() || m_bFinished)
        return Fail(FileErrorCause::InvalidHandle, m_target);
    if (m_buffer.size() + bytes.size() < kBufferSize) {
        m_buffer.append(bytes);
        return {};
    }
    // Large pieces go to the file as they are, without a copy.
    if (FileResult written = WriteOut(m_buffer); !written.ok())
        return written;
    m_buffer.clear();
    return WriteOut(bytes);
}

FileResult CAtomicFile::WriteOut(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    try {
        m_file.WriteAt(m_written, bytes.data(), bytes.size());
    } catch (const CFileError& error) {
        return Fail(error.cause(), m_target);
    }
    // The disk writes while the caller makes the next bytes.
    m_file.StartWriting(m_written, bytes.size());
    m_written += bytes.size();
    return {};
}

FileResult CAtomicFile::Finish()
{
    if (!m_failure.ok() || m_bFinished)
        return m_failure;
    if (!m_file.IsOpen())
        return Fail(FileErrorCause::InvalidHandle, m_target);
    if (FileResult written = WriteOut(m_buffer); !written.ok())
        return written;
    m_buffer.clear();
    try {
        m_file.Sync();
    } catch (const CFileError& error) {
        return Fail(error.cause(), m_target);
    }
    m_bFinished = true;
    return {};
}

FileResult CAtomicFile::Commit(OnFailure onFailure)
{
    if (FileResult finished = Finish(); !finished.ok())
        return finished;
    if (const int error = m_file.MoveTo(m_target)) {
        if (onFailure == OnFailure::KeepTemporary)
            Keep();
        return Fail(FileResult::FromErrno(error, m_target));
    }
    m_temp.clear();
    SyncFolderOf(m_target);
    return {};
}

void CAtomicFile::Keep()
{
    m_file.Close();
    m_temp.clear();
}

void CAtomicFile::Discard()
{
    m_file.Close();
    if (!m_temp.empty())
        RemoveFile(m_temp);
    m_temp.clear();
    m_buffer.clear();
    m_written = 0;
    m_bFinished = false;
}

FileResult CAtomicFile::Replace(const std::string& target, std::string_view bytes, TempName naming)
{
    CAtomicFile file(target, naming);
    FileResult result = file.Open();
    if (result.ok())
        result = file.Write(bytes);
    return result.ok() ? file.Commit() : result;
}
