#include "stats/PrivateFile.h"

#include "store/FileFaults.h"
#include "store/StoreFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

PrivateFileResult Failed(int error, const std::string& path)
{
    return {FileErrorCauseFromErrno(error), path};
}

} // namespace

PrivateFileResult WritePrivateFile(const std::string& path, std::string_view bytes)
{
    const std::string temp = path + ".tmp";
    ::unlink(temp.c_str()); // a leftover of an earlier failure, or a link planted there
    int error = CFileFaults::Check(FileOp::Open, temp);
    const int fd = error != 0 ? -1
                              : ::open(temp.c_str(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return Failed(error != 0 ? error : errno, temp);
    }
    auto abandon = [&](int cause) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Failed(cause, temp);
    };
    size_t written = 0;
    while (written < bytes.size()) {
        if ((error = CFileFaults::Check(FileOp::Write, temp)) != 0) {
            return abandon(error);
        }
        const ssize_t step = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (step < 0 && errno != EINTR) {
            return abandon(errno);
        }
        written += step > 0 ? size_t(step) : 0;
    }
    if ((error = CFileFaults::Check(FileOp::Flush, temp)) != 0 || ::fsync(fd) != 0) {
        return abandon(error != 0 ? error : errno);
    }
    if (::close(fd) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        return Failed(error, temp);
    }
    if ((error = RenameFile(temp, path)) != 0) {
        ::unlink(temp.c_str());
        return Failed(error, path);
    }
    SyncFolderOf(path);
    return {};
}
