#pragma once
// File errors: why a file operation failed, and the message the user sees.

#include <stdexcept>
#include <string>

enum class FileErrorCause
{
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidHandle,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    // The diary's texts would grow past the 4 GB its records can address.
    BeyondFormat,
};

// The user's message for a cause, with the file's full path in it
// ("Access to /home/ann/diary.ilm was denied.").
std::string FileErrorMessage(FileErrorCause cause, const std::string& path);

// Maps an errno value to its cause.
FileErrorCause FileErrorCauseFromErrno(int error);

// Raised by failing seeks, writes, flushes and outright reads; the command
// that started the work catches it and shows what() (the table's message).
class CFileError : public std::runtime_error
{
public:
    CFileError(FileErrorCause cause, std::string path);

    FileErrorCause cause() const { return m_cause; }
    const std::string& path() const { return m_path; }

private:
    FileErrorCause m_cause;
    std::string m_path;
};
