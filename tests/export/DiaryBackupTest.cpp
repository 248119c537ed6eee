// Backup and restore: only a diary's files travel, byte for byte; a failure leaves nothing.

#include "export/DiaryBackup.h"

#include "tests/export/ExportTestSupport.h"

#include <cerrno>
#include <map>

namespace {

using foldertest::ReadAll;
using foldertest::ZipOf;

using Status = RestoreOutcome::Status;

// Each member's Unix mode, as zip tools read it from the central directory (0: not Unix).
std::vector<unsigned> MemberModes(const std::string& bytes)
{
    std::vector<unsigned> modes;
    for (size_t at = bytes.find("PK\1\2"); at != std::string::npos;
         at = bytes.find("PK\1\2", at + 4)) {
        const auto byte = [&](size_t offset) { return unsigned(uint8_t(bytes[at + offset])); };
        modes.push_back(byte(5) == 3 ? byte(40) | byte(41) << 8 : 0u);
    }
    return modes;
}

// The travel diary with reminders, a planner and files not its own beside; restored to restored/.
class DiaryBackupTest : public TravelDiaryTest
{
protected:
    void SetUp() override
    {
        TravelDiaryTest::SetUp();
        QDir(m_dir.path()).mkpath("restored");
        Put(PathOf("travel.rlm"), QByteArray(44, 'r'));
        Put(PathOf("travel.plm"), QByteArray(62, 'p'));
        for (const char* other : {"travel.lock", "travel.ilm.lock", "travel.ilm.tmp"})
            Put(PathOf(other), "12345\n");
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

    QString m_archive = PathOf("travel-2024-03-05.zip");
};

TEST_F(DiaryBackupTest, RestoreGivesBackTheDiaryFilesByteForByte)
{
    ASSERT_TRUE(BackUp(m_diary).ok);
    EXPECT_EQ(MemberModes(ReadBytes(m_archive)), std::vector<unsigned>(4, 0100600u));
    const RestoreOutcome restored = Restore();
    ASSERT_EQ(restored.status, Status::Restored) << restored.message.toStdString();
    EXPECT_EQ(restored.diary, NameOf(PathOf("restored/travel.ilm")));
    EXPECT_EQ(Restored(), (QStringList{"travel.dlm", "travel.ilm", "travel.plm", "travel.rlm"}));
    for (const QString& name : Restored()) {
        EXPECT_EQ(ReadBytes(PathOf("restored/" + name)), ReadBytes(PathOf(name)));
    }

    // The encrypted form is one file, and travels alone (any bytes will do).
    const QByteArray sealed = ReadAll(m_archive);
    Put(PathOf("vault.dayloom"), sealed);
    Put(PathOf("vault.dlm"), "not part of it");
    ASSERT_TRUE(BackUp(PathOf("vault.dayloom")).ok);
    QDir(m_dir.path()).mkpath("vault");
    ASSERT_EQ(Restore(false, "vault").status, Status::Restored);
    EXPECT_EQ(QDir(PathOf("vault")).entryList(QDir::Files), QStringList{"vault.dayloom"});
    EXPECT_EQ(ReadAll(PathOf("vault/vault.dayloom")), sealed);

    // A restored file is its owner's only, whatever mode the archive or the replaced file had.
    Put(m_archive, ZipOf({{"open.ilm", "x"}, {"open.dlm", "y"}}));
    Put(PathOf("vault/open.ilm"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(PathOf("vault/open.ilm")).constData(), 0666), 0);
    ASSERT_EQ(Restore(true, "vault").status, Status::Restored);
    EXPECT_EQ(ModeOf(PathOf("vault/open.ilm")), 0600u);
    EXPECT_EQ(ModeOf(PathOf("vault/open.dlm")), 0600u);
}

TEST_F(DiaryBackupTest, AnExistingDiaryIsReplacedOnlyWhenAsked)
{
    Put(PathOf("travel.rlm"), ""); // travels as an empty file
    QFile::remove(PathOf("travel.plm"));
    ASSERT_TRUE(BackUp(m_diary).ok);
    Put(PathOf("restored/travel.ilm"), "mine");
    Put(PathOf("restored/travel.pbm"), "another diary's");
    const RestoreOutcome refused = Restore();
    EXPECT_EQ(refused.status, Status::Exists);
    EXPECT_EQ(refused.message.toStdString(), "A diary named travel.ilm already exists in " +
                                                 Encoded(PathOf("restored")) +
                                                 ". Replace it with the backup?");
    EXPECT_EQ(Restored(), (QStringList{"travel.ilm", "travel.pbm"}));
    EXPECT_EQ(ReadBytes(PathOf("restored/travel.ilm")), "mine");

    // Replacing removes what the backup lacks and what an unfinished rewrite left.
    for (const char* old : {"travel.plm", "travel.ilm.pwswitch", "travel.dlm.tmp"})
        Put(PathOf("restored/") + old, "old");
    ASSERT_EQ(Restore(true).status, Status::Restored);
    EXPECT_EQ(Restored(), (QStringList{"travel.dlm", "travel.ilm", "travel.pbm", "travel.rlm"}));
    EXPECT_EQ(ReadBytes(PathOf("restored/travel.ilm")), ReadBytes(m_diary));
    EXPECT_EQ(ReadBytes(PathOf("restored/travel.rlm")), "");
}

TEST_F(DiaryBackupTest, ADamagedOrForeignArchiveIsRefusedBeforeAnythingIsWritten)
{
    ASSERT_TRUE(BackUp(m_diary).ok);
    const QByteArray whole = ReadAll(m_archive);
    std::vector<std::pair<std::string, QByteArray>> archives;
    for (const qsizetype cut : {qsizetype(0), qsizetype(30), whole.size() / 2, whole.size() - 1})
        archives.push_back({"cut at " + std::to_string(cut), whole.left(cut)});
    // The data file's checksum changed in both headers: only reading it whole tells.
    QByteArray altered = whole;
    altered[whole.indexOf("travel.dlm") - 16] ^= 0x55;     // local header: name at 30, CRC at 14
    altered[whole.lastIndexOf("travel.dlm") - 30] ^= 0x55; // central: name at 46, CRC at 16
    archives.push_back({"altered", altered});
    archives.push_back({"climbs out", ZipOf({{"../travel.ilm", "x"}})});
    archives.push_back({"a stranger", ZipOf({{"travel.ilm", "x"}, {"notes.txt", "y"}})});
    archives.push_back({"a lock", ZipOf({{"travel.ilm", "x"}, {"travel.lock", "y"}})});
    archives.push_back({"no diary", ZipOf({{"readme", "x"}})});
    archives.push_back({"empty", QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0')});
    for (const auto& [what, bytes] : archives) {
        Put(m_archive, bytes);
        const RestoreOutcome outcome = Restore(true);
        EXPECT_EQ(outcome.status, Status::Damaged) << what;
        EXPECT_EQ(outcome.message,
                  "The backup travel-2024-03-05.zip is damaged; nothing was restored.");
        EXPECT_TRUE(Restored().isEmpty()) << what;
    }
}

TEST_F(DiaryBackupTest, AFailingBackupLeavesNoArchiveAndARestoreFailingAtAnyStepChangesNothing)
{
    EXPECT_EQ(BackUp(PathOf("none.ilm")).message.toStdString(),
              Encoded(PathOf("none.ilm")) + " was not found. No backup was written.");
    const QStringList files = Files();
    for (const auto& [step, file] : {std::pair(FileOp::Write, ".zip"), {FileOp::Read, ".dlm"}}) {
        CFileFaults::Install([step = step, file = file](FileOp op, const std::string& path) {
            return op == step && path.find(file) != std::string::npos ? ENOSPC : 0;
        });
        const BackupOutcome failed = BackUp(m_diary);
        EXPECT_FALSE(failed.ok);
        EXPECT_TRUE(failed.message.startsWith("Disk full while accessing "));
        EXPECT_TRUE(failed.message.endsWith(QString(file) + ". No backup was written."));
        EXPECT_EQ(Files(), files);
    }
    CFileFaults::Install({});

    QFile::remove(PathOf("travel.plm"));
    ASSERT_TRUE(BackUp(m_diary).ok);
    // Every file of restored/, hidden ones too, with its bytes.
    const auto contents = [this] {
        std::map<QString, std::string> bytes;
        for (const QString& name : QDir(PathOf("restored")).entryList(QDir::Files | QDir::Hidden))
            bytes[name] = ReadBytes(PathOf("restored/" + name));
        return bytes;
    };
    // Into an empty folder, and over an old diary with a planner the backup lacks.
    for (const bool replacing : {false, true}) {
        int failures = 0;
        for (int k = 1;; ++k) {
            SCOPED_TRACE(std::to_string(replacing) + " " + std::to_string(k));
            QDir(PathOf("restored")).removeRecursively();
            QDir(m_dir.path()).mkpath("restored");
            if (replacing) {
                WriteDiary(PathOf("restored/travel.ilm"), {{LocalTime(2020, 5, 5, 5), Rtf("Old")}},
                           "old");
                Put(PathOf("restored/travel.rlm"), "old reminders");
                Put(PathOf("restored/travel.plm"), "old planner");
            }
            const auto old = contents();
            int seen = 0;
            CFileFaults::Install([&](FileOp op, const std::string&) {
                return op != FileOp::Read && ++seen == k ? EIO : 0;
            });
            const RestoreOutcome outcome = Restore(replacing);
            CFileFaults::Install({});
            if (seen < k) {
                EXPECT_EQ(outcome.status, Status::Restored);
                break;
            }
            if (outcome.status == Status::Restored) {
                EXPECT_EQ(ReadBytes(PathOf("restored/travel.dlm")),
                          ReadBytes(PathOf("travel.dlm")));
                continue; // a folder flush: only when the names reach the disk
            }
            ++failures;
            EXPECT_EQ(outcome.status, Status::Failed);
            EXPECT_TRUE(outcome.message.contains(m_dir.path()) &&
                        outcome.message.endsWith(" Nothing was restored."))
                << outcome.message.toStdString();
            EXPECT_EQ(contents(), old);
        }
        EXPECT_GT(failures, replacing ? 10 : 5);
    }
}

} // namespace
