#pragma once
// How a file step ended: the cause of a failure and the file it concerns, or
// success. Writers hand it up to the command that started them, which shows
// it once (FileErrorMessage) or passes it on.

#include "store/FileError.h"

#include <string>
#include <utility>

struct FileResult
{
    FileErrorCause cause = FileErrorCause::None;
    std::string path;

    bool ok() const { return cause == FileErrorCause::None; }
    // The user's message: "Disk full while accessing /home/ann/travel.ilm.".
    std::string Message() const { return FileErrorMessage(cause, path); }

    static FileResult FromErrno(int error, std::string path)
    {
        return {FileErrorCauseFromErrno(error), std::move(path)};
    }
    static FileResult From(const CFileError& error) { return {error.cause(), error.path()}; }
    bool operator==(const FileResult&) const = default;
};
