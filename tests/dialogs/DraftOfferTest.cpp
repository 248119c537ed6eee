// A draft that outlived a password change (sealed under the earlier
// password) is offered with a request for that password, as long as the
// user wants to try, instead of being set aside.
#include "dialogs/NewEntryDlgDraft.h"
#include "dialogs/SecurityDlg.h"
#include "platform/Modal.h"
#include "store/DiarySession.h"
#include "store/DraftSealer.h"
#include "tests/support/TestDiary.h"
#include "tests/support/WidgetTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Answers the password prompt with `typed`.
void AnswerPrompt(const QString& typed)
{
    CModal::PushHandler([typed](QDialog& dialog) {
        auto& prompt = dynamic_cast<CSecurityDlg&>(dialog);
        QTest::keyClicks(prompt.PasswordField(), typed);
        QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
    });
}

TEST(DraftOffer, ADraftUnderAnEarlierPasswordOpensWithThatPassword)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("travel.ilm");
    WriteDiary(path, {{LocalTime(2026, 12, 1, 9), Rtf("Saved.")}}, "oldpw");
    CDiarySession session(NameOf(path));
    ASSERT_TRUE(session.ReadFirstEntry() && session.Unlock("oldpw"));
    EntryDraft draft;
    draft.rtf = "{\\rtf1 unsaved words}";
    const CDraftFile file(session.Name());
    ASSERT_TRUE(file.Write(draft, *CDraftSealer::ForSession(session)).ok());
    // A change the draft did not follow.
    ASSERT_TRUE(session.MakeStore()->ChangePassword("newpw"));
    ASSERT_TRUE(session.SetPassword(Passphrase("newpw")));

    // A wrong password is said and asked again; the right one restores it.
    CMessageBox::ClearHistory();
    AnswerPrompt("wrongpw");
    AnswerPrompt("oldpw");
    const std::optional<EntryDraft> offered =
        CNewEntryDlgDraft::Offer(nullptr, session, QStringLiteral("New Entry"));
    ASSERT_TRUE(offered.has_value());
    EXPECT_EQ(offered->rtf, draft.rtf);
    ASSERT_EQ(CMessageBox::History().size(), 3u);
    EXPECT_TRUE(CMessageBox::History()[0].text.startsWith(
        "The unsaved draft was sealed under an earlier password of this diary."));
    EXPECT_EQ(CMessageBox::History()[1].text,
              "That password does not open the draft. Try another?");
    EXPECT_TRUE(CMessageBox::History()[2].text.endsWith("was not saved. Restore it?"));
    EXPECT_TRUE(CModal::Unanswered().empty());

    // Setting it aside keeps it, under another name.
    CMessageBox::ClearHistory();
    CMessageBox::PushChoice(1);
    EXPECT_FALSE(CNewEntryDlgDraft::Offer(nullptr, session, QStringLiteral("New Entry")));
    EXPECT_TRUE(CMessageBox::History().back().text.startsWith(
        "The unsaved draft could not be read; it was kept as"));
    EXPECT_FALSE(file.Exists());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file.Path() + ".damaged")));
}

} // namespace
