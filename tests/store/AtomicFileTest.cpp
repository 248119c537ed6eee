// The one file writer, tested once through each of its users (the store's
// rewrites, every one at every step, in FailureInjectionTest): a new file is
// the owner's alone, a rewrite keeps the replaced file's mode, and a failure
// at any file step names the cause and the file and leaves the old file byte
// for byte and no temporary file; a crash there leaves the old or the new.

#include "store/AtomicFile.h"

#include "StoreTestSupport.h"
#include "store/DraftFile.h"
#include "store/DraftSealer.h"
#include "store/EncryptedDiaryFile.h"

#include <sys/stat.h>

using namespace storetest;

namespace {

using AtomicFileTest = StoreTest;

struct Writer
{
    const char* name;
    const char* file;
    // Replaces the target's text (the first call creates the file).
    std::function<FileResult(const std::string& target, const std::string& text)> write;
    // The text the target holds now; the bytes themselves by default.
    std::function<std::string(const std::string& target)> read = ReadFileBytes;
};

const EntryDraft kDraft{.writtenAt = 1, .time = 2, .rtf = "{\\rtf1 draft}"};

const Writer kWriters[] = {
    {"beside", "notes.txt",
     [](const std::string& target, const std::string& text) {
         return CAtomicFile::Replace(target, text);
     }},
    {"unique", "notes.txt",
     [](const std::string& target, const std::string& text) {
         return CAtomicFile::Replace(target, text, CAtomicFile::TempName::Unique);
     }},
    {"draft", "travel.ilm.draft",
     [](const std::string& target, const std::string& text) {
         EntryDraft draft = kDraft;
         draft.rtf = text;
         return CDraftFile(CDiaryName(target.substr(0, target.size() - 6)))
             .Write(draft, CTextCipherSealer("s"));
     },
     [](const std::string& target) {
         EntryDraft draft;
         CDraftFile(CDiaryName(target.substr(0, target.size() - 6)))
             .Read(draft, CTextCipherSealer("s"));
         return draft.rtf;
     }},
    {"encrypted commit", "travel.dayloom",
     [](const std::string& target, const std::string& text) {
         CEncryptedDiaryFile file(target);
         const CFileFaults::Hook hook = CFileFaults::Install({}); // opening is not writing
         const EncryptedResult opened =
             Exists(target) ? file.Open("pw") : file.Create("pw", KdfParams::Cheapest());
         CFileFaults::Install(hook);
         EXPECT_TRUE(opened.ok());
         file.Parts()[DiaryPart::Texts] = text;
         const EncryptedResult result = file.Commit();
         return FileResult{result.cause, result.ok() ? std::string() : target};
     },
     [](const std::string& target) {
         CEncryptedDiaryFile file(target);
         return file.Open("pw").ok() ? file.Parts()[DiaryPart::Texts] : std::string("<damaged>");
     }},
};

TEST_F(AtomicFileTest, EveryWriterFailsOrDiesAtEveryStepLeavingTheOldFile)
{
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        ClearDir();
        const std::string target = Diary(writer.file);
        ::umask(022);
        ASSERT_TRUE(writer.write(target, "old").ok());
        EXPECT_EQ(std::filesystem::status(target).permissions(),
                  std::filesystem::perms(0600)); // a new file: the owner's alone
        ::chmod(target.c_str(), 0640);           // the user's mode: a rewrite keeps it

        // The steps of a good write, in order: the temporary file is flushed
        // before it is renamed, the folder after.
        std::vector<std::pair<FileOp, std::string>> steps;
        CFileFaults::Install([&](FileOp op, const std::string& path) {
            if (op != FileOp::Read)
                steps.emplace_back(op, path);
            return 0;
        });
        ASSERT_TRUE(writer.write(target, "new").ok());
        CFileFaults::Install({});
        EXPECT_EQ(writer.read(target), "new");
        EXPECT_EQ(std::filesystem::status(target).permissions(),
                  std::filesystem::perms(0640)); // the mode of the file replaced
        EXPECT_EQ(FolderFiles().size(), 1u) << "nothing left beside the target";
        const auto rename = std::find_if(steps.begin(), steps.end(),
                                         [](const auto& s) { return s.first == FileOp::Rename; });
        ASSERT_NE(rename, steps.end());
        EXPECT_EQ(rename->second, target);
        EXPECT_EQ(std::prev(rename)->first, FileOp::Flush);
        EXPECT_EQ(steps.back(), std::pair(FileOp::Flush, Dir()));
        // More than the writer buffers, after what it buffered (a header).
        const std::string large(3 << 19, 'L');
        ASSERT_TRUE(writer.write(target, large).ok());
        EXPECT_TRUE(writer.read(target) == large) << "a large text comes back whole";

        // Each step but the folder flush fails in turn, then kills the writer.
        for (size_t k = 0; k + 1 < steps.size(); ++k) {
            SCOPED_TRACE("step " + std::to_string(k));
            for (const auto& [error, cause] :
                 {std::pair(ENOSPC, FileErrorCause::DiskFull), {EIO, FileErrorCause::HardIO}}) {
                ASSERT_TRUE(writer.write(target, "old").ok());
                const std::string before = ReadFileBytes(target);
                size_t seen = 0;
                CFileFaults::Install([&, error = error](FileOp op, const std::string&) {
                    return op != FileOp::Read && seen++ == k ? error : 0;
                });
                const FileResult result = writer.write(target, "new");
                CFileFaults::Install({});
                EXPECT_EQ(result, (FileResult{cause, target}));
                EXPECT_EQ(ReadFileBytes(target), before);
                EXPECT_EQ(FolderFiles().size(), 1u) << "nothing left beside the target";
            }
            InChild([&] {
                size_t seen = 0;
                CFileFaults::Install([&](FileOp op, const std::string&) {
                    return op != FileOp::Read && seen++ == k ? (_exit(0), 0) : 0;
                });
                writer.write(target, "new");
                return 0;
            });
            const std::string state = writer.read(target);
            EXPECT_TRUE(state == "old" || state == "new") << state;
            // The next write goes through, over anything the crash left.
            ASSERT_TRUE(writer.write(target, "next").ok());
            ClearDir(); // a unique name the crash left
            ASSERT_TRUE(writer.write(target, "old").ok());
            ::chmod(target.c_str(), 0640);
        }
    }
}

} // namespace
