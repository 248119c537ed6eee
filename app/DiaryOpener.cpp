#include "app/DiaryOpener.h"

#include "dialogs/SecurityDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PathText.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cstring>

namespace {

const QString kInvalidPassword = QStringLiteral(
    "The password you've specified is invalid for this diary! Please make sure you are opening "
    "the diary you wish to and that you are entering the password correctly. Remember, the "
    "password is case sEnSiTiVe!");

} // namespace

std::optional<std::string> CDiaryOpener::PasswordBytes(const QString& typed)
{
    std::optional<std::string> bytes = CAnsiCodec::FromQString(typed);
    if (bytes) {
        bytes->resize(strnlen(bytes->c_str(), bytes->size()));
    }
    return bytes;
}

CDiaryOpener::Opened CDiaryOpener::Open(QWidget* parent, const CDiaryName& name)
{
    Opened opened;
    // A new diary may be typed into a folder that does not exist yet
    // (~/Diaries/travel); the store creates only files, so make the folder
    // first. Should that fail, the store reports the file.
    QDir().mkpath(QFileInfo(CPathText::Decoded(name.Path())).absolutePath());
    auto session = std::make_unique<CDiarySession>(name);
    session->SetReadOnly(CDiarySession::IsFolderReadOnly(name.Path()));
    if (!session->IsReadOnly()) {
        // A lock left by a program that ended without removing it is taken
        // over; only a running program's lock keeps the diary closed.
        opened.lock = std::make_unique<QLockFile>(CPathText::Decoded(name.LockPath()));
        opened.lock->setStaleLockTime(0);
        if (opened.lock->tryLock(0)) {
            // Like every file beside the diary, the lock is its owner's only.
            QFile::setPermissions(CPathText::Decoded(name.LockPath()),
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

    CSecurityDlg prompt(parent);
    prompt.m_strFile = CSettings::Get(CSettings::kShortFile);
    prompt.m_bNoCancel = false;
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        opened.outcome = Outcome::Cancelled;
        opened.lock.reset();
        return opened;
    }
    const std::optional<std::string> typed = PasswordBytes(prompt.m_strPassword);
    if (!typed || !session->Unlock(*typed)) {
        // An encrypted diary may also be damaged or too new to read.
        const std::string why = session->UnlockFailureMessage();
        CMessageBox::Show(parent, why.empty() ? kInvalidPassword : CPathText::Decoded(why),
                          CAppInfo::Title());
        opened.lock.reset();
        return opened;
    }
    opened.outcome = Outcome::Unlocked;
    opened.session = std::move(session);
    return opened;
}
