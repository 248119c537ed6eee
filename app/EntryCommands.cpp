#include "app/EntryCommands.h"

#include "app/CurrentPassword.h"
#include "app/DiaryFileCommands.h"
#include "app/EntryBrowser.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "dialogs/NewEntryDlg.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ShownTime.h"
#include "platform/WaitCursor.h"
#include "print/EntryPrinter.h"
#include "stats/StatisticsDlg.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"

namespace {

// A PDF file holds the entries in plain text: the diary's password first.
CEntryPrinter::PasswordCheck PdfPassword(const CDiarySession& session)
{
    return [&session](QWidget* parent) { return CCurrentPassword::Confirm(parent, session); };
}

// The editor is open for as long as it lives.
class EditorOpen
{
public:
    explicit EditorOpen(COpenDiary& diary) : m_diary(diary) { m_diary.SetEditorOpen(true); }
    ~EditorOpen() { m_diary.SetEditorOpen(false); }
    EditorOpen(const EditorOpen&) = delete;
    EditorOpen& operator=(const EditorOpen&) = delete;

private:
    COpenDiary& m_diary;
};

} // namespace

void CEntryCommands::NewEntry()
{
    Guarded(&m_window, [this] {
        if (!m_diary.IsOpen()) {
            m_files.OpenOrCreate();
            if (!m_diary.IsOpen()) {
                return;
            }
        }
        if (!m_diary.MayChange(&m_window) || !m_diary.EnsurePassword(&m_window)) {
            return;
        }
        RunEditor(std::nullopt);
    });
}

void CEntryCommands::EditEntry()
{
    Guarded(&m_window, [this] {
        if (m_browser.EntryCount() == 0) {
            return;
        }
        const int selected = m_browser.SelectedIndex();
        if (selected < 0) {
            CMessageBox::Show(&m_window, tr("You must have an entry selected in order to edit it!"),
                              CAppInfo::Caption(tr("Edit Entry")));
            return;
        }
        if (m_diary.Session()->IsReadOnly()) {
            m_diary.MayChange(&m_window); // says why
            return;
        }
        // Another program changed the diary: the list is read again and the
        // user chooses anew what to edit.
        if (m_diary.ReloadIfChanged()) {
            return;
        }
        RunEditor(static_cast<uint32_t>(selected));
    });
}

void CEntryCommands::RunEditor(std::optional<uint32_t> editIndex, bool reopening)
{
    // Changes from outside are read while the editor is open; it finds its
    // entry again by its time and text when it saves.
    CNewEntryDlg::Outcome outcome;
    {
        const EditorOpen open(m_diary);
        outcome =
            CNewEntryDlg::Run(&m_window, *m_diary.Session(), editIndex, CClock::Now(), reopening);
    }
    if (outcome.closedByLock) {
        m_lockedEditor = editIndex;
        return;
    }
    // A diary whose password was changed elsewhere, and not given, is closed.
    if (!m_diary.IsOpen()) {
        return;
    }
    if (outcome.saved) {
        CWaitCursor wait;
        EntryChange change;
        // Should the saved entry not be found again, the edited one (or the
        // last, for a new one) is shown.
        change.shown = outcome.savedIndex ? static_cast<int>(*outcome.savedIndex)
                                          : (editIndex ? static_cast<int>(*editIndex) : -1);
        if (change.shown >= 0) {
            change.indexes.push_back(change.shown);
        }
        m_diary.CommitEntries(change);
    }
    // The keys go on where they were: in the list, on the entry on view.
    m_browser.FocusList();
}

void CEntryCommands::ReopenLockedEditor()
{
    if (!m_lockedEditor || !m_diary.IsOpen()) {
        return;
    }
    const std::optional<uint32_t> editIndex = *m_lockedEditor;
    m_lockedEditor.reset();
    Guarded(&m_window, [this, editIndex] { RunEditor(editIndex, true); });
}

void CEntryCommands::DeleteEntry()
{
    Guarded(&m_window, [this] {
        if (m_browser.EntryCount() == 0) {
            return;
        }
        const QString caption = CAppInfo::Caption(tr("Delete Entry"));
        if (m_browser.SelectedIndex() < 0) {
            CMessageBox::Show(
                &m_window, tr("You must have an entry selected in order to delete it!"), caption);
            return;
        }
        if (!m_diary.MayChange(&m_window)) {
            return;
        }
        // The entry on view is the selected one; the question names it, and
        // is asked again should another program change the diary meanwhile.
        int selected = -1;
        do {
            selected = m_browser.SelectedIndex();
            if (selected < 0) {
                return;
            }
            const QString question = tr("Delete current entry (%1)?")
                                         .arg(CShownTime::Format(tr("%a, %d %b %Y at %H:%M:%S"),
                                                                 m_browser.Time(selected)));
            if (!CMessageBox::Ask(&m_window, question, caption)) {
                m_browser.FocusList();
                return;
            }
        } while (m_diary.ReloadIfChanged());
        if (!m_diary.IsOpen()) {
            return;
        }

        if (m_diary.Store(selected)->DeleteEntry(static_cast<uint32_t>(selected))) {
            CWaitCursor wait;
            m_diary.CommitEntries({.all = true, .removed = selected});
        }
        m_browser.FocusList();
    });
}

void CEntryCommands::Statistics()
{
    Guarded(&m_window, [this] {
        if (!m_diary.IsOpen()) {
            return;
        }
        CStatisticsDlg dialog(*m_diary.Session(), CClock::Now(), &m_window);
        // A day it asks for is shown here; the window goes with the diary.
        QObject::connect(&dialog, &CStatisticsDlg::ShowEntryRequested, &dialog, [this](int entry) {
            if (entry >= 0 && entry < m_browser.EntryCount()) {
                Guarded(&m_window, [this, entry] {
                    m_browser.SelectRow(entry);
                    m_browser.Display(entry);
                });
            }
        });
        QObject::connect(&m_diary, &COpenDiary::closed, &dialog, &QDialog::reject);
        QObject::connect(&m_diary, &COpenDiary::locked, &dialog, &QDialog::reject);
        CModal::Exec(dialog);
        m_browser.FocusList();
    });
}

void CEntryCommands::PrintCurrentEntry()
{
    Guarded(&m_window, [this] {
        if (m_browser.EntryCount() > 0) {
            CEntryPrinter::PrintCurrentEntry(&m_window, *m_diary.Session(),
                                             m_browser.SelectedIndex(),
                                             PdfPassword(*m_diary.Session()));
        }
    });
}

void CEntryCommands::PrintAllEntries()
{
    Guarded(&m_window, [this] {
        if (m_browser.EntryCount() > 0) {
            CEntryPrinter::PrintAllEntries(&m_window, *m_diary.Session(), m_browser.EntryCount(),
                                           PdfPassword(*m_diary.Session()));
        }
    });
}
