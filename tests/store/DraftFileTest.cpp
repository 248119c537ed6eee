// The editor's draft file: its bytes, its protection, its rewrite (the one
// file writer's table has its mode and failures), and drafts that cannot be read.
#include "store/DraftFile.h"

#include "StoreTestSupport.h"
#include "store/DraftSealer.h"

using namespace storetest;

namespace {

const EntryDraft kSample{.writtenAt = 1710489907,
                         .editing = true,
                         .editedIndex = 3,
                         .editedTime = 1710400000,
                         .editedTextOffset = 512,
                         .time = 1710489907,
                         .mood = -2,
                         .fatigue = -1,
                         .shape = -3,
                         .dream = 2,
                         .copulation = true,
                         .weight = "72",
                         .temperature = "36,6",
                         .rtf = "{\\rtf1 Dear diary}"};

const CTextCipherSealer kSealer{"secret"};

using DraftFileTest = StoreTest;

TEST_F(DraftFileTest, BytesAreTheHeaderAndThePayloadUnderTheDiaryTextCipher)
{
    const std::string plain = "draft:1:1\nwritten:10:1710489907\nediting:1:1\nindex:1:3\n"
                              "editedTime:10:1710400000\neditedOffset:3:512\ntime:10:1710489907\n"
                              "mood:2:-2\nfatigue:2:-1\nshape:2:-3\ndream:1:2\ncopulation:1:1\n"
                              "menstruus:1:0\nweight:2:72\ntemperature:4:36,6\n"
                              "rtf:18:{\\rtf1 Dear diary}\n";
    const std::optional<std::string> bytes = CDraftFile::Encode(kSample, kSealer);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(bytes->size(), 20 + plain.size());
    EXPECT_EQ(bytes->substr(0, 16), "DLDRAFT1" + U32(1) + U32(uint32_t(plain.size())));
    EXPECT_EQ(bytes->substr(20), Encrypted(plain, KeyOf("secret")));
    EXPECT_EQ(CDraftFile::Decode(*bytes, kSealer), kSample);
}

TEST_F(DraftFileTest, NothingIsWrittenThatTheCipherWouldLeaveReadable)
{
    // No password, or one whose bytes sum to 256 (text key 0).
    for (const std::string& password : {std::string(), std::string("\x80\x80")}) {
        EXPECT_EQ(CDraftFile(CDiaryName(Diary())).Write(kSample, CTextCipherSealer(password)).cause,
                  FileErrorCause::AccessDenied);
        EXPECT_FALSE(CDraftFile(CDiaryName(Diary())).Exists());
    }
}

TEST_F(DraftFileTest, ReadBackRemovedAndDamagedAlteredOrForeignOnesKeptAside)
{
    const CDraftFile file{CDiaryName(Diary())};
    EntryDraft draft;
    EXPECT_EQ(file.Read(draft, kSealer), CDraftFile::ReadResult::Missing);
    ASSERT_TRUE(file.Write(kSample, kSealer).ok());
    ASSERT_EQ(file.Read(draft, kSealer), CDraftFile::ReadResult::Ok);
    EXPECT_EQ(draft, kSample);
    EXPECT_EQ(file.Remove(), 0);
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(file.Remove(), 0); // already gone

    ASSERT_TRUE(file.Write(kSample, kSealer).ok());
    const std::string good = ReadFileBytes(file.Path());
    std::vector<std::string> bad = {"", good.substr(0, 19), good.substr(0, good.size() - 1),
                                    good + "x"};
    for (const size_t at :
         {size_t{0}, size_t{8}, size_t{12}, size_t{16}, size_t{20}, good.size() - 2})
        bad.push_back(good.substr(0, at) + char(good[at] ^ 0x01) + good.substr(at + 1));
    for (size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(CDraftFile::Decode(bad[i], kSealer).has_value()) << i;
    // Sealed under another password (changed since): not a draft of ours.
    EXPECT_FALSE(CDraftFile::Decode(good, CTextCipherSealer("other")).has_value());

    WriteFileBytes(file.Path(), bad[4]);
    EXPECT_EQ(file.Read(draft, kSealer), CDraftFile::ReadResult::Damaged);
    EXPECT_EQ(file.KeepAside(), Diary() + ".draft.damaged");
    WriteFileBytes(file.Path(), bad[5]);
    EXPECT_EQ(file.KeepAside(), Diary() + ".draft.damaged-2"); // the first one stays
    EXPECT_EQ(ReadFileBytes(Diary() + ".draft.damaged"), bad[4]);
    EXPECT_FALSE(file.Exists());
}

} // namespace
