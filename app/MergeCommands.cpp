#include "app/MergeCommands.h"

#include "app/BackgroundUnlock.h"
#include "app/CurrentPassword.h"
#include "app/Guarded.h"
#include "app/MergeTexts.h"
#include "app/OpenDiary.h"
#include "dialogs/MergePreviewDlg.h"
#include "dialogs/SecurityDlg.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"
#include "platform/PathText.h"
#include "platform/Shell.h"
#include "platform/WaitCursor.h"
#include "store/DiaryMerge.h"
#include "store/DiarySession.h"
#include "store/EncryptedSession.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <QUrl>

namespace {

// The copies answered "Not now", for as long as the program runs.
QSet<QString>& PutOff()
{
    static QSet<QString> copies;
    return copies;
}

QString Caption()
{
    return CAppInfo::Caption(CMergeCommands::tr("Merge another diary"));
}

} // namespace

CMergeCommands::CMergeCommands(COpenDiary& diary, QWidget& window)
    : QObject(&diary), m_diary(diary), m_window(window)
{
    // Asked once the window has shown the diary just opened.
    connect(&m_diary, &COpenDiary::opened, this, [this] {
        QTimer::singleShot(0, this, [this] { OfferCopies(m_diary.ConflictCopies()); });
    });
    connect(&m_diary, &COpenDiary::conflictCopiesAppeared, this, &CMergeCommands::OfferCopies);
}

void CMergeCommands::MergeAnother()
{
    Guarded(&m_window, [this] {
        if (!m_diary.IsOpen()) {
            return;
        }
        const QString folder = QFileInfo(CPathText::Decoded(m_diary.Session()->Path())).path();
        const std::optional<QString> path =
            CFileDialogs::OpenFile(&m_window, tr("Merge another diary"),
                                   tr("Diaries (*.dayloom *.ilm);;All files (*)"), folder);
        if (path && !path->isEmpty()) {
            MergeFrom(*path);
        }
    });
}

void CMergeCommands::OfferCopies(const QStringList& paths)
{
    // One question at a time; a read-only diary cannot take the entries.
    if (m_bAsking || !m_diary.IsOpen() || m_diary.Session()->IsReadOnly()) {
        return;
    }
    m_bAsking = true;
    Guarded(&m_window, [this, &paths] {
        for (const QString& path : paths) {
            if (PutOff().contains(path) || !QFileInfo::exists(path) || !m_diary.IsOpen()) {
                continue;
            }
            const QString question =
                tr("Another copy of this diary was found: %1. Merge its entries into this diary?")
                    .arg(QFileInfo(path).fileName());
            for (;;) {
                const int answer =
                    CMessageBox::Choose(&m_window, question, CAppInfo::Title(),
                                        {tr("Merge"), tr("Not now"), tr("Show in folder")}, 0);
                if (answer == 2) {
                    CShell::Open(QUrl::fromLocalFile(QFileInfo(path).absolutePath()).toString());
                    continue;
                }
                if (answer != 0 || !MergeFrom(path)) {
                    PutOff().insert(path);
                } else {
                    OfferRemoval(path);
                }
                break;
            }
        }
    });
    m_bAsking = false;
}

bool CMergeCommands::MergeFrom(const QString& path)
{
    if (!m_diary.MayChange(&m_window)) {
        return false;
    }
    std::optional<DiaryParts> other = ReadOther(path);
    if (!other || !m_diary.IsOpen()) {
        return false;
    }
    const QString copy = QFileInfo(path).fileName();
    CDiaryMerge::Plan plan;
    {
        CWaitCursor wait;
        const CDiarySession& session = *m_diary.Session();
        DiaryParts mine;
        if (const CEncryptedSession* encrypted = session.Encrypted()) {
            if (encrypted->IsUnlocked()) {
                mine = encrypted->CurrentParts();
            }
        } else if (!CDiaryMerge::ReadFiles(session.Name(), mine)) {
            return false;
        }
        if (!CDiaryMerge::Compare(mine, *other, plan)) {
            CMessageBox::Show(
                &m_window,
                tr("%1 is damaged: its entries cannot be read. Nothing was merged.").arg(copy),
                Caption());
            return false;
        }
    }
    if (plan.IsEmpty()) {
        CMessageBox::Show(
            &m_window,
            tr("This diary already holds everything %1 holds: nothing was added.").arg(copy),
            Caption(), CMessageBox::Icon::Information);
        return true;
    }
    CMergePreviewDlg preview(&m_window, copy, CMergeTexts::Preview(plan));
    if (CModal::Exec(preview) != QDialog::Accepted) {
        return false;
    }
    CDiaryMerge::Plan applied;
    bool merged = false;
    {
        CWaitCursor wait;
        merged = m_diary.Merge(*other, &applied);
    }
    if (!merged) {
        return false; // said by the store
    }
    CMessageBox::Show(
        &m_window,
        applied.IsEmpty()
            ? tr("This diary already holds everything %1 holds: nothing was added.").arg(copy)
            : CMergeTexts::Result(applied),
        Caption(), CMessageBox::Icon::Information);
    return true;
}

std::optional<DiaryParts> CMergeCommands::ReadOther(const QString& path)
{
    const CDiaryName name(CPathText::Encoded(path));
    if (!QFileInfo::exists(path) || !name.IsUsable()) {
        CMessageBox::Show(&m_window, tr("%1 is not a diary.").arg(path), Caption());
        return std::nullopt;
    }
    const CDiarySession& mine = *m_diary.Session();
    CWaitCursor wait;
    // A copy a sync tool made still opens with this diary's key.
    if (name.IsEncrypted() && mine.Encrypted() != nullptr && mine.Encrypted()->IsUnlocked()) {
        CEncryptedDiaryFile copy(name.Path());
        if (copy.OpenWithKeyOf(mine.Encrypted()->File()).ok()) {
            return copy.Parts();
        }
    }
    auto other = std::make_unique<CDiarySession>(name);
    other->SetReadOnly(true); // never written, not even to bring it up to date
    bool unlocked = !other->ReadFirstEntry();
    if (!unlocked && !name.IsEncrypted() && mine.Encrypted() == nullptr) {
        unlocked = other->Unlock(Passphrase(mine.Password(), mine.Password()));
    }
    while (!unlocked) {
        CSecurityDlg prompt(&m_window);
        prompt.m_strFile = QFileInfo(path).fileName();
        prompt.m_bNoCancel = false;
        prompt.m_bEncrypted = name.IsEncrypted();
        if (CModal::Exec(prompt) != QDialog::Accepted) {
            return std::nullopt;
        }
        // The key derivation runs off the window's thread.
        CBackgroundUnlock::Result result = CBackgroundUnlock::Unlock(
            &m_window, std::move(other), CPassphraseText::From(prompt.m_strPassword));
        if (result.outcome == CBackgroundUnlock::Outcome::Cancelled) {
            return std::nullopt;
        }
        other = std::move(result.session);
        unlocked = result.outcome == CBackgroundUnlock::Outcome::Unlocked;
        if (!unlocked) {
            CMessageBox::Show(&m_window,
                              result.failure.empty() ? CCurrentPassword::WrongPasswordMessage()
                                                     : CPathText::Decoded(result.failure),
                              CAppInfo::Title());
            if (!result.failure.empty()) {
                return std::nullopt;
            }
        }
    }
    if (const CEncryptedSession* encrypted = other->Encrypted()) {
        if (!encrypted->IsUnlocked()) {
            return DiaryParts(); // no file: nothing to merge
        }
        return encrypted->CurrentParts();
    }
    DiaryParts parts;
    if (!CDiaryMerge::ReadFiles(name, parts)) {
        return std::nullopt;
    }
    return parts;
}

void CMergeCommands::OfferRemoval(const QString& path)
{
    const int answer =
        CMessageBox::Choose(&m_window,
                            tr("The entries of %1 are now in this diary. Remove the copy?")
                                .arg(QFileInfo(path).fileName()),
                            Caption(), {tr("Keep it"), tr("Remove")}, 0);
    if (answer != 1) {
        return;
    }
    const CDiaryName name(CPathText::Encoded(path));
    QStringList files{path};
    if (!name.IsEncrypted()) {
        for (DiaryPart part : {DiaryPart::Texts, DiaryPart::Reminders, DiaryPart::Planner}) {
            files << CPathText::Decoded(name.PartPath(part));
        }
    }
    for (const QString& file : files) {
        if (QFileInfo::exists(file) && !QFile::remove(file)) {
            CMessageBox::Show(&m_window, tr("%1 could not be removed.").arg(file), Caption());
            return;
        }
    }
}
