#include "store/FileError.h"

#include <cerrno>

namespace {

std::string Fill(const char* pattern, const std::string& path)
{
    std::string text(pattern);
    const auto at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, path);
    return text;
}

} // namespace

std::string FileErrorMessage(FileErrorCause cause, const std::string& path)
{
    switch (cause) {
    case FileErrorCause::None:
        return "No error occurred.";
    case FileErrorCause::Generic:
        break;
    case FileErrorCause::FileNotFound:
        return Fill("%1 was not found.", path);
    case FileErrorCause::BadPath:
        return Fill("%1 contains an invalid path.", path);
    case FileErrorCause::TooManyOpenFiles:
        return Fill("%1 could not be opened because there are too many open files.", path);
    case FileErrorCause::AccessDenied:
        return Fill("Access to %1 was denied.", path);
    case FileErrorCause::InvalidHandle:
        return Fill("An invalid file handle was associated with %1.", path);
    case FileErrorCause::RemoveCurrentDir:
        return Fill("%1 could not be removed because it is the current directory.", path);
    case FileErrorCause::DirectoryFull:
        return Fill("%1 could not be created because the directory is full.", path);
    case FileErrorCause::BadSeek:
        return Fill("Seek failed on %1", path);
    case FileErrorCause::HardIO:
        return Fill("A hardware I/O error was reported while accessing %1.", path);
    case FileErrorCause::SharingViolation:
        return Fill("A sharing violation occurred while accessing %1.", path);
    case FileErrorCause::LockViolation:
        return Fill("A locking violation occurred while accessing %1.", path);
    case FileErrorCause::DiskFull:
        return Fill("Disk full while accessing %1.", path);
    case FileErrorCause::EndOfFile:
        return Fill("An attempt was made to access %1 past its end.", path);
    case FileErrorCause::BeyondFormat:
        return Fill("%1 would grow past the 4 GB a diary's texts can take, so this was not "
                    "saved. Start a new diary for the years to come.",
                    path);
    }
    return Fill("An unknown error occurred while accessing %1.", path);
}

FileErrorCause FileErrorCauseFromErrno(int error)
{
    switch (error) {
    case 0:
        return FileErrorCause::None;
    case ENOENT:
        return FileErrorCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE:
        return FileErrorCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return FileErrorCause::AccessDenied;
    case EBADF:
        return FileErrorCause::InvalidHandle;
    case EBUSY:
        return FileErrorCause::RemoveCurrentDir;
    case EMLINK:
        return FileErrorCause::DirectoryFull;
    case ESPIPE:
    case EOVERFLOW:
        return FileErrorCause::BadSeek;
    case EIO:
        return FileErrorCause::HardIO;
    case EWOULDBLOCK:
        return FileErrorCause::SharingViolation;
    case ENOLCK:
    case EDEADLK:
        return FileErrorCause::LockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileErrorCause::DiskFull;
    default:
        return FileErrorCause::Generic;
    }
}

CFileError::CFileError(FileErrorCause cause, std::string path)
    : std::runtime_error(FileErrorMessage(cause, path)), m_cause(cause), m_path(std::move(path))
{
}
