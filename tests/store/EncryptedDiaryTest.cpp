// The encrypted diary file: round trips, golden files, damage told apart from
// a wrong password, forged headers (failing commits: the file writer's table).

#include "StoreTestSupport.h"
#include "store/EncryptedDiaryFile.h"
#include "store/ScriptTexts.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <sodium.h>

// A damaged file must never make the reader ask for more than its size.
namespace {
std::atomic<bool> g_trackAllocations{false};
std::atomic<size_t> g_largestAllocation{0};
} // namespace

// The other forms of new and delete (nothrow, arrays) call these.
void* operator new(size_t size)
{
    if (g_trackAllocations && size > g_largestAllocation)
        g_largestAllocation = size;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

using namespace storetest;
using namespace encrypted;

namespace {

constexpr const char* kPassword = "correct horse";

DiaryParts SampleParts(const std::string& text = "{\\rtf1 Met Anna at the lake}")
{
    DiaryParts parts;
    parts[DiaryPart::Index] = std::string("index\0record\xB4", 13);
    parts[DiaryPart::Texts] = text;
    parts[DiaryPart::Reminders] = "Call the dentist 12/05/2026";
    parts[DiaryPart::Planner] = ""; // an empty part is sealed like the others
    return parts;
}

// The header of the files written now: version 3 with the diary's four parts.
constexpr size_t kCurrentHeader = V3HeaderSize(kDiaryPartCount);

// Recomputes the checksum of a header edited on purpose, as a forger would.
void Reseal(std::string& file, size_t headerLength = kCurrentHeader)
{
    auto* p = reinterpret_cast<unsigned char*>(file.data());
    crypto_generichash(p + headerLength - kChecksumSize, kChecksumSize, p,
                       headerLength - kChecksumSize, nullptr, 0);
}

std::string Golden(const char* name)
{
    return ReadFileBytes(std::string(DAYLOOM_SOURCE_DIR) + "/tests/data/store/" + name);
}

// The password of the version 3 golden file, "gölden passwörd" in UTF-8.
const std::string kGoldenUtf8 = "g\xC3\xB6lden passw\xC3\xB6rd";

// The diary parts every golden file holds.
const std::array<std::string, kDiaryPartCount> kGoldenParts = {
    std::string("index\0bytes\xFF\x01", 13), "{\\rtf1 A golden entry.}", "", "Plan: tea"};

class EncryptedDiary : public StoreTest
{
protected:
    std::string Path() const { return Diary("travel.dayloom"); }

    void Write(const DiaryParts& parts, const std::string& password = kPassword,
               uint32_t chunkSize = kChunkSize)
    {
        CEncryptedDiaryFile file(Path());
        ASSERT_TRUE(file.Create(password, KdfParams::Cheapest(), chunkSize).ok());
        file.Parts() = parts;
        ASSERT_TRUE(file.Commit().ok());
    }

    EncryptedStatus StatusOf(std::string_view bytes, const Passphrase& password = kPassword)
    {
        CEncryptedDiaryFile file(Path());
        return file.Unlock(bytes, password).status;
    }
};

TEST_F(EncryptedDiary, RoundTripPasswordChangeWithANewDataKeyAndNoPlaintext)
{
    Write(SampleParts());
    const std::string before = ReadFileBytes(Path());
    CEncryptedDiaryFile file(Path());
    ASSERT_TRUE(file.Open(kPassword).ok());
    EXPECT_EQ(file.Parts(), SampleParts());
    EXPECT_EQ(file.Params(), KdfParams::Cheapest());
    EXPECT_FALSE(file.DataKeyBuffer().IsZero());

    ASSERT_TRUE(file.ChangePassword("new secret", KdfParams{2, 16 << 10}).ok());
    // Parts of many chunks are opened and sealed on several threads; a
    // flipped byte deep inside one is still found.
    std::string big(3 * kChunkSize + 12345, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>('a' + i * 7 % 26);
    file.Parts()[DiaryPart::Texts] = big;
    ASSERT_TRUE(file.Commit().ok());
    CEncryptedDiaryFile large(Path());
    ASSERT_TRUE(large.Open("new secret").ok());
    EXPECT_EQ(large.Parts()[DiaryPart::Texts], big);
    std::string flipped = ReadFileBytes(Path());
    flipped[kCurrentHeader + 29 + 2 * kChunkSize + 77] ^= 0x04;
    EXPECT_EQ(StatusOf(flipped, "new secret"), EncryptedStatus::Damaged);
    file.Parts()[DiaryPart::Texts] = "{\\rtf1 Second thoughts}";
    ASSERT_TRUE(file.Commit().ok());
    file.Close();
    EXPECT_TRUE(file.DataKeyBuffer().IsZero());
    EXPECT_TRUE(file.Parts()[DiaryPart::Texts].empty());

    EXPECT_EQ(StatusOf(ReadFileBytes(Path())), EncryptedStatus::WrongPassword);
    CEncryptedDiaryFile reopened(Path());
    ASSERT_TRUE(reopened.Open("new secret").ok());
    EXPECT_EQ(reopened.Parts(), SampleParts("{\\rtf1 Second thoughts}"));
    EXPECT_EQ(reopened.Params(), (KdfParams{2, 16 << 10}));
    // Whoever kept the old file and its password puts its key fields into
    // the newer file: the old data key opens the wrapping, never the parts.
    std::string spliced = ReadFileBytes(Path());
    spliced.replace(kSaltAt, kCommitIdAt - kSaltAt, before, kSaltAt, kCommitIdAt - kSaltAt);
    Reseal(spliced);
    EXPECT_EQ(StatusOf(spliced), EncryptedStatus::Damaged);
    EXPECT_EQ(StatusOf(before), EncryptedStatus::Ok) << "the old copy itself opens";

    for (const auto& [name, bytes] : FolderFiles())
        for (const std::string plain :
             {"Anna", "Second", "dentist", "12/05/2026", "index", "correct horse", "new secret"})
            EXPECT_EQ(bytes.find(plain), std::string::npos) << name << ": " << plain;

    EXPECT_EQ(CEncryptedDiaryFile(Diary("absent.dayloom")).Open(kPassword).cause,
              FileErrorCause::FileNotFound);
    EXPECT_FALSE(Exists(Diary("absent.dayloom")));
}

TEST_F(EncryptedDiary, GoldenFilesOfEveryVersionOpenKeepTheirLayoutAndTheirLaterParts)
{
    // Version 1 seals each part whole; 2 and 3 the texts in two 16-byte chunks;
    // 3 keys from UTF-8 (NFC) and holds a fifth part of an unknown kind.
    ASSERT_EQ(V3HeaderSize(5), 368u);
    for (const auto& [name, start, size, password] :
         {std::tuple{"golden.dayloom", std::string("\x01\x02\x38\x01\0\0\0\0", 8),
                     kHeaderSize + 4 * kTagSize, Passphrase("golden password")},
          std::tuple{"golden-v2.dayloom", std::string("\x02\x02\x38\x01\x10\0\0\0", 8),
                     kHeaderSize + 5 * kTagSize, Passphrase("golden password")},
          std::tuple{"golden-v3.dayloom", std::string("\x03\x02\x70\x01\x10\0\0\0", 8),
                     V3HeaderSize(5) + 6 * kTagSize + 14, Passphrase(kGoldenUtf8, std::nullopt)}}) {
        SCOPED_TRACE(name);
        const std::string bytes = Golden(name);
        ASSERT_EQ(bytes.size(), size + 13 + 23 + 0 + 9);
        EXPECT_EQ(bytes.substr(0, 16), std::string("\211DLM\r\n\032\n") + start);
        CEncryptedDiaryFile opened(Path());
        ASSERT_TRUE(opened.Unlock(bytes, password).ok());
        EXPECT_EQ(opened.Parts().bytes, kGoldenParts);
        EXPECT_EQ(StatusOf(bytes, "golden passwore"), EncryptedStatus::WrongPassword);
    }

    // Version 1 is still written, and made version 3 by a password change.
    const std::string golden = Golden("golden.dayloom");
    EXPECT_EQ(golden.substr(kOpsAt, 16), std::string("\x01\0\0\0\0\0\0\0\0\x20\0\0\0\0\0\0", 16));

    WriteFileBytes(Path(), golden);
    CEncryptedDiaryFile file(Path());
    ASSERT_TRUE(file.Open("golden password").ok());
    ASSERT_TRUE(file.Commit().ok());
    EXPECT_EQ(ReadFileBytes(Path())[kVersionAt], 1);
    CEncryptedDiaryFile reread(Path());
    ASSERT_TRUE(reread.Open("golden password").ok());
    EXPECT_EQ(reread.Parts(), file.Parts());
    ASSERT_TRUE(reread.ChangePassword("golden password", KdfParams::Cheapest()).ok());
    EXPECT_EQ(ReadFileBytes(Path()).substr(kVersionAt, 8),
              std::string("\x03\x02\x4C\x01\0\0\x04\0", 8));
    CEncryptedDiaryFile changed(Path());
    ASSERT_TRUE(changed.Open("golden password").ok());
    EXPECT_EQ(changed.Parts(), file.Parts());

    // Version 3's part table, its later part carried along, and tables forged.
    const std::string v3 = Golden("golden-v3.dayloom");
    EXPECT_EQ(v3.substr(kPartCountAt, 4), std::string("\x05\0\0\0", 4));
    for (uint32_t i = 0; i < 5; ++i)
        EXPECT_EQ(static_cast<unsigned char>(v3[kV3PartTableAt + i * kV3PartEntrySize]),
                  i < 4 ? i + 1 : 9);
    EXPECT_EQ(StatusOf(v3, Passphrase("g\xF6lden passw\xF6rd", "g\xF6lden passw\xF6rd")),
              EncryptedStatus::WrongPassword)
        << "version 3 derives from UTF-8, never from Windows-1252";

    WriteFileBytes(Path(), v3);
    CEncryptedDiaryFile later(Path());
    ASSERT_TRUE(later.Open(Passphrase(kGoldenUtf8, std::nullopt)).ok());
    ASSERT_EQ(later.OtherParts().size(), 1u);
    EXPECT_EQ(later.OtherParts()[0].kind, 9u);
    EXPECT_EQ(later.OtherParts()[0].bytes, std::string("a later kind\n\0", 14));
    // A commit and a password change carry the later part along.
    later.Parts()[DiaryPart::Planner] = "Plan: coffee";
    ASSERT_TRUE(later.Commit().ok());
    ASSERT_TRUE(later.ChangePassword("other", KdfParams::Cheapest()).ok());
    CEncryptedDiaryFile laterReread(Path());
    ASSERT_TRUE(laterReread.Open("other").ok());
    EXPECT_EQ(laterReread.Parts()[DiaryPart::Planner], "Plan: coffee");
    ASSERT_EQ(laterReread.OtherParts().size(), 1u);
    EXPECT_EQ(laterReread.OtherParts()[0].bytes, std::string("a later kind\n\0", 14));

    // A table without a diary part, with one twice, or with kind 0 is damage.
    for (auto [entry, kind] :
         {std::pair{1, 1}, std::pair{3, 9}, std::pair{4, 0}, std::pair{4, 1}}) {
        std::string forged = v3;
        forged[kV3PartTableAt + entry * kV3PartEntrySize] = static_cast<char>(kind);
        Reseal(forged, V3HeaderSize(5));
        EXPECT_EQ(StatusOf(forged, Passphrase(kGoldenUtf8, std::nullopt)), EncryptedStatus::Damaged)
            << entry << ' ' << kind;
    }
}

TEST_F(EncryptedDiary, LaterPartsAreCarriedAndUnsoundOnesAreDamage)
{
    // The texts in any script ("Да" at 3600, stored "??") and the history of
    // deletions and edits, byte for byte.
    const std::string text =
        std::string("\x01\x02\x04\0\x10\x0E\0\0\0\0\0\0??", 14) + "\xD0\x94\xD0\xB0";
    std::string deletion(96, '\0');
    deletion[0] = 1;
    std::string edit = deletion;
    edit[0] = 2;
    edit[64] = 'x';
    struct Case
    {
        std::optional<std::string> scriptTexts, history;
        bool sound;
    };
    for (const Case& c :
         {Case{text, {}, true}, Case{text.substr(0, 17), {}, false},
          Case{text.substr(0, 14) + "\xC0\x94\xD0\xB0", {}, false},
          Case{text.substr(0, 12) + std::string("?\0", 2) + text.substr(14), {}, false},
          Case{{}, std::string(), true}, Case{{}, deletion + edit, true},
          Case{{}, deletion.substr(1), false}, Case{{}, "\x03" + deletion.substr(1), false},
          Case{{}, deletion.substr(0, 7) + "\x01" + deletion.substr(8), false},
          Case{{}, deletion.substr(0, 64) + "x" + deletion.substr(65), false}}) {
        DiaryParts parts = SampleParts();
        parts.scriptTexts = c.scriptTexts;
        parts.history = c.history;
        Write(parts);
        CEncryptedDiaryFile file(Path());
        EXPECT_EQ(file.Open(kPassword).status,
                  c.sound ? EncryptedStatus::Ok : EncryptedStatus::Damaged)
            << c.scriptTexts.value_or("").size() << ' ' << c.history.value_or("").size();
        if (c.sound) {
            EXPECT_EQ(file.Parts(), parts);
            EXPECT_TRUE(file.OtherParts().empty());
        }
        if (c.sound && c.scriptTexts) {
            EXPECT_EQ(CScriptTexts::Decode(*file.Parts().scriptTexts)->at(0).utf8,
                      "\xD0\x94\xD0\xB0");
        }
    }
}

TEST_F(EncryptedDiary, EveryFlippedByteAndEveryTruncationIsDamage)
{
    // Chunks of 16 bytes: the texts are sealed in two, the rest in one each.
    Write(SampleParts(), kPassword, 16);
    const std::string good = ReadFileBytes(Path());
    ASSERT_EQ(StatusOf(good), EncryptedStatus::Ok);
    ASSERT_EQ(StatusOf(good, "correct horsE"), EncryptedStatus::WrongPassword);

    // Each damaged copy is reported as such, allocating no more than its size.
    const auto damaged = [&](const std::string& bytes) {
        g_largestAllocation = 0;
        g_trackAllocations = true;
        const EncryptedStatus status = StatusOf(bytes);
        g_trackAllocations = false;
        return status == EncryptedStatus::Damaged &&
               g_largestAllocation <= std::max(bytes.size(), kMaxHeaderSize);
    };
    for (size_t i = 0; i < good.size(); ++i) {
        for (unsigned char mask : {0x01, 0x80}) {
            std::string bad = good;
            bad[i] = static_cast<char>(bad[i] ^ mask);
            ASSERT_TRUE(damaged(bad)) << "byte " << i;
        }
    }
    for (size_t length = 0; length < good.size(); ++length)
        ASSERT_TRUE(damaged(good.substr(0, length))) << length;
    EXPECT_TRUE(damaged(good + '\0'));

    // Through the file: damage is reported and the file left as it was.
    std::string bad = good;
    bad[kCurrentHeader + 3] ^= 0x10;
    WriteFileBytes(Path(), bad);
    EXPECT_EQ(CEncryptedDiaryFile(Path()).Open(kPassword).status, EncryptedStatus::Damaged);
    EXPECT_EQ(ReadFileBytes(Path()), bad);
}

TEST_F(EncryptedDiary, ForgedHeadersAreRejected)
{
    Write(SampleParts("{\\rtf1 first version}"));
    const std::string first = ReadFileBytes(Path());
    CEncryptedDiaryFile file(Path());
    ASSERT_TRUE(file.Open(kPassword).ok());
    file.Parts()[DiaryPart::Reminders] = "Call the plumber";
    ASSERT_TRUE(file.Commit().ok());
    const std::string second = ReadFileBytes(Path());
    // The older texts part spliced into the newer file with its table entry.
    std::string spliced = second;
    const size_t entry = kV3PartTableAt + kV3PartEntrySize;
    const size_t at =
        kCurrentHeader + static_cast<unsigned char>(second[kV3PartTableAt + 4 + kNonceSize]);
    const size_t length = static_cast<unsigned char>(second[entry + 4 + kNonceSize]);
    spliced.replace(entry, kV3PartEntrySize, first, entry, kV3PartEntrySize);
    spliced.replace(at, length, first, at, length);
    Reseal(spliced);
    EXPECT_EQ(StatusOf(spliced), EncryptedStatus::Damaged);

    // Two chunks of one part swapped, each with its tag.
    Write(SampleParts(std::string(16, 'a') + std::string(16, 'b')), kPassword, 16);
    std::string swapped = ReadFileBytes(Path());
    const size_t texts = kCurrentHeader + 13 + kTagSize;
    std::swap_ranges(swapped.begin() + texts, swapped.begin() + texts + 16,
                     swapped.begin() + texts + 16);
    std::swap_ranges(swapped.begin() + texts + 32, swapped.begin() + texts + 48,
                     swapped.begin() + texts + 48);
    EXPECT_EQ(StatusOf(swapped), EncryptedStatus::Damaged);
    // Chunk sizes and key derivation parameters out of bounds, resealed.
    for (auto [at, width, value] :
         {std::tuple{kChunkSizeAt, 4, uint64_t{0}}, std::tuple{kChunkSizeAt, 4, uint64_t{24}},
          std::tuple{kChunkSizeAt, 4, uint64_t{8}},
          std::tuple{kChunkSizeAt, 4, uint64_t{kMaxChunkSize} * 2},
          std::tuple{kOpsAt, 8, uint64_t{0}}, std::tuple{kOpsAt, 8, uint64_t{1} << 40},
          std::tuple{kMemAt, 8, uint64_t{1} << 40}, std::tuple{kMemAt, 8, uint64_t{1}}}) {
        std::string forged = ReadFileBytes(Path());
        for (int i = 0; i < width; ++i)
            forged[at + i] = static_cast<char>(value >> (8 * i));
        Reseal(forged);
        EXPECT_EQ(StatusOf(forged), EncryptedStatus::Damaged) << at << ' ' << value;
    }

    // A newer version, also with a longer header, is told as such.
    std::string newer = second;
    newer[kVersionAt] = kFormatVersion + 1;
    Reseal(newer);
    EXPECT_EQ(StatusOf(newer), EncryptedStatus::NewerVersion);
    newer.insert(kChecksumAt, 100, 'x');
    newer[kHeaderLengthAt] = static_cast<char>((kHeaderSize + 100) & 0xFF);
    newer[kHeaderLengthAt + 1] = static_cast<char>((kHeaderSize + 100) >> 8);
    Reseal(newer, kHeaderSize + 100);
    EXPECT_EQ(StatusOf(newer), EncryptedStatus::NewerVersion);
}

} // namespace
