#include "dialogs/NewEntryDlgDraft.h"

#include "dialogs/SecurityDlg.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PassphraseText.h"
#include "platform/PathText.h"
#include "platform/ShownTime.h"
#include "store/DiarySession.h"
#include "store/DraftSealer.h"

#include <QDir>
#include <QFile>
#include <QTimer>

CNewEntryDlgDraft::CNewEntryDlgDraft(QObject* parent, std::function<const CDiarySession&()> session,
                                     std::function<EntryDraft()> collect,
                                     std::function<int64_t()> now)
    : QObject(parent), m_session(std::move(session)), m_collect(std::move(collect)),
      m_now(std::move(now)), m_pTimer(new QTimer(this))
{
    m_pTimer->setObjectName("draftTimer");
    m_pTimer->setSingleShot(true);
    m_pTimer->setInterval(kDelayMs);
    connect(m_pTimer, &QTimer::timeout, this, &CNewEntryDlgDraft::WriteIfChanged);
}

void CNewEntryDlgDraft::Changed()
{
    m_bPending = true;
    m_pTimer->start();
}

void CNewEntryDlgDraft::WriteIfChanged()
{
    m_pTimer->stop();
    if (!m_bPending) {
        return;
    }
    const CDiarySession& session = m_session();
    const std::unique_ptr<CDraftSealer> sealer = CDraftSealer::ForSession(session);
    if (session.Path().empty() || session.IsReadOnly() || sealer == nullptr) {
        return; // no draft this diary could protect, or none it could hold
    }
    EntryDraft draft = m_collect();
    draft.writtenAt = m_now();
    // A draft that could not be written is tried again with the next change;
    // the entry itself is still in the editor.
    if (CDraftFile(session.Name()).Write(draft, *sealer).ok()) {
        m_bPending = false;
    }
}

void CNewEntryDlgDraft::Remove()
{
    m_pTimer->stop();
    m_bPending = false;
    const CDiarySession& session = m_session();
    if (!session.Path().empty() && !session.IsReadOnly()) {
        CDraftFile(session.Name()).Remove();
    }
}

bool CNewEntryDlgDraft::OpenWithEarlierPassword(QWidget* parent, const CDiarySession& session,
                                                const CDraftFile& file, const QString& caption,
                                                EntryDraft& draft)
{
    QString question =
        tr("The unsaved draft was sealed under an earlier password of this diary. Type that "
           "password to restore it?");
    for (;;) {
        if (CMessageBox::Choose(parent, question, caption,
                                {tr("&Type the password"), tr("&Set aside")}, 0) != 0) {
            return false;
        }
        CSecurityDlg prompt(parent);
        prompt.m_strFile = tr("The earlier password of the draft");
        prompt.m_bEncrypted = session.Encrypted() != nullptr;
        if (CModal::Exec(prompt) != QDialog::Accepted) {
            return false;
        }
        const std::unique_ptr<CDraftSealer> earlier =
            CDraftSealer::ForEarlierPassword(session, CPassphraseText::From(prompt.m_strPassword));
        if (earlier != nullptr && file.Read(draft, *earlier) == CDraftFile::ReadResult::Ok) {
            return true;
        }
        question = tr("That password does not open the draft. Try another?");
    }
}

std::optional<EntryDraft> CNewEntryDlgDraft::Offer(QWidget* parent, const CDiarySession& session,
                                                   const QString& caption, bool ask)
{
    const CDraftFile file(session.Name());
    const std::unique_ptr<CDraftSealer> sealer = CDraftSealer::ForSession(session);
    if (session.Path().empty() || sealer == nullptr || !file.Exists()) {
        return std::nullopt;
    }
    EntryDraft draft;
    CDraftFile::ReadResult read = file.Read(draft, *sealer);
    if (read == CDraftFile::ReadResult::SealedElsewhere) {
        read = OpenWithEarlierPassword(parent, session, file, caption, draft)
                   ? CDraftFile::ReadResult::Ok
                   : CDraftFile::ReadResult::Damaged;
    }
    switch (read) {
    case CDraftFile::ReadResult::Missing:
        return std::nullopt;
    case CDraftFile::ReadResult::SealedElsewhere:
    case CDraftFile::ReadResult::Damaged: {
        const std::optional<std::string> aside = file.KeepAside();
        const std::string kept = aside ? *aside : file.Path();
        CMessageBox::Show(parent,
                          tr("The unsaved draft could not be read; it was kept as %1.")
                              .arg(CPathText::Shown(kept)),
                          caption, CMessageBox::Icon::Exclamation);
        return std::nullopt;
    }
    case CDraftFile::ReadResult::Ok:
        break;
    }
    if (!ask) {
        return draft;
    }
    const QString when = CShownTime::Format(QStringLiteral("%#c"), draft.writtenAt);
    // Which entry it is: the one it was editing (by the day it had then), or
    // a new one.
    const QString entry =
        draft.editing ? tr("the entry of %1")
                            .arg(CShownTime::Format(QStringLiteral("%#d %b %Y"), draft.editedTime))
                      : tr("a new entry");
    const int choice = CMessageBox::Choose(
        parent, tr("A draft of %1 from %2 was not saved. Restore it?").arg(entry, when), caption,
        {tr("Restore"), tr("Discard draft")}, 0);
    if (choice == 1) {
        file.Remove();
        return std::nullopt;
    }
    return draft;
}
