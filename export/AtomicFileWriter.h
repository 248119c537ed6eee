#pragma once
// A file written whole or not at all: the bytes go to a new temporary file
// beside the target (readable by its owner only), which is flushed to the
// disk and then renamed over the target, and the folder flushed. Until
// Commit() succeeds the target is untouched; a writer destroyed before that
// removes its temporary file, so a cancelled or failed write leaves nothing.
// Every failure is raised as a CFileError naming the target.

#include <string>
#include <string_view>

class CAtomicFileWriter
{
public:
    explicit CAtomicFileWriter(std::string targetPath);
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    // Creates the temporary file.
    void Open();
    // Appends bytes (buffered).
    void Write(std::string_view bytes);
    // Writes what is buffered and flushes the file to the disk; after it
    // only the rename is left.
    void Finish();
    // Finish(), then puts the file in the target's place and flushes the folder.
    void Commit();
    // Removes the temporary file; the target stays as it was.
    void Discard();

    const std::string& TargetPath() const { return m_target; }

private:
    void FlushBuffer();
    [[noreturn]] void Fail(int error);

    std::string m_target;
    std::string m_temp;
    std::string m_buffer;
    int m_fd = -1;
    bool m_bFinished = false;
};
