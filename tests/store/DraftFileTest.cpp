// The editor's draft file: its bytes, its protection, its atomic rewrite
// with every step failing in turn, and drafts that cannot be read.
#include "store/DraftFile.h"

#include "store/DiarySession.h"
#include "store/DraftSealer.h"
#include "store/FileFaults.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// "secret" sums to 646: the text key is 646 % 256 = 134.
constexpr unsigned char kKey = 134;

EntryDraft Sample()
{
    EntryDraft d;
    d.writtenAt = 1710489907;
    d.editing = true;
    d.editedIndex = 3;
    d.editedTime = 1710400000;
    d.editedTextOffset = 512;
    d.time = 1710489907;
    d.mood = -2;
    d.fatigue = -1;
    d.shape = -3;
    d.dream = 2;
    d.copulation = true;
    d.weight = "72";
    d.temperature = "36,6";
    d.rtf = "{\\rtf1 Dear diary}";
    return d;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class DraftFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("draft-test-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        CFileFaults::Install({});
        fs::remove_all(m_dir);
    }

    std::string Diary() const { return (m_dir / "travel.ilm").string(); }

    fs::path m_dir;
    CTextCipherSealer m_sealer{"secret"};
};

TEST_F(DraftFileTest, BytesAreTheHeaderAndThePayloadUnderTheDiaryTextCipher)
{
    const std::string plain = "draft:1:1\nwritten:10:1710489907\nediting:1:1\nindex:1:3\n"
                              "editedTime:10:1710400000\neditedOffset:3:512\ntime:10:1710489907\n"
                              "mood:2:-2\nfatigue:2:-1\nshape:2:-3\ndream:1:2\ncopulation:1:1\n"
                              "menstruus:1:0\nweight:2:72\ntemperature:4:36,6\n"
                              "rtf:18:{\\rtf1 Dear diary}\n";
    const std::optional<std::string> bytes = CDraftFile::Encode(Sample(), m_sealer);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(bytes->size(), 20 + plain.size());
    EXPECT_EQ(bytes->substr(0, 8), "DLDRAFT1");
    EXPECT_EQ(bytes->substr(8, 8), std::string("\x01\0\0\0", 4) +
                                       std::string(1, static_cast<char>(plain.size())) +
                                       std::string(3, '\0'));
    for (size_t i = 0; i < plain.size(); ++i) {
        const unsigned char p = static_cast<unsigned char>(plain[i]);
        const unsigned char expected = p == kKey ? p : static_cast<unsigned char>(p ^ kKey);
        ASSERT_EQ(static_cast<unsigned char>((*bytes)[20 + i]), expected) << i;
    }
    EXPECT_EQ(bytes->find("Dear diary"), std::string::npos);
    EXPECT_EQ(CDraftFile::Decode(*bytes, m_sealer), Sample());
}

TEST_F(DraftFileTest, WrittenOwnerOnlyAndReadBackWithoutLeftovers)
{
    ::umask(022);
    const CDraftFile file(Diary());
    EXPECT_EQ(file.Path(), Diary() + ".draft");
    EntryDraft missing;
    EXPECT_EQ(file.Read(missing, m_sealer), CDraftFile::ReadResult::Missing);
    ASSERT_EQ(file.Write(Sample(), m_sealer), 0);
    EntryDraft draft = Sample();
    draft.rtf = "{\\rtf1 second}";
    ASSERT_EQ(file.Write(draft, m_sealer), 0); // over the first one
    struct stat info
    {
    };
    ASSERT_EQ(::stat(file.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_FALSE(fs::exists(file.Path() + ".tmp"));
    EntryDraft back;
    ASSERT_EQ(file.Read(back, m_sealer), CDraftFile::ReadResult::Ok);
    EXPECT_EQ(back, draft);
    EXPECT_EQ(file.Remove(), 0);
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(file.Remove(), 0); // already gone
}

TEST_F(DraftFileTest, EveryFailingStepLeavesThePreviousDraftAndNoTemporaryFile)
{
    const CDraftFile file(Diary());
    ASSERT_EQ(file.Write(Sample(), m_sealer), 0);
    const std::string before = ReadFile(file.Path());
    EntryDraft changed = Sample();
    changed.rtf = "{\\rtf1 lost}";
    for (const FileOp failing : {FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        CFileFaults::Install([failing](FileOp op, const std::string& path) {
            return op == failing && path.find(".draft") != std::string::npos ? ENOSPC : 0;
        });
        EXPECT_EQ(file.Write(changed, m_sealer), ENOSPC);
        EXPECT_EQ(ReadFile(file.Path()), before);
        EXPECT_FALSE(fs::exists(file.Path() + ".tmp"));
    }
    // The folder flush comes after the rename: the new draft is in place.
    CFileFaults::Install([](FileOp op, const std::string& path) {
        return op == FileOp::Flush && path.find(".draft") == std::string::npos ? EIO : 0;
    });
    EXPECT_EQ(file.Write(changed, m_sealer), EIO);
    EXPECT_NE(ReadFile(file.Path()), before);
}

TEST_F(DraftFileTest, NothingIsWrittenThatTheCipherWouldLeaveReadable)
{
    // No password, or one whose bytes sum to 256 (text key 0).
    for (const std::string& password : {std::string(), std::string("\x80\x80")}) {
        EXPECT_EQ(CDraftFile(Diary()).Write(Sample(), CTextCipherSealer(password)), EPERM);
        EXPECT_FALSE(CDraftFile(Diary()).Exists());
    }
    // The encrypted form has no draft sealing yet: no draft at all.
    CDiarySession encrypted((m_dir / "travel.dayloom").string(), 0);
    encrypted.SetPassword("secret");
    EXPECT_EQ(CDraftSealer::ForSession(encrypted), nullptr);
    CDiarySession fourFiles(Diary(), static_cast<uint16_t>(Diary().size() - 3));
    fourFiles.SetPassword("secret");
    ASSERT_NE(CDraftSealer::ForSession(fourFiles), nullptr);
}

TEST_F(DraftFileTest, DamagedAlteredOrForeignDraftsAreRefusedAndKeptAside)
{
    const CDraftFile file(Diary());
    ASSERT_EQ(file.Write(Sample(), m_sealer), 0);
    const std::string good = ReadFile(file.Path());
    std::vector<std::string> bad = {"", good.substr(0, 19), good.substr(0, good.size() - 1),
                                    good + "x"};
    for (const size_t at :
         {size_t{0}, size_t{8}, size_t{12}, size_t{16}, size_t{20}, good.size() - 2}) {
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x01);
        bad.push_back(flipped);
    }
    for (size_t i = 0; i < bad.size(); ++i) {
        EXPECT_FALSE(CDraftFile::Decode(bad[i], m_sealer).has_value()) << i;
    }
    // Sealed under another password (changed since): not a draft of ours.
    EXPECT_FALSE(CDraftFile::Decode(good, CTextCipherSealer("other")).has_value());

    WriteFile(file.Path(), bad[4]);
    EntryDraft draft;
    EXPECT_EQ(file.Read(draft, m_sealer), CDraftFile::ReadResult::Damaged);
    EXPECT_EQ(file.KeepAside(), Diary() + ".draft.damaged");
    WriteFile(file.Path(), bad[5]);
    EXPECT_EQ(file.KeepAside(), Diary() + ".draft.damaged-2"); // the first one stays
    EXPECT_EQ(ReadFile(Diary() + ".draft.damaged"), bad[4]);
    EXPECT_FALSE(file.Exists());
}

} // namespace
