#pragma once
// The entry editor's draft keeper: while the editor holds changes no draft
// has caught yet, it writes one beside the diary at most kDelayMs after the
// last change (one single-shot timer, restarted by every change, so nothing
// runs while the user does nothing) and at once when asked (the editor
// losing the focus). Saving or discarding the entry removes the draft.
// When an editor opens, the keeper offers a draft left over by a crash.

#include "store/DraftFile.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class CDiarySession;
class QTimer;
class QWidget;

class CNewEntryDlgDraft : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(CNewEntryDlgDraft)

public:
    static constexpr int kDelayMs = 10000;

    // `collect` reads the editor's controls into a draft (writtenAt is
    // filled here); `now` is the clock the written time comes from.
    CNewEntryDlgDraft(QObject* parent, std::function<const CDiarySession&()> session,
                      std::function<EntryDraft()> collect, std::function<int64_t()> now);

    // A change the draft does not hold yet: (re)starts the timer.
    void Changed();
    // Writes the draft now if a change is waiting for it.
    void WriteIfChanged();
    // The entry was saved or discarded: no draft is needed any more.
    void Remove();

    // A draft left over for this diary, after asking the user: "Restore"
    // returns it, "Discard draft" removes it. A draft sealed under an
    // earlier password is opened with that password, asked for; one that
    // cannot be read (or whose password the user does not have) is reported
    // and kept aside. `caption` is the asking window's caption. Without
    // `ask` a readable draft is restored at once.
    static std::optional<EntryDraft> Offer(QWidget* parent, const CDiarySession& session,
                                           const QString& caption, bool ask = true);

    QTimer* Timer() const { return m_pTimer; }

private:
    // A whole draft the diary's protection does not open was sealed under
    // an earlier password (a change that did not carry it over): asks for
    // that password, as long as the user wants to try. False when the user
    // gave up.
    static bool OpenWithEarlierPassword(QWidget* parent, const CDiarySession& session,
                                        const CDraftFile& file, const QString& caption,
                                        EntryDraft& draft);

    std::function<const CDiarySession&()> m_session;
    std::function<EntryDraft()> m_collect;
    std::function<int64_t()> m_now;
    QTimer* m_pTimer;
    bool m_bPending = false;
};
