// Backs a diary up and restores it: the files come back byte for byte and
// only they travel (never the lock or a temporary file); an existing diary
// is replaced only when asked, and then whole or not at all; a truncated,
// altered or foreign archive is refused before anything is written; a
// failing write leaves nothing.

#include "export/DiaryBackup.h"

#include "store/DiarySession.h"
#include "tests/export/ExportTestSupport.h"

#include <cerrno>
#include <zip.h>

namespace {

using Status = RestoreOutcome::Status;

// The Unix mode of every member of an archive, as zip tools would give it.
std::vector<unsigned> MemberModes(const std::string& bytes)
{
    zip_source_t* memory = zip_source_buffer_create(bytes.data(), bytes.size(), 0, nullptr);
    zip_t* archive = zip_open_from_source(memory, ZIP_RDONLY, nullptr);
    std::vector<unsigned> modes;
    for (zip_int64_t i = 0; archive != nullptr && i < zip_get_num_entries(archive, 0); ++i) {
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(archive, zip_uint64_t(i), 0, &system, &attributes);
        modes.push_back(system == ZIP_OPSYS_UNIX ? attributes >> 16 : 0u);
    }
    zip_discard(archive);
    return modes;
}

// An archive of the given names and contents, made with libzip directly,
// its members marked -rwxrwxrwx.
std::string Zip(const std::vector<std::pair<std::string, std::string>>& files)
{
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, nullptr);
    zip_source_keep(memory);
    for (const auto& [name, bytes] : files) {
        const zip_int64_t index = zip_file_add(
            archive, name.c_str(), zip_source_buffer(archive, bytes.data(), bytes.size(), 0), 0);
        zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                         0100777u << 16);
    }
    zip_close(archive);
    zip_stat_t stat;
    zip_source_stat(memory, &stat);
    std::string out(stat.size, '\0');
    zip_source_open(memory);
    zip_source_read(memory, out.data(), out.size());
    zip_source_close(memory);
    zip_source_free(memory);
    return out;
}

class DiaryBackupTest : public ExportFolderTest
{
protected:
    void SetUp() override
    {
        ExportFolderTest::SetUp();
        QDir(m_dir.path()).mkpath("diary");
        QDir(m_dir.path()).mkpath("restored");
        m_diary = PathOf("diary/travel.ilm");
        std::vector<EntryValues> entries;
        for (int day = 1; day <= 20; ++day)
            entries.push_back({LocalTime(2024, 1, day, 9), Rtf("Day " + std::to_string(day)),
                               day % 7 - 3, 0, 0, 0, day % 2, 0, 36.5f, 60 + day});
        WriteDiary(m_diary, entries, "secret");
        WriteBytes(PathOf("diary/travel.rlm"), std::string(44, 'r'));
        WriteBytes(PathOf("diary/travel.plm"), std::string(62, 'p'));
        // Beside the diary but not part of it.
        for (const char* other : {"travel.lock", "travel.ilm.lock", "travel.ilm.tmp"})
            WriteBytes(PathOf("diary/") + other, "12345\n");
        m_archive = PathOf("travel-2024-03-05.zip");
    }

    BackupOutcome BackUp(const QString& diary)
    {
        return CDiaryBackup::Backup(CDiarySession(NameOf(diary)), Encoded(m_archive));
    }
    RestoreOutcome Restore(bool overwrite = false, const QString& folder = "restored")
    {
        return CDiaryBackup::Restore(Encoded(m_archive), Encoded(PathOf(folder)), overwrite);
    }
    QStringList Restored() const { return QDir(PathOf("restored")).entryList(QDir::Files); }

    QString m_diary;
    QString m_archive;
};

TEST_F(DiaryBackupTest, RestoreGivesBackTheDiaryFilesByteForByte)
{
    EXPECT_EQ(CDiaryBackup::DefaultArchiveName(NameOf(m_diary), QDate(2024, 3, 5)),
              "travel-2024-03-05.zip");
    ASSERT_TRUE(BackUp(m_diary).ok);
    EXPECT_EQ(MemberModes(ReadBytes(m_archive)), std::vector<unsigned>(4, 0100600u));
    const RestoreOutcome restored = Restore();
    ASSERT_EQ(restored.status, Status::Restored) << restored.message.toStdString();
    EXPECT_EQ(restored.diary, NameOf(PathOf("restored/travel.ilm")));
    EXPECT_EQ(Restored(), (QStringList{"travel.dlm", "travel.ilm", "travel.plm", "travel.rlm"}));
    for (const QString& name : Restored()) {
        EXPECT_EQ(ReadBytes(PathOf("restored/" + name)), ReadBytes(PathOf("diary/" + name)));
        EXPECT_EQ(ModeOf(PathOf("restored/" + name)), 0600u);
    }

    // The encrypted form is one file, and travels alone.
    std::string sealed;
    for (int i = 0; i < 5000; ++i)
        sealed += char(i * 7919 % 251);
    WriteBytes(PathOf("diary/vault.dayloom"), sealed);
    WriteBytes(PathOf("diary/vault.dlm"), "not part of it");
    ASSERT_TRUE(BackUp(PathOf("diary/vault.dayloom")).ok);
    QDir(m_dir.path()).mkpath("vault");
    ASSERT_EQ(Restore(false, "vault").status, Status::Restored);
    EXPECT_EQ(QDir(PathOf("vault")).entryList(QDir::Files), QStringList{"vault.dayloom"});
    EXPECT_EQ(ReadBytes(PathOf("vault/vault.dayloom")), sealed);

    // Whatever mode an archive asks for, and whatever mode the file it
    // replaces had, a restored file is its owner's only.
    WriteBytes(m_archive, Zip({{"open.ilm", "x"}, {"open.dlm", "y"}}));
    EXPECT_EQ(MemberModes(ReadBytes(m_archive)), std::vector<unsigned>(2, 0100777u));
    WriteBytes(PathOf("vault/open.ilm"), "old");
    QFile::setPermissions(PathOf("vault/open.ilm"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadOther | QFileDevice::WriteOther);
    ASSERT_EQ(Restore(true, "vault").status, Status::Restored);
    EXPECT_EQ(ModeOf(PathOf("vault/open.ilm")), 0600u);
    EXPECT_EQ(ModeOf(PathOf("vault/open.dlm")), 0600u);
}

TEST_F(DiaryBackupTest, AnExistingDiaryIsReplacedOnlyWhenAsked)
{
    WriteBytes(PathOf("diary/travel.rlm"), ""); // travels as an empty file
    QFile::remove(PathOf("diary/travel.plm"));
    ASSERT_TRUE(BackUp(m_diary).ok);
    WriteBytes(PathOf("restored/travel.ilm"), "mine");
    WriteBytes(PathOf("restored/travel.pbm"), "another diary's");
    const RestoreOutcome refused = Restore();
    EXPECT_EQ(refused.status, Status::Exists);
    EXPECT_EQ(refused.message.toStdString(), "A diary named travel.ilm already exists in " +
                                                 Encoded(PathOf("restored")) +
                                                 ". Replace it with the backup?");
    EXPECT_EQ(Restored(), (QStringList{"travel.ilm", "travel.pbm"}));
    EXPECT_EQ(ReadBytes(PathOf("restored/travel.ilm")), "mine");

    // Replacing takes away what the backup does not hold, and what a rewrite
    // of the old diary left unfinished.
    for (const char* old : {"travel.plm", "travel.ilm.pwswitch", "travel.dlm.tmp"})
        WriteBytes(PathOf("restored/") + old, "old");
    ASSERT_EQ(Restore(true).status, Status::Restored);
    EXPECT_EQ(Restored(), (QStringList{"travel.dlm", "travel.ilm", "travel.pbm", "travel.rlm"}));
    EXPECT_EQ(ReadBytes(PathOf("restored/travel.ilm")), ReadBytes(m_diary));
    EXPECT_EQ(ReadBytes(PathOf("restored/travel.rlm")), "");
}

TEST_F(DiaryBackupTest, ADamagedOrForeignArchiveIsRefusedBeforeAnythingIsWritten)
{
    ASSERT_TRUE(BackUp(m_diary).ok);
    const std::string whole = ReadBytes(m_archive);
    std::vector<std::pair<std::string, std::string>> archives;
    for (const size_t cut : {size_t(0), size_t(30), whole.size() / 2, whole.size() - 1})
        archives.push_back({"cut at " + std::to_string(cut), whole.substr(0, cut)});
    // A byte changed inside the data file's compressed bytes: only its
    // checksum can tell.
    std::string altered = whole;
    altered[whole.find("travel.dlm") + 50] ^= 0x55;
    archives.push_back({"altered", altered});
    archives.push_back({"climbs out", Zip({{"../travel.ilm", "x"}})});
    archives.push_back({"a stranger", Zip({{"travel.ilm", "x"}, {"notes.txt", "y"}})});
    archives.push_back({"a lock", Zip({{"travel.ilm", "x"}, {"travel.lock", "y"}})});
    archives.push_back({"no diary", Zip({{"readme", "x"}})});
    archives.push_back({"empty", Zip({})});
    for (const auto& [what, bytes] : archives) {
        WriteBytes(m_archive, bytes);
        const RestoreOutcome outcome = Restore(true);
        EXPECT_EQ(outcome.status, Status::Damaged) << what;
        EXPECT_EQ(outcome.message,
                  "The backup travel-2024-03-05.zip is damaged; nothing was restored.");
        EXPECT_TRUE(Restored().isEmpty()) << what;
    }
}

TEST_F(DiaryBackupTest, AFailingReadOrWriteLeavesNoArchiveAndNoRestoredFile)
{
    for (const auto& [step, file] : {std::pair(FileOp::Write, ".zip"), {FileOp::Read, ".dlm"}}) {
        const FaultHook hook([step = step, file = file](FileOp op, const std::string& path) {
            return op == step && path.find(file) != std::string::npos ? ENOSPC : 0;
        });
        const BackupOutcome failed = BackUp(m_diary);
        EXPECT_FALSE(failed.ok);
        EXPECT_TRUE(failed.message.startsWith("Disk full while accessing "));
        EXPECT_TRUE(failed.message.endsWith(QString(file) + ". No backup was written."));
        EXPECT_EQ(Files(), QStringList{});
    }
    EXPECT_EQ(BackUp(PathOf("diary/none.ilm")).message.toStdString(),
              Encoded(PathOf("diary/none.ilm")) + " was not found. No backup was written.");

    ASSERT_TRUE(BackUp(m_diary).ok);
    const std::string planner = Encoded(PathOf("restored/travel.plm"));
    for (const FileOp step : {FileOp::Open, FileOp::Flush}) {
        const FaultHook hook([&](FileOp op, const std::string& path) {
            return op == step && path.rfind(planner, 0) == 0 ? EACCES : 0;
        });
        const RestoreOutcome failed = Restore();
        EXPECT_EQ(failed.status, Status::Failed);
        EXPECT_EQ(failed.message.toStdString(),
                  "Access to " + planner + " was denied. Nothing was restored.");
        EXPECT_TRUE(Restored().isEmpty()) << static_cast<int>(step);
    }
}

TEST_F(DiaryBackupTest, AFailureAtAnyStepOfAReplacementLeavesTheOldDiaryWhole)
{
    QFile::remove(PathOf("diary/travel.plm"));
    ASSERT_TRUE(BackUp(m_diary).ok);
    const auto contents = [this] {
        std::vector<std::string> bytes;
        for (const char* name : {"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"})
            bytes.push_back(QFile::exists(PathOf("restored/") + name)
                                ? ReadBytes(PathOf("restored/") + name)
                                : "(none)");
        return bytes;
    };
    int failures = 0;
    for (int k = 1;; ++k) {
        SCOPED_TRACE(k);
        // The old diary: other entries, and a planner the backup lacks.
        WriteDiary(PathOf("restored/travel.ilm"), {{LocalTime(2020, 5, 5, 5), Rtf("Old")}}, "old");
        WriteBytes(PathOf("restored/travel.rlm"), "old reminders");
        WriteBytes(PathOf("restored/travel.plm"), "old planner");
        const auto old = contents();
        int seen = 0;
        RestoreOutcome outcome;
        {
            const FaultHook hook([&](FileOp op, const std::string&) {
                return op != FileOp::Read && ++seen == k ? EIO : 0;
            });
            outcome = Restore(true);
        }
        if (seen < k) {
            EXPECT_EQ(outcome.status, Status::Restored);
            break;
        }
        if (outcome.status == Status::Restored) {
            EXPECT_EQ(ReadBytes(PathOf("restored/travel.dlm")),
                      ReadBytes(PathOf("diary/travel.dlm")));
            continue; // a folder flush: only when the names reach the disk
        }
        ++failures;
        EXPECT_EQ(outcome.status, Status::Failed);
        EXPECT_EQ(contents(), old);
        EXPECT_EQ(Restored(),
                  (QStringList{"travel.dlm", "travel.ilm", "travel.plm", "travel.rlm"}));
    }
    EXPECT_GT(failures, 10);
}

} // namespace
