#include "app/DiaryOpener.h"

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
#include "store/DiaryFileCheck.h"
#include "store/DiarySession.h"
#include "store/StaleTemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {

const QString kInvalidPassword = QStringLiteral(
    "The password you've specified is invalid for this diary! Please make sure you are opening "
    "the diary you wish to and that you are entering the password correctly. Remember, the "
    "password is case sEnSiTiVe!");

} // namespace

CDiaryOpener::Opened CDiaryOpener::Open(QWidget* parent, const CDiaryName& name)
{
    Opened opened;
    // A folder, or a file that is no diary, is refused before the password
    // is asked and before anything is made beside it.
    if (const std::string problem = DiaryFileProblem(name); !problem.empty()) {
        CMessageBox::Show(parent, CPathText::Decoded(problem), CAppInfo::Title());
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
        CMessageBox::Show(parent,
                          QStringLiteral("This diary is already open in another Dayloom window."),
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

    CSecurityDlg prompt(parent);
    prompt.m_strFile = CSettings::Get(CSettings::kShortFile);
    prompt.m_bNoCancel = false;
    prompt.m_bEncrypted = session->Encrypted() != nullptr;
    if (CModal::Exec(prompt) != QDialog::Accepted) {
        opened.outcome = Outcome::Cancelled;
        opened.lock.reset();
        return opened;
    }
    if (!session->Unlock(CPassphraseText::From(prompt.m_strPassword))) {
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
