#pragma once
// What the import tests share: samples, local times, the main window, what the entry view shows.

#include "import/ForeignImporter.h"
#include "import/Version1Importer.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"
#include "store/DiarySession.h"
#include "store/TimeText.h"
#include "tests/import/FolderTestSupport.h"
#include "tests/support/TestDiary.h"

#include <QTextBlock>
#include <QTextDocument>
#include <memory>

namespace importtest {

using namespace foldertest;

inline QString Sample(const QString& name)
{
    return QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/import/") + name;
}

inline std::string When(int64_t time)
{
    return FormatTime("%Y-%m-%d %H:%M:%S", time);
}

// What the entry view shows of an entry's RTF: the words that are bold,
// joined by "|", and the pictures, in order.
struct Shown
{
    QString bold;
    std::vector<RtfPicture> pictures;
};

inline Shown ShownOf(const std::string& rtf)
{
    QTextDocument document;
    RtfToDocument(rtf, document);
    Shown shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.fontWeight() >= QFont::Bold) {
                shown.bold += (shown.bold.isEmpty() ? "" : "|") + it.fragment().text();
            }
            if (auto picture = RtfPicture::FromFormat(format.toImageFormat())) {
                shown.pictures.push_back(std::move(*picture));
            }
        }
    }
    return shown;
}

const QString kNewDiary = "You are creating a new diary and you must specify a password for it. "
                          "The password is case SeNsItIvE!";

// The main window as both importers use it: Open/Create opens `next` (none: cancelled) with
// `unlockWith`; a new encrypted diary goes to `newDiary` (none: no place given).
class CRecordingHost : public CVersion1Importer::Host, public CForeignImporter::Host
{
public:
    QWidget* Window() override { return nullptr; }
    const CDiarySession* Session() const override { return session.get(); }
    bool MayChange() override { return true; }
    void CloseAndOpenOrCreateDiary() override
    {
        ++opens;
        session.reset();
        diary = std::exchange(next, QString());
        if (diary.isEmpty()) {
            return;
        }
        session = std::make_unique<CDiarySession>(NameOf(diary));
        if (session->ReadFirstEntry()) {
            EXPECT_TRUE(session->Unlock(Passphrase(unlockWith)));
        }
    }
    bool CreateEncryptedDiary() override
    {
        ++opens;
        if (newDiary.isEmpty()) {
            return false;
        }
        session = std::make_unique<CDiarySession>(CDiaryName(Encoded(newDiary)));
        session->ReadFirstEntry();
        return true;
    }
    std::optional<std::string> AskNewPassword() override
    {
        CMessageBox::Show(nullptr, kNewDiary, CAppInfo::Title());
        EXPECT_TRUE(session->SetPassword(Passphrase("Sesame")));
        return session->Password();
    }
    void ReloadDiary(bool hasEntries) override
    {
        reloads.push_back(hasEntries);
        messagesBeforeReload = CMessageBox::History().size();
    }

    std::unique_ptr<CDiarySession> session;
    QString next;
    QString diary;
    QString newDiary;
    std::string unlockWith;
    int opens = 0;
    std::vector<bool> reloads;
    size_t messagesBeforeReload = 0;
};

} // namespace importtest
