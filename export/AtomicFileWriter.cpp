#include "export/AtomicFileWriter.h"

#include "store/FileError.h"
#include "store/FileFaults.h"
#include "store/StoreFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr size_t kBufferSize = 1 << 20;

} // namespace

CAtomicFileWriter::CAtomicFileWriter(std::string targetPath) : m_target(std::move(targetPath)) {}

CAtomicFileWriter::~CAtomicFileWriter()
{
    Discard();
}

void CAtomicFileWriter::Fail(int error)
{
    Discard();
    throw CFileError(FileErrorCauseFromErrno(error), m_target);
}

void CAtomicFileWriter::Open()
{
    Discard();
    if (m_target.empty())
        throw CFileError(FileErrorCause::BadPath, m_target);
    // A unique name made with O_EXCL: nothing found beside the target (an
    // older leftover, a link planted there) is ever written through.
    std::string name = m_target + ".tmp-XXXXXX";
    if (const int injected = CFileFaults::Check(FileOp::Open, name))
        Fail(injected);
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = ::mkostemp(buffer.data(), O_CLOEXEC); // mode 0600
    if (fd < 0)
        Fail(errno);
    m_fd = fd;
    m_temp.assign(buffer.data());
    m_buffer.reserve(kBufferSize);
}

void CAtomicFileWriter::Write(std::string_view bytes)
{
    if (m_fd < 0 || m_bFinished)
        throw CFileError(FileErrorCause::InvalidHandle, m_target);
    m_buffer.append(bytes);
    if (m_buffer.size() >= kBufferSize)
        FlushBuffer();
}

void CAtomicFileWriter::FlushBuffer()
{
    if (const int injected = CFileFaults::Check(FileOp::Write, m_temp))
        Fail(injected);
    const char* data = m_buffer.data();
    size_t left = m_buffer.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    m_buffer.clear();
}

void CAtomicFileWriter::Finish()
{
    if (m_bFinished)
        return;
    if (m_fd < 0)
        throw CFileError(FileErrorCause::InvalidHandle, m_target);
    FlushBuffer();
    if (const int injected = CFileFaults::Check(FileOp::Flush, m_temp))
        Fail(injected);
    if (::fsync(m_fd) != 0)
        Fail(errno);
    // Some file systems report a failed write only when the file is closed.
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        Fail(errno);
    m_bFinished = true;
}

void CAtomicFileWriter::Commit()
{
    Finish();
    if (const int error = RenameFile(m_temp, m_target))
        Fail(error);
    m_temp.clear();
    m_bFinished = false;
    SyncFolderOf(m_target);
}

void CAtomicFileWriter::Discard()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
    m_buffer.clear();
    m_bFinished = false;
}
