#pragma once
// The main window's entry list and the entry on view: which line is
// selected, which entry is shown, and the graph's current entry with it.
// The list shows the whole diary, or (in search mode) the rows another part
// hands it; either way commands speak of diary entry indexes. It follows the
// open diary's entries by itself.

#include "ratings/RatingLabels.h"

#include <QObject>
#include <cstdint>

class CEntryListModel;
class CEntryPanel;
class CGraphCtrl;
class COpenDiary;
class QAbstractItemDelegate;
class QAbstractItemModel;
class QListView;
class QWidget;
struct EntryChange;

// Rows of a list model other than the whole diary, and the entries they show.
class CListRows
{
public:
    virtual ~CListRows() = default;
    virtual int RowCount() const = 0;
    virtual int EntryOfRow(int row) const = 0;   // -1 for no such row
    virtual int RowOfEntry(int entry) const = 0; // -1 when it is not listed
};

class CEntryBrowser : public QObject
{
    Q_OBJECT
public:
    // Makes the list and the panel as children of `window`.
    CEntryBrowser(COpenDiary& diary, QWidget& window);

    QListView* List() const { return m_pList; }
    CEntryPanel* Panel() const { return m_pPanel; }
    void SetGraph(CGraphCtrl* graph) { m_pGraph = graph; }

    // The list's lines: the whole diary, or `rows` shown by `model`.
    void UseDiaryRows();
    void UseRows(QAbstractItemModel* model, QAbstractItemDelegate* delegate, const CListRows* rows);

    // The diary index of the entry on the selected line, -1 for none.
    int SelectedIndex() const;
    // Entries in the diary; lines in the list; the entry on a line.
    int EntryCount() const;
    int LineCount() const;
    int EntryOfLine(int line) const;
    // The entry's time as the list has it; 0 for no such entry.
    int64_t Time(int index) const;
    // Selects the line of entry `index` (none when it is not listed); the
    // entry on view does not change.
    void SelectRow(int index);
    // Reads entry `index` and shows it (a file error escapes).
    void Display(int index);
    // Both, and the keyboard focus on the list.
    void Show(int index);
    // The entry on view, -1 for none.
    int ShownEntry() const { return m_nShown; }
    // The last entry read and shown before the list is filled: start-up's
    // first picture costs the same for every diary size.
    void DisplayLastEntry();
    // A text of the program's own on view, no entry shown.
    void ShowMessage(const QString& text);
    void FocusList();
    // The rating labels after the options changed.
    void LoadLabels();

signals:
    // Entry `index` is now on view.
    void Displayed(int index);

private:
    void OnEntriesChanged();
    void OnClosed();
    void OnSelectionChanged();

    COpenDiary& m_diary;
    QWidget& m_window;
    QListView* m_pList = nullptr;
    CEntryListModel* m_pModel = nullptr;
    QAbstractItemDelegate* m_pDelegate = nullptr;
    CEntryPanel* m_pPanel = nullptr;
    CGraphCtrl* m_pGraph = nullptr;
    const CListRows* m_pRows = nullptr; // null: the whole diary
    RatingLabels m_labels;
    int m_nShown = -1;
    bool m_bSelecting = false;
};
