// A session on an encrypted diary: one write per command, nothing readable in
// the folder, a failed write reported and rolled back.

#include "store/EncryptedSession.h"

#include "SessionTestSupport.h"
#include "store/DiaryConversion.h"
#include "store/DiarySession.h"
#include "store/DraftFile.h"
#include "store/DraftSealer.h"
#include "store/EncryptedDiaryFile.h"

using namespace storetest;

namespace {

class EncryptedSession : public StoreTest
{
protected:
    std::string Path() const { return Diary("travel.dayloom"); }
};

TEST_F(EncryptedSession, ScriptedSessionLeavesNothingReadableAndReopens)
{
    CDiarySession session{CDiaryName(Path())};
    ASSERT_NE(session.Encrypted(), nullptr);
    EXPECT_FALSE(session.ReadFirstEntry()) << "no file yet: a new diary";
    ASSERT_TRUE(session.Encrypted()->Create("first secret", KdfParams::Cheapest()).ok());
    session.SetPassword("first secret");
    EXPECT_FALSE(Exists(Path())) << "written with the first command";
    int commits = 0; // renames onto the diary file: one per write
    CFileFaults::Install([&](FileOp op, const std::string& path) {
        commits += op == FileOp::Rename && path == Path();
        return 0;
    });
    SaveEntry(session, "{\\rtf1 Dinner with Marguerite, 24/12/2026}", 2000);
    SaveEntry(session, "{\\rtf1 Skating}", 1000);
    EXPECT_EQ(commits, 2) << "one write per command";
    {
        auto store = session.MakeStore();
        AddReminder(*store, 3000, "Marguerite's birthday");
        AddTask(*store, 3000, "Buy lanterns");
    }
    EXPECT_EQ(commits, 3);
    ASSERT_TRUE(session.Encrypted()->ChangePassword("second secret", KdfParams::Cheapest()));
    session.SetPassword("second secret");
    EXPECT_TRUE(session.ReadFirstEntry()) << "its password stays with the file";
    EXPECT_EQ(commits, 4);
    ASSERT_TRUE(session.MakeStore()->DeleteEntry(0));
    const std::string expected =
        "{\\rtf1 Dinner with Marguerite, 24/12/2026}\nr Marguerite's birthday\np Buy lanterns\n";
    EXPECT_EQ(SessionContent(session), expected);
    EXPECT_EQ(commits, 5) << "reading writes nothing";

    for (const auto& file : std::filesystem::directory_iterator(Dir()))
        EXPECT_EQ(file.path(), Path()) << "the diary file alone";
    const std::string bytes = ReadFileBytes(Path());
    for (const char* plain : {"Marguerite", "Skating", "lanterns", "24/12/2026", "first secret",
                              "second secret", "rtf1"})
        EXPECT_EQ(bytes.find(plain), std::string::npos) << plain;

    session.Encrypted()->Lock();
    EXPECT_TRUE(session.Encrypted()->File().DataKeyBuffer().IsZero());
    EXPECT_EQ(CDraftSealer::ForSession(session), nullptr) << "no key, no draft";

    // Reopened: a wrong password is not reported as anything else.
    CDiarySession reopened{CDiaryName(Path())};
    ASSERT_TRUE(reopened.ReadFirstEntry());
    EXPECT_FALSE(reopened.Unlock("first secret"));
    EXPECT_EQ(reopened.UnlockFailureMessage(), "");
    ASSERT_TRUE(reopened.Unlock("second secret"));
    EXPECT_EQ(reopened.Password(), "") << "the key alone opens it";
    EXPECT_EQ(SessionContent(reopened), expected);

    // Damage and a newer format have messages of their own.
    reopened.Encrypted()->Lock();
    std::string damaged = ReadFileBytes(Path());
    damaged.back() ^= 1;
    WriteFileBytes(Path(), damaged);
    EXPECT_FALSE(reopened.Unlock("second secret"));
    EXPECT_EQ(reopened.UnlockFailureMessage(),
              "The diary file travel.dayloom is damaged or was altered. Nothing was opened.");
    EXPECT_EQ(CEncryptedSession::MessageFor({EncryptedStatus::NewerVersion}, Path()),
              "This diary was made by a newer Dayloom and cannot be opened here.");
}

TEST_F(EncryptedSession, FailedWritesAreReportedAndRolledBack)
{
    const auto session = OpenEncrypted(Path());
    SaveEntry(*session, "{\\rtf1 kept}", 1000);
    const std::string before = SessionContent(*session);

    CFileFaults::Install(
        [](FileOp op, const std::string&) { return op == FileOp::Rename ? EIO : 0; });
    SaveEntry(*session, "{\\rtf1 lost}", 2000);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("travel.dayloom"), std::string::npos) << messages[0];
    EXPECT_FALSE(session->ChangePassword("other"));
    ASSERT_TRUE(session->MakeStore()->DeleteEntry(0));
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(SessionContent(*session), before) << "memory back to what the file holds";
    EXPECT_EQ(*session->Encrypted()->History(), "") << "a deletion not written is not remembered";

    // A file that cannot be read back keeps the entry in memory for the next write.
    std::filesystem::rename(Path(), Path() + ".away");
    SaveEntry(*session, "{\\rtf1 kept in memory}", 3000);
    CFileFaults::Install({});
    const std::string kept = SessionContent(*session);
    EXPECT_NE(kept.find("kept in memory"), std::string::npos) << kept;
    EXPECT_TRUE(session->Encrypted()->Commit().ok());

    session->Encrypted()->Lock();
    EXPECT_EQ(SessionContent(*OpenEncrypted(Path())), kept);
}

// The records of an encrypted diary hold no password and its texts no mask.
void ExpectNoPasswordInside(const DiaryParts& parts, const std::string& password,
                            const std::string& text)
{
    const std::string& index = parts[DiaryPart::Index];
    ASSERT_FALSE(index.empty());
    for (size_t at = 0; at + kEntryRecordSize <= index.size(); at += kEntryRecordSize)
        EXPECT_EQ(index.substr(at, 34), std::string(34, '\0')) << "record at " << at;
    std::string scrambled = password;
    std::string masked = text;
    for (char& c : scrambled)
        c = static_cast<char>(c ^ 0xB4);
    for (char& c : masked)
        if ((static_cast<unsigned char>(c) ^ KeyOf(password)) != 0)
            c = static_cast<char>(static_cast<unsigned char>(c) ^ KeyOf(password));
    for (const std::string& part : parts.bytes)
        for (const std::string& secret : {password, scrambled, masked})
            EXPECT_EQ(part.find(secret), std::string::npos) << secret;
    EXPECT_NE(parts[DiaryPart::Texts].find(text), std::string::npos) << "stored unmasked";
}

TEST_F(EncryptedSession, FourFileDiaryEncryptedHasNoPasswordInsideNorAnUnreferencedText)
{
    Save("{\\rtf1 first words}", 1000, "oldpw");
    Save("{\\rtf1 second words}", 2000, "oldpw");
    CDiaryStore edited = Store(1); // its old text left unreferenced
    ASSERT_TRUE(edited.ReadEntry());
    edited.entry.text = "{\\rtf1 second words, edited}";
    ASSERT_TRUE(edited.ReplaceEntry(1));
    const auto encrypt = [&] {
        return CDiaryConversion::Encrypt(CDiaryName(Diary()), Path(), "new passphrase",
                                         KdfParams::Cheapest());
    };
    ASSERT_TRUE(encrypt().ok());
    EXPECT_EQ(encrypt().cause, FileErrorCause::AccessDenied) << "an existing file is kept";
    CDiarySession session{CDiaryName(Path())};
    ASSERT_TRUE(session.Unlock("new passphrase"));
    ExpectNoPasswordInside(session.Encrypted()->CurrentParts(), "oldpw", "{\\rtf1 first words}");
    EXPECT_EQ(session.Encrypted()->CurrentParts()[DiaryPart::Texts].find("second words}"),
              std::string::npos)
        << "the text no record refers to is left behind";
    // An entry saved now, and a password change.
    SaveEntry(session, "{\\rtf1 third words}", 3000);
    ASSERT_TRUE(session.Encrypted()->ChangePassword("other passphrase", KdfParams::Cheapest()));
    ExpectNoPasswordInside(session.Encrypted()->CurrentParts(), "oldpw", "{\\rtf1 third words}");
}

TEST_F(EncryptedSession, PasswordChangesCarryTheDraftOver)
{
    EntryDraft draft;
    draft.rtf = "{\\rtf1 unsaved words}";
    const CDraftFile drafts{CDiaryName(Path())};
    const auto read = [&](const CDraftSealer* sealer, const CDraftFile& file) {
        EntryDraft back;
        return sealer != nullptr && file.Read(back, *sealer) == CDraftFile::ReadResult::Ok &&
               back == draft;
    };

    const auto session = OpenEncrypted(Path(), "first");
    SaveEntry(*session, "{\\rtf1 saved}", 1000);
    ASSERT_TRUE(drafts.Write(draft, *CDraftSealer::ForSession(*session)).ok());
    EXPECT_EQ(ReadFileBytes(drafts.Path()).find("unsaved"), std::string::npos) << "sealed";
    EXPECT_TRUE(read(CDraftSealer::ForSession(*session).get(), drafts));
    ASSERT_TRUE(session->ChangePassword(Passphrase("second")));
    EXPECT_TRUE(read(CDraftSealer::ForSession(*session).get(), drafts))
        << "sealed under the new key";

    // A draft a change did not reach opens with its own password alone.
    ASSERT_TRUE(session->Encrypted()->ChangePassword("third", KdfParams::Cheapest()));
    EXPECT_FALSE(read(CDraftSealer::ForSession(*session).get(), drafts));
    EXPECT_FALSE(read(CDraftSealer::ForEarlierPassword(*session, "first").get(), drafts));
    EXPECT_TRUE(read(CDraftSealer::ForEarlierPassword(*session, "second").get(), drafts));

    // The same for a four-file diary and its text cipher (a change behind its
    // back is the editor's draft test).
    Save("{\\rtf1 four files}", 1000, "oldpw");
    CDiarySession four{CDiaryName(Diary())};
    ASSERT_TRUE(four.ReadFirstEntry() && four.Unlock("oldpw"));
    const CDraftFile fourDrafts(four.Name());
    ASSERT_TRUE(fourDrafts.Write(draft, *CDraftSealer::ForSession(four)).ok());
    ASSERT_TRUE(four.ChangePassword(Passphrase("newpw")));
    EXPECT_TRUE(read(CDraftSealer::ForSession(four).get(), fourDrafts));
}

TEST_F(EncryptedSession, OlderFileUpgradedOnceAtTheFirstUnlockOnWritableMedia)
{
    // A version-2 diary (key from Windows-1252 bytes) with a masked record.
    const std::string cp1252 = "p\xE4sswort";
    const Passphrase typed("p\xC3\xA4sswort", cp1252);
    Save("{\\rtf1 old words}", 1000, cp1252);
    {
        CEncryptedDiaryFile file(Path());
        ASSERT_TRUE(file.Create(cp1252, KdfParams::Cheapest(), encrypted::kChunkSize, 2).ok());
        for (size_t i = 0; i < kDiaryPartCount; ++i)
            if (Exists(Sibling("idrp"[i])))
                file.Parts().bytes[i] = ReadFileBytes(Sibling("idrp"[i]));
        ASSERT_TRUE(file.Commit().ok());
    }
    const std::string v2 = ReadFileBytes(Path());
    EntryDraft draft;
    draft.rtf = "{\\rtf1 unsaved}";
    {
        // Read-only media: opened as it is, never written.
        CDiarySession readOnly{CDiaryName(Path())};
        readOnly.SetReadOnly(true);
        ASSERT_TRUE(readOnly.Unlock(typed));
        EXPECT_EQ(SessionContent(readOnly), "{\\rtf1 old words}\n");
        ASSERT_TRUE(
            CDraftFile(CDiaryName(Path())).Write(draft, *CDraftSealer::ForSession(readOnly)).ok());
    }
    EXPECT_EQ(ReadFileBytes(Path()), v2);

    CDiarySession session{CDiaryName(Path())};
    ASSERT_TRUE(session.Unlock(typed));
    const std::string v3 = ReadFileBytes(Path());
    EXPECT_EQ(v3[encrypted::kVersionAt], 3);
    EXPECT_EQ(SessionContent(session), "{\\rtf1 old words}\n");
    ExpectNoPasswordInside(session.Encrypted()->CurrentParts(), cp1252, "{\\rtf1 old words}");
    EntryDraft back;
    ASSERT_EQ(CDraftFile(CDiaryName(Path())).Read(back, *CDraftSealer::ForSession(session)),
              CDraftFile::ReadResult::Ok);
    EXPECT_EQ(back, draft);
    session.Encrypted()->Lock();

    // From now on the UTF-8 form opens it, and opening writes nothing.
    CDiarySession again{CDiaryName(Path())};
    EXPECT_FALSE(again.Unlock(Passphrase(cp1252, cp1252)));
    ASSERT_TRUE(again.Unlock(Passphrase("p\xC3\xA4sswort", std::nullopt)));
    EXPECT_EQ(ReadFileBytes(Path()), v3);
}

} // namespace
