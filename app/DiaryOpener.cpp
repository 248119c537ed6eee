#include "app/DiaryOpener.h"

#include "app/BackgroundUnlock.h"
#include "app/CurrentPassword.h"
#include "dialogs/NewPasswordFields.h"
#include "dialogs/SecurityDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/DiaryReservation.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"
#include "platform/PathText.h"
#include "platform/Settings.h"
#include "platform/StoreMessageText.h"
#include "store/DiaryFileCheck.h"
#include "store/DiarySession.h"
#include "store/StaleTemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <cstring>

namespace {

// The password prompt of a diary that has one: a wrong password is said
// over the prompt, which stays open with the password selected for another
// try. A diary that cannot be read (damaged, or of a newer format) ends it,
// and so does Cancel while it unlocks. It holds the session while it asks
// and lends it to the unlocking, which runs off the window's thread.
class UnlockPrompt : public CSecurityDlg
{
public:
    UnlockPrompt(QWidget* parent, std::unique_ptr<CDiarySession> session)
        : CSecurityDlg(parent), m_session(std::move(session))
    {
    }

    // The diary could not be unlocked with any password (said).
    bool Failed() const { return m_bFailed; }
    // The session, unlocked once the prompt was accepted.
    std::unique_ptr<CDiarySession> TakeSession() { return std::move(m_session); }

    void accept() override
    {
        const QString typed = PasswordField()->text();
        // What the prompt itself refuses (too short; for a four-file diary
        // not in the code page or too long) it says itself.
        const bool fourFile = !m_bEncrypted;
        if (m_session == nullptr || typed.size() < kMinLength ||
            (fourFile && (!CAnsiCodec::CanEncode(typed) ||
                          CNewPasswordFields::CharacterCount(typed) > kMaxLength))) {
            CSecurityDlg::accept();
            return;
        }
        CBackgroundUnlock::Result unlocked =
            CBackgroundUnlock::Unlock(this, std::move(m_session), CPassphraseText::From(typed));
        m_session = std::move(unlocked.session);
        switch (unlocked.outcome) {
        case CBackgroundUnlock::Outcome::Unlocked:
            CSecurityDlg::accept();
            return;
        case CBackgroundUnlock::Outcome::Cancelled:
            QDialog::reject();
            return;
        case CBackgroundUnlock::Outcome::Failed:
            // An encrypted diary may also be damaged or too new to read.
            CMessageBox::Show(this, CPathText::Decoded(unlocked.failure), CAppInfo::Title());
            m_bFailed = true;
            QDialog::reject();
            return;
        case CBackgroundUnlock::Outcome::WrongPassword:
            break;
        }
        CMessageBox::Show(this, CCurrentPassword::WrongPasswordMessage(), CAppInfo::Title());
        PasswordField()->setFocus();
        PasswordField()->selectAll();
    }

private:
    std::unique_ptr<CDiarySession> m_session;
    bool m_bFailed = false;
};

// The prompt for an open diary whose file was re-keyed elsewhere: the same
// session is unlocked anew (an open editor still holds it), here on the
// window's thread, as this happens seldom.
class UnlockAgainPrompt : public CSecurityDlg
{
public:
    UnlockAgainPrompt(QWidget* parent, CDiarySession& session)
        : CSecurityDlg(parent), m_session(session)
    {
    }

    // The diary could not be unlocked with any password (said).
    bool Failed() const { return m_bFailed; }

    void accept() override
    {
        const QString typed = PasswordField()->text();
        // What the prompt itself refuses (too short; for a four-file diary
        // not in the code page or too long) it says itself.
        const bool fourFile = !m_bEncrypted;
        if (typed.size() < kMinLength ||
            (fourFile && (!CAnsiCodec::CanEncode(typed) ||
                          CNewPasswordFields::CharacterCount(typed) > kMaxLength))) {
            CSecurityDlg::accept();
            return;
        }
        if (m_session.Unlock(CPassphraseText::From(typed))) {
            CSecurityDlg::accept();
            return;
        }
        // An encrypted diary may also be damaged or too new to read.
        const std::string why = m_session.UnlockFailureMessage();
        CMessageBox::Show(
            this, why.empty() ? CCurrentPassword::WrongPasswordMessage() : CPathText::Decoded(why),
            CAppInfo::Title());
        if (!why.empty()) {
            m_bFailed = true;
            QDialog::reject();
            return;
        }
        PasswordField()->setFocus();
        PasswordField()->selectAll();
    }

private:
    CDiarySession& m_session;
    bool m_bFailed = false;
};

} // namespace

CDiaryOpener::Opened CDiaryOpener::Open(QWidget* parent, const CDiaryName& name)
{
    Opened opened;
    // A folder, or a file that is no diary, is refused before the password
    // is asked and before anything is made beside it.
    if (const std::string problem = DiaryFileProblem(name); !problem.empty()) {
        CMessageBox::Show(parent, CStoreMessageText::Translated(CPathText::Decoded(problem)),
                          CAppInfo::Title());
        return opened;
    }
    // A new diary may be typed into a folder that does not exist yet
    // (~/Diaries/travel); the store creates only files, so make the folder
    // first. Should that fail, the store reports the file.
    QDir().mkpath(QFileInfo(CPathText::Decoded(name.Path())).absolutePath());
    auto session = std::make_unique<CDiarySession>(name);
    session->SetReadOnly(CDiarySession::IsFolderReadOnly(name.Path()));
    if (!session->IsReadOnly())
        CDiaryReservation::RemoveLeftOverLock(CPathText::Decoded(name.LockPath()));
    CDiaryReservation::Outcome reserved = CDiaryReservation::Outcome::Unavailable;
    opened.lock = CDiaryReservation::Reserve(CPathText::Decoded(name.Path()), reserved);
    if (reserved == CDiaryReservation::Outcome::HeldElsewhere) {
        CMessageBox::Show(parent, tr("This diary is already open in another Dayloom window."),
                          CAppInfo::Title());
        return opened;
    }
    if (reserved == CDiaryReservation::Outcome::Reserved && !session->IsReadOnly()) {
        // No other window writes the diary now: what a crash left of a
        // rewrite goes.
        RemoveStaleTemporaryFiles(name, CClock::Now());
    }

    if (!session->ReadFirstEntry()) {
        opened.outcome = Outcome::New;
        opened.session = std::move(session);
        return opened;
    }

    const bool encrypted = session->Encrypted() != nullptr;
    UnlockPrompt prompt(parent, std::move(session));
    prompt.m_strFile = CSettings::Get(CSettings::kShortFile);
    prompt.m_bNoCancel = false;
    prompt.m_bEncrypted = encrypted;
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        opened.outcome = prompt.Failed() ? Outcome::Refused : Outcome::Cancelled;
        opened.lock.reset();
        return opened;
    }
    opened.session = prompt.TakeSession();
    if (opened.session == nullptr) {
        opened.lock.reset();
        return opened; // Refused
    }
    opened.outcome = Outcome::Unlocked;
    return opened;
}

bool CDiaryOpener::UnlockAgain(QWidget* parent, CDiarySession& session)
{
    CMessageBox::Show(parent,
                      tr("The diary was changed by another program and no longer opens with the "
                         "password it was opened with. Type its password to go on."),
                      CAppInfo::Title(), CMessageBox::Icon::Information);
    UnlockAgainPrompt prompt(parent, session);
    prompt.m_strFile = CSettings::Get(CSettings::kShortFile);
    prompt.m_bNoCancel = false;
    prompt.m_bEncrypted = session.Encrypted() != nullptr;
    return CModal::Exec(prompt) == QDialog::Accepted && !prompt.Failed();
}
