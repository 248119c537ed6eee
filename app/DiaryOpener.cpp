#include "app/DiaryOpener.h"

#include "dialogs/SecurityDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <cstring>

namespace {

const QString kInvalidPassword = QStringLiteral(
    "The password you've specified is invalid for this diary! Please make sure you are opening "
    "the diary you wish to and that you are entering the password correctly. Remember, the "
    "password is case sEnSiTiVe!");

// NAME.lock beside NAME.ilm.
QString LockPath(const std::string& path, uint16_t extLoc)
{
    return QFile::decodeName(QByteArray::fromStdString(path.substr(0, extLoc - 1u))) +
           QStringLiteral(".lock");
}

// The password prompt of a diary that has one: a wrong password is said
// over the prompt, which stays open with the password selected for another
// try. A diary that cannot be read (damaged, or of a newer format) ends it.
class UnlockPrompt : public CSecurityDlg
{
public:
    UnlockPrompt(QWidget* parent, CDiarySession& session) : CSecurityDlg(parent), m_session(session)
    {
    }

    // The diary could not be unlocked with any password (said).
    bool Failed() const { return m_bFailed; }

    void accept() override
    {
        const QString typed = PasswordField()->text();
        // What the prompt itself refuses (too short, not in the code page)
        // it says itself.
        if (!CAnsiCodec::CanEncode(typed) || typed.size() < kMinLength) {
            CSecurityDlg::accept();
            return;
        }
        const std::optional<std::string> bytes = CDiaryOpener::PasswordBytes(typed);
        if (bytes && m_session.Unlock(*bytes)) {
            CSecurityDlg::accept();
            return;
        }
        // An encrypted diary may also be damaged or too new to read.
        const std::string why = m_session.UnlockFailureMessage();
        CMessageBox::Show(this,
                          why.empty() ? kInvalidPassword
                                      : QFile::decodeName(QByteArray::fromStdString(why)),
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

std::optional<std::string> CDiaryOpener::PasswordBytes(const QString& typed)
{
    std::optional<std::string> bytes = CAnsiCodec::FromQString(typed);
    if (bytes) {
        bytes->resize(strnlen(bytes->c_str(), bytes->size()));
    }
    return bytes;
}

CDiaryOpener::Opened CDiaryOpener::Open(QWidget* parent, const std::string& path, uint16_t extLoc)
{
    Opened opened;
    // A new diary may be typed into a folder that does not exist yet
    // (~/Diaries/travel); the store creates only files, so make the folder
    // first. Should that fail, the store reports the file.
    QDir().mkpath(QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).absolutePath());
    auto session = std::make_unique<CDiarySession>(path, extLoc);
    session->SetReadOnly(CDiarySession::IsFolderReadOnly(path));
    if (!session->IsReadOnly()) {
        // A lock left by a program that ended without removing it is taken
        // over; only a running program's lock keeps the diary closed.
        opened.lock = std::make_unique<QLockFile>(LockPath(path, extLoc));
        opened.lock->setStaleLockTime(0);
        if (opened.lock->tryLock(0)) {
            // Like every file beside the diary, the lock is its owner's only.
            QFile::setPermissions(LockPath(path, extLoc),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        } else {
            const bool held = opened.lock->error() == QLockFile::LockFailedError;
            opened.lock.reset();
            if (held) {
                CMessageBox::Show(
                    parent, QStringLiteral("This diary is already open in another Dayloom window."),
                    CAppInfo::Title());
                return opened;
            }
        }
    }

    if (!session->ReadFirstEntry()) {
        opened.outcome = Outcome::New;
        opened.session = std::move(session);
        return opened;
    }

    UnlockPrompt prompt(parent, *session);
    prompt.m_strFile = CSettings::GetProfileString(QStringLiteral("shortFile"), QString());
    prompt.m_bNoCancel = false;
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        opened.outcome = prompt.Failed() ? Outcome::Refused : Outcome::Cancelled;
        opened.lock.reset();
        return opened;
    }
    opened.outcome = Outcome::Unlocked;
    opened.session = std::move(session);
    return opened;
}
