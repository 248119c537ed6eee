#include "app/EncryptionCommands.h"

#include "app/DayloomDlg.h"
#include "platform/AppInfo.h"
#include "platform/FileErrorMessage.h"
#include "platform/MessageBox.h"
#include "platform/PathText.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "store/DiaryConversion.h"
#include "store/DiarySession.h"
#include "store/EncryptedSession.h"
#include "store/StoreFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString Decoded(const std::string& path)
{
    return CPathText::Decoded(path);
}

} // namespace

void CEncryptionCommands::EncryptDiary(CDayloomDlg& window)
{
    window.Guarded([&window] {
        const QString caption = CAppInfo::Caption(QStringLiteral("Encrypt diary"));
        const CDiarySession* session = window.Session();
        if (session == nullptr || session->Encrypted() != nullptr || session->IsNew()) {
            CMessageBox::Show(&window,
                              QStringLiteral("Open a diary that has a password (one entry at "
                                             "least) and is not encrypted yet."),
                              caption);
            return;
        }
        const CDiaryName source = session->Name();
        const CDiaryName sealed = source.WithExtension(CDiaryName::kEncryptedExtension);
        const std::string& target = sealed.Path();
        if (FileExists(target)) {
            CMessageBox::Show(
                &window,
                QStringLiteral("%1 exists already. Nothing was changed.").arg(Decoded(target)),
                caption);
            return;
        }
        EncryptedResult result;
        {
            CWaitCursor wait;
            result = CDiaryConversion::Encrypt(source, target, session->Password());
        }
        if (!result.ok()) {
            RemoveFile(target);
            CFileErrorMessage::Show(&window, CEncryptedSession::MessageFor(result, target));
            return;
        }
        const QString title = QFileInfo(Decoded(target)).completeBaseName();
        if (CMessageBox::Ask(&window,
                             QStringLiteral("The encrypted diary %1 was written and checked. "
                                            "Remove the four files of the unencrypted diary?")
                                 .arg(Decoded(target)),
                             caption)) {
            window.CloseDiary();
            for (size_t part = 0; part < kDiaryPartCount; ++part)
                RemoveFile(source.PartPath(static_cast<DiaryPart>(part)));
        }
        CSettings::Set(CSettings::kShortFile, title);
        if (window.OpenDiary(sealed, title)) {
            CSettings::Set(CSettings::kDiaryFile, Decoded(target));
            CSettings::Set(CSettings::kExtLoc, sealed.ExtLoc());
        }
    });
}

void CEncryptionCommands::SaveDecryptedCopy(CDayloomDlg& window)
{
    window.Guarded([&window] {
        const QString caption = CAppInfo::Caption(QStringLiteral("Save decrypted copy"));
        const CDiarySession* session = window.Session();
        if (session == nullptr || session->Encrypted() == nullptr ||
            !session->Encrypted()->IsUnlocked()) {
            CMessageBox::Show(&window, QStringLiteral("Open an encrypted diary first."), caption);
            return;
        }
        const CDiaryName copy = session->Name().WithExtension("ilm");
        const std::string& index = copy.Path();
        for (size_t part = 0; part < kDiaryPartCount; ++part) {
            const std::string path = copy.PartPath(static_cast<DiaryPart>(part));
            if (FileExists(path)) {
                CMessageBox::Show(
                    &window,
                    QStringLiteral("%1 exists already. Nothing was written.").arg(Decoded(path)),
                    caption);
                return;
            }
        }
        if (!CMessageBox::Ask(&window,
                              QStringLiteral("The copy is not encrypted: anyone who gets its "
                                             "files can read the whole diary. Write it as %1 "
                                             "and its three sibling files?")
                                  .arg(Decoded(index)),
                              caption)) {
            return;
        }
        if (const FileResult written =
                CDiaryConversion::WriteDecryptedCopy(*session->Encrypted(), copy);
            !written.ok()) {
            CFileErrorMessage::Show(&window, written.Message());
            return;
        }
        CMessageBox::Show(&window,
                          QStringLiteral("The decrypted copy %1 was written.").arg(Decoded(index)),
                          caption, CMessageBox::Icon::Information);
    });
}
