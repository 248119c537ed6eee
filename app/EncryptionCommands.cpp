#include "app/EncryptionCommands.h"

#include "app/CurrentPassword.h"
#include "app/DiaryFileCommands.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "dialogs/ChangePasswordDlg.h"
#include "planning/DiaryRecords.h"
#include "platform/AppInfo.h"
#include "platform/FileErrorMessage.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"
#include "platform/PathText.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "store/DiaryConversion.h"
#include "store/DiarySession.h"
#include "store/DraftFile.h"
#include "store/DraftSealer.h"
#include "store/EncryptedSession.h"
#include "store/StoreFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <optional>

namespace {

QString Decoded(const std::string& path)
{
    return CPathText::Decoded(path);
}

} // namespace

void CEncryptionCommands::EncryptDiary()
{
    QWidget& window = m_window;
    Guarded(&window, [this, &window] {
        const QString caption = CAppInfo::Caption(tr("Encrypt diary"));
        const CDiarySession* session = m_diary.Session();
        if (session == nullptr || session->Encrypted() != nullptr || session->IsNew()) {
            CMessageBox::Show(&window,
                              tr("Open a diary that has a password (one entry at "
                                 "least) and is not encrypted yet."),
                              caption);
            return;
        }
        const CDiaryName source = session->Name();
        const CDiaryName sealed = source.WithExtension(CDiaryName::kEncryptedExtension);
        const std::string& target = sealed.Path();
        if (FileExists(target)) {
            CMessageBox::Show(&window,
                              tr("%1 exists already. Nothing was changed.").arg(Decoded(target)),
                              caption);
            return;
        }
        // The encrypted diary gets a password of its own (the old one may be
        // typed again): the four-file password is readable from any copy
        // of the old files.
        CChangePasswordDlg ask(&window, CNewPasswordFields::Kind::Encrypted, tr("Encrypt diary"));
        if (CModal::Exec(ask) != QDialog::Accepted) {
            return;
        }
        // The four-file diary's unsaved draft goes along, sealed anew under
        // the encrypted diary's key once that is open.
        std::optional<EntryDraft> draft;
        const CDraftFile oldDraft(source);
        if (const std::unique_ptr<CDraftSealer> sealer = CDraftSealer::ForSession(*session);
            sealer != nullptr && oldDraft.Exists()) {
            EntryDraft read;
            if (oldDraft.Read(read, *sealer) == CDraftFile::ReadResult::Ok) {
                draft = std::move(read);
            }
        }
        EncryptedResult result;
        {
            CWaitCursor wait;
            result = CDiaryConversion::Encrypt(source, target,
                                               CPassphraseText::From(ask.NewPassword()).utf8);
        }
        if (!result.ok()) {
            RemoveFile(target);
            CFileErrorMessage::Show(&window, CEncryptedSession::MessageFor(result, target));
            return;
        }
        const QString title = QFileInfo(Decoded(target)).completeBaseName();
        if (CMessageBox::Ask(&window,
                             tr("The encrypted diary %1 was written and checked. "
                                "Remove the four files of the unencrypted diary? "
                                "Copies of them elsewhere (backups, synced "
                                "copies) are not removed.")
                                 .arg(Decoded(target)),
                             caption)) {
            m_files.Close();
            for (size_t part = 0; part < kDiaryPartCount; ++part)
                RemoveFile(source.PartPath(static_cast<DiaryPart>(part)));
        }
        CSettings::Set(CSettings::kShortFile, title);
        if (m_files.Open(sealed, title)) {
            CSettings::Set(CSettings::kDiaryFile, Decoded(target));
            CSettings::Set(CSettings::kExtLoc, sealed.ExtLoc());
            const std::unique_ptr<CDraftSealer> sealer =
                CDraftSealer::ForSession(*m_diary.Session());
            if (draft && sealer != nullptr && CDraftFile(sealed).Write(*draft, *sealer).ok()) {
                oldDraft.Remove();
            }
        }
    });
}

void CEncryptionCommands::SaveDecryptedCopy()
{
    QWidget& window = m_window;
    Guarded(&window, [this, &window] {
        const QString caption = CAppInfo::Caption(tr("Save decrypted copy"));
        const CDiarySession* session = m_diary.Session();
        if (session == nullptr || session->Encrypted() == nullptr ||
            !session->Encrypted()->IsUnlocked()) {
            CMessageBox::Show(&window, tr("Open an encrypted diary first."), caption);
            return;
        }
        // Whoever finds the window open gets no plain copy without the
        // password.
        if (!CCurrentPassword::Confirm(&window, *session)) {
            return;
        }
        const CDiaryName copy = session->Name().WithExtension("ilm");
        const std::string& index = copy.Path();
        for (size_t part = 0; part < kDiaryPartCount; ++part) {
            const std::string path = copy.PartPath(static_cast<DiaryPart>(part));
            if (FileExists(path)) {
                CMessageBox::Show(&window,
                                  tr("%1 exists already. Nothing was written.").arg(Decoded(path)),
                                  caption);
                return;
            }
        }
        // Texts in any script keep only their Windows-1252 form in four files.
        if (const QStringList lost = CDiaryRecords::LostInFourFiles(*session, &window);
            !lost.isEmpty() &&
            !CMessageBox::Ask(&window,
                              QCoreApplication::translate(
                                  "CEncryptionCommands",
                                  "The four files cannot hold every character of these "
                                  "reminders and tasks; each one they lack becomes \"?\": %1. "
                                  "Write the copy all the same?")
                                  .arg(lost.join(QStringLiteral(", "))),
                              caption)) {
            return;
        }
        if (!CMessageBox::Ask(&window,
                              tr("The copy is not encrypted: anyone who gets its "
                                 "files can read the whole diary. Write it as %1 "
                                 "and its three sibling files?")
                                  .arg(Decoded(index)),
                              caption)) {
            return;
        }
        // The copy's records and texts get a password of their own: the
        // encrypted diary keeps none to hand out.
        CChangePasswordDlg ask(&window, CNewPasswordFields::Kind::FourFile,
                               tr("Save decrypted copy"));
        if (CModal::Exec(ask) != QDialog::Accepted) {
            return;
        }
        const Passphrase copyPassword = CPassphraseText::From(ask.NewPassword());
        if (!copyPassword.windows1252) {
            return; // the dialog refuses such a password
        }
        if (const FileResult written = CDiaryConversion::WriteDecryptedCopy(
                *session->Encrypted(), copy, *copyPassword.windows1252);
            !written.ok()) {
            CFileErrorMessage::Show(&window, written.Message());
            return;
        }
        CMessageBox::Show(&window, tr("The decrypted copy %1 was written.").arg(Decoded(index)),
                          caption, CMessageBox::Icon::Information);
    });
}

void CEncryptionCommands::ChangePassword()
{
    Guarded(&m_window, [this] {
        if (!m_diary.IsOpen()) {
            m_files.OpenOrCreate();
            if (!m_diary.IsOpen()) {
                return;
            }
        }
        if (!m_diary.MayChange(&m_window)) {
            return;
        }
        const CDiarySession& session = *m_diary.Session();
        CChangePasswordDlg dialog(&m_window, session.Encrypted() != nullptr
                                                 ? CNewPasswordFields::Kind::Encrypted
                                                 : CNewPasswordFields::Kind::FourFile);
        // A new diary has no password yet to ask.
        if (!session.IsNew()) {
            dialog.AskCurrentPassword([&session](QWidget* shown, const QString& typed) {
                const std::optional<bool> match = CCurrentPassword::Matches(shown, session, typed);
                if (match == false) {
                    CMessageBox::Show(shown, CCurrentPassword::WrongPasswordMessage(),
                                      CAppInfo::Title());
                }
                return match.value_or(false);
            });
        }
        if (CModal::Exec(dialog) != QDialog::Accepted) {
            return;
        }
        // The texts are written anew, elsewhere in the data file; an unsaved
        // draft is carried over.
        const bool changed = m_diary.ChangePassword(CPassphraseText::From(dialog.NewPassword()));
        CMessageBox::Show(&m_window,
                          changed ? tr("Password successfully changed!")
                                  : tr("An error occured! Your password was not "
                                       "changed successfully!"),
                          CAppInfo::Title());
    });
}
