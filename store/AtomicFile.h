#pragma once
// The one way a whole file is written. The bytes go to a temporary file
// beside the target, created empty with the mode of the file it replaces
// (readable by its owner only when there is none, or always: NewMode), are
// flushed to the disk, and the temporary file is renamed over the target;
// then the folder is flushed. Until the rename the target is untouched; a failure at any step,
// or a writer destroyed before Commit(), removes the temporary file, so
// nothing is left behind. Every step answers with a FileResult; after a
// failure the writer keeps answering with it, so a caller may write piece by
// piece and look once at the end.
//
// The temporary file is opened the way the store opens its files (locked,
// never through a link planted at its name, served from memory for an
// encrypted diary's parts), and after Commit() its handle holds the new
// file, lock and all, for a caller that must keep other processes out.

#include "store/FileResult.h"
#include "store/StoreFile.h"

#include <string>
#include <string_view>

class CAtomicFile
{
public:
    enum class TempName
    {
        Beside, // "travel.ilm" -> "travel.ilm.tmp": the name the store finds again
        Unique  // "notes.md.tmp-Ab12Cd": for targets the user chose, so no file
                // of the user's beside them is ever overwritten
    };
    enum class NewMode
    {
        OfTarget, // the mode of the file replaced (the owner's alone when none)
        OwnerOnly // the owner's alone whatever the replaced file had
    };
    explicit CAtomicFile(std::string targetPath, TempName naming = TempName::Beside,
                         NewMode newMode = NewMode::OfTarget);
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // The store's temporary file for a live file.
    static std::string TempPathFor(const std::string& target) { return target + ".tmp"; }

    // Creates the temporary file, empty.
    FileResult Open();
    // Appends bytes (buffered).
    FileResult Write(std::string_view bytes);
    // Writes what is buffered and flushes the file to the disk: after it
    // only the rename is left.
    FileResult Finish();

    enum class OnFailure
    {
        Discard,      // a failed rename removes the temporary file
        KeepTemporary // it stays: a committed change someone finishes later
    };
    // Finish(), the rename over the target and the folder flush (a folder
    // that cannot be flushed only delays when the rename is durable).
    FileResult Commit(OnFailure onFailure = OnFailure::Discard);
    // Removes the temporary file; the target stays as it was.
    void Discard();
    // Leaves the finished temporary file where it is, for whoever finishes a
    // committed change that could not be finished now.
    void Keep();

    // After Commit(): the new file, still open and locked.
    CStoreFile TakeFile() { return std::move(m_file); }

    const std::string& TargetPath() const { return m_target; }
    const std::string& TempPath() const { return m_temp; }

    // Open, Write and Commit in one.
    static FileResult Replace(const std::string& target, std::string_view bytes,
                              TempName naming = TempName::Beside);

private:
    FileResult Fail(FileResult failure);
    FileResult Fail(FileErrorCause cause, const std::string& path);
    FileResult WriteOut(std::string_view bytes);
    FileResult OpenUnique(unsigned mode);

    std::string m_target;
    std::string m_temp;
    TempName m_naming;
    NewMode m_newMode;
    CStoreFile m_file;
    std::string m_buffer;
    uint64_t m_written = 0;
    bool m_bFinished = false;
    FileResult m_failure;
};
