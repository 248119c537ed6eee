#pragma once
// The main window's search mode. While it is on, the entry list shows only
// the entries whose displayed text holds the search text (and which pass the
// date and mood filters), each under its entry line with a snippet around
// the first match, and a heading counts them. The list is refilled as the
// user types (a short pause after the last key) by a search on another
// thread over the remembered plain texts; Next and Previous walk from match
// to match inside the entry on view and then on to the next or previous
// result. The remembered texts follow every change to the open diary.

#include "app/EntryBrowser.h"
#include "search/EntryTextCache.h"
#include "search/SearchQuery.h"
#include "search/TagCounts.h"
#include "store/Records.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <vector>

class COpenDiary;
class CSearchResultDelegate;
class CSearchResultModel;
class CSearchWorker;
class CTagWorker;
class QComboBox;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QWidget;

class CSearchMode : public QObject, public CListRows
{
    Q_OBJECT
public:
    // How long typing must pause before the results follow it.
    static constexpr int kDebounceMs = 150;

    CSearchMode(COpenDiary& diary, CEntryBrowser& browser, QWidget& window);

    // The search row (the Search button, the text field, the filters) and
    // the heading over the list, made once for the window's layout.
    QWidget* MakeControls(QWidget* parent, QPushButton* searchButton);
    QLabel* MakeHeading(QWidget* parent);
    // The search row's fields in Tab order.
    QList<QWidget*> TabChain() const;

    bool IsOn() const { return m_bOn; }
    // Search mode on (the results in the list) or off (the whole diary in
    // the list, the same entry selected).
    void SetOn(bool on);
    // Ctrl+F: on, the cursor in the search field.
    void Focus();

    // Rows of the results list and the diary entries they show.
    int RowCount() const override;
    int EntryOfRow(int row) const override;
    int RowOfEntry(int entry) const override;
    // The results for what the field and the filters say now, made here
    // and now if a search is still due or running.
    void Flush();

    // Next (forward) or Previous in search mode.
    void Step(bool forward);
    // A click on a tag in the entry view: search mode on, looking for it.
    void SearchTag(const QString& tag);
    // The "Tag:" filter's choices, "#tag (N)" after "(any)".
    QStringList TagChoices() const;
    // The plain texts remembered for searching (empty until the first
    // search, and again after a lock).
    const CEntryTextCache& RememberedTexts() const { return m_texts; }

signals:
    // Enter in the search field: the next match.
    void NextRequested();

private:
    // The diary's entries changed (a save, an edit, a deletion, an import,
    // a reload): the remembered texts follow, and the results are made
    // again at once, nothing selected.
    void DiaryChanged();
    // The remembered texts may no longer be where they were (a password
    // change, another program's changes, another diary): forget them all.
    void Forget();
    // The diary locked: search mode off, and nothing of what was searched
    // or found is left (the field, its undo, the results, the tags).
    void OnLocked();
    // Marks the first match in the entry just shown.
    void EntryShown();
    bool eventFilter(QObject* watched, QEvent* event) override;
    SearchQuery Query() const;
    void Schedule();
    void StartSearch();
    void RunNow(bool keepSelection);
    void OnFinished(quint64 run, const std::vector<SearchHit>& hits);
    // Fills the list with `hits`; the entry selected before stays selected
    // when `keepSelection` and it is still listed.
    void Apply(std::vector<SearchHit> hits, bool keepSelection);
    bool EnsureTexts();
    void MarkMatch(qsizetype at);
    void EnableControls();
    // Counts the tags of the remembered texts on the tag worker.
    void CountTags();
    void OnTagsCounted(const std::vector<TagCount>& tags);

    COpenDiary& m_diary;
    CEntryBrowser& m_browser;
    QWidget& m_window;
    CEntryTextCache m_texts;
    CSearchWorker* m_pWorker = nullptr;
    CTagWorker* m_pTagWorker = nullptr;
    CSearchResultModel* m_pResults = nullptr;
    CSearchResultDelegate* m_pDelegate = nullptr;
    QTimer* m_pDebounce = nullptr;
    quint64 m_nRun = 0;
    bool m_bRunning = false; // a search started on the worker has not answered yet
    bool m_bOn = false;
    qsizetype m_nMatchAt = -1; // the match marked in the entry on view

    QPushButton* m_pButton = nullptr;
    QLineEdit* m_pText = nullptr;
    QLabel* m_pHeading = nullptr;
    QCheckBox* m_pDates = nullptr;
    QDateEdit* m_pFrom = nullptr;
    QDateEdit* m_pTo = nullptr;
    QCheckBox* m_pMoods = nullptr;
    QSpinBox* m_pMinMood = nullptr;
    QSpinBox* m_pMaxMood = nullptr;
    QComboBox* m_pTag = nullptr;
};
