#include "app/CurrentPassword.h"

#include "dialogs/SecurityDlg.h"
#include "platform/AppInfo.h"
#include "platform/BackgroundWork.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"
#include "platform/PathText.h"
#include "store/DiarySession.h"
#include "store/EncryptedDiaryFile.h"
#include "store/EncryptedSession.h"
#include "store/SecureBuffer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <cstring>
#include <memory>

namespace {

// The prompt: stays open on a wrong password, with the password selected
// for another try.
class CurrentPasswordPrompt : public CSecurityDlg
{
public:
    CurrentPasswordPrompt(QWidget* parent, const CDiarySession& session)
        : CSecurityDlg(parent), m_session(session)
    {
    }

    void accept() override
    {
        const std::optional<bool> match =
            CCurrentPassword::Matches(this, m_session, PasswordField()->text());
        if (!match) {
            QDialog::reject(); // cancelled while checking
            return;
        }
        if (*match) {
            QDialog::accept();
            return;
        }
        CMessageBox::Show(this, CCurrentPassword::WrongPasswordMessage(), CAppInfo::Title());
        PasswordField()->setFocus();
        PasswordField()->selectAll();
    }

private:
    const CDiarySession& m_session;
};

} // namespace

QString CCurrentPassword::WrongPasswordMessage()
{
    return QCoreApplication::translate(
        "CCurrentPassword",
        "The password you've specified is invalid for this diary! Please make sure you are "
        "opening the diary you wish to and that you are entering the password correctly. "
        "Remember, the password is case sEnSiTiVe!");
}

std::optional<bool> CCurrentPassword::Matches(QWidget* parent, const CDiarySession& session,
                                              const QString& typed)
{
    const CEncryptedSession* encrypted = session.Encrypted();
    if (encrypted == nullptr) {
        const Passphrase password = CPassphraseText::From(typed);
        if (!password.windows1252 || session.Password().empty())
            return false;
        // Cut at a zero byte, as a stored password is.
        const std::string& bytes = *password.windows1252;
        return std::string_view(bytes.c_str(), strnlen(bytes.c_str(), bytes.size())) ==
               session.Password();
    }
    struct Check
    {
        std::string block;
        Passphrase password;
        bool match = false;
    };
    auto check = std::make_shared<Check>();
    check->block = encrypted->File().KeyBlock();
    check->password = CPassphraseText::From(typed);
    const bool finished = CBackgroundWork::Run(
        parent, QCoreApplication::translate("CCurrentPassword", "Checking the password..."),
        [check] {
            CSecureBuffer key(kKeySize);
            check->match = CEncryptedDiaryFile::UnwrapKeyBlock(check->block, check->password, key);
            WipeString(check->password.utf8);
            if (check->password.windows1252)
                WipeString(*check->password.windows1252);
        });
    if (!finished)
        return std::nullopt;
    return check->match;
}

bool CCurrentPassword::Confirm(QWidget* parent, const CDiarySession& session)
{
    if (session.IsNew() || (session.Encrypted() != nullptr ? !session.Encrypted()->IsUnlocked()
                                                           : session.Password().empty())) {
        return true; // no password yet: nothing it could guard
    }
    CurrentPasswordPrompt prompt(parent, session);
    prompt.m_strFile = QFileInfo(CPathText::Decoded(session.Path())).completeBaseName();
    prompt.m_bEncrypted = session.Encrypted() != nullptr;
    return CModal::Exec(prompt) == QDialog::Accepted;
}
