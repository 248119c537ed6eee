#include "app/EntryBrowser.h"

#include "app/EntryLineDelegate.h"
#include "app/EntryListModel.h"
#include "app/EntryPanel.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "widgets/GraphCtrl.h"

#include <QItemSelectionModel>
#include <QListView>

CEntryBrowser::CEntryBrowser(COpenDiary& diary, QWidget& window)
    : QObject(&window), m_diary(diary), m_window(window)
{
    m_pModel = new CEntryListModel(this);
    m_pList = new QListView(&window);
    m_pList->setObjectName(QStringLiteral("entryList"));
    m_pList->setAccessibleName(tr("Entries"));
    m_pDelegate = new CEntryLineDelegate(m_pList);
    m_pList->setUniformItemSizes(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setToolTip(tr("Click on any entry here to make it current"));
    m_pList->setMinimumWidth(260);
    m_pList->setEnabled(false);
    UseDiaryRows();
    m_pPanel = new CEntryPanel(&window);
    m_labels = LoadRatingLabels();
    connect(&m_diary, &COpenDiary::entriesChanged, this, &CEntryBrowser::OnEntriesChanged);
    connect(&m_diary, &COpenDiary::closed, this, &CEntryBrowser::OnClosed);
    connect(&m_diary, &COpenDiary::locked, this, &CEntryBrowser::OnClosed);
}

void CEntryBrowser::UseDiaryRows()
{
    UseRows(m_pModel, m_pDelegate, nullptr);
}

void CEntryBrowser::UseRows(QAbstractItemModel* model, QAbstractItemDelegate* delegate,
                            const CListRows* rows)
{
    m_pRows = rows;
    QItemSelectionModel* old = m_pList->selectionModel();
    m_pList->setModel(model);
    m_pList->setItemDelegate(delegate);
    delete old;
    connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CEntryBrowser::OnSelectionChanged);
}

int CEntryBrowser::SelectedIndex() const
{
    const QModelIndexList rows = m_pList->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : EntryOfLine(rows.constFirst().row());
}

int CEntryBrowser::EntryCount() const
{
    return m_pModel->rowCount();
}

int CEntryBrowser::LineCount() const
{
    return m_pRows != nullptr ? m_pRows->RowCount() : EntryCount();
}

int CEntryBrowser::EntryOfLine(int line) const
{
    return m_pRows != nullptr ? m_pRows->EntryOfRow(line) : line;
}

int64_t CEntryBrowser::Time(int index) const
{
    return m_pModel->Time(index);
}

void CEntryBrowser::SelectRow(int index)
{
    // A command's own selection is not a click: it displays the entry itself.
    const int line = m_pRows != nullptr ? m_pRows->RowOfEntry(index) : index;
    const QModelIndex row = m_pList->model()->index(line, 0);
    m_bSelecting = true;
    m_pList->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    m_bSelecting = false;
    if (row.isValid()) {
        m_pList->scrollTo(row);
    }
}

void CEntryBrowser::Display(int index)
{
    const std::unique_ptr<CDiaryStore> store = m_diary.Store(index);
    store->ReadEntry(); // a failed read shows what it left in the working entry
    if (m_pGraph != nullptr) {
        m_pGraph->SetCurrentEntry(index);
    }
    m_pPanel->Display(store->entry, m_labels);
    m_nShown = index;
    emit Displayed(index);
}

void CEntryBrowser::Show(int index)
{
    SelectRow(index);
    Display(index);
    FocusList();
}

void CEntryBrowser::DisplayLastEntry()
{
    const std::unique_ptr<CDiaryStore> store = m_diary.Store();
    if (store->ReadEntryHeader() && store->m_nEntryCount > 0) {
        Display(static_cast<int>(store->m_nEntryCount) - 1);
    }
}

void CEntryBrowser::ShowMessage(const QString& text)
{
    m_nShown = -1;
    m_pPanel->ShowMessage(text);
}

void CEntryBrowser::FocusList()
{
    m_pList->setFocus();
}

void CEntryBrowser::LoadLabels()
{
    m_labels = LoadRatingLabels();
}

void CEntryBrowser::OnEntriesChanged()
{
    const std::vector<EntryHeader>& headers = m_diary.Headers();
    std::vector<int64_t> times;
    times.reserve(headers.size());
    for (const EntryHeader& header : headers) {
        times.push_back(header.time);
    }
    m_pModel->SetTimes(std::move(times));
    m_pList->setEnabled(!headers.empty());
    if (m_pGraph != nullptr) {
        if (headers.empty()) {
            m_pGraph->SetGraphData(0);
        } else {
            m_pGraph->SetGraphData(headers);
        }
    }
}

void CEntryBrowser::OnClosed()
{
    m_pModel->Clear();
    m_pList->setEnabled(false);
    m_nShown = -1;
    if (m_pGraph != nullptr) {
        m_pGraph->SetGraphData(0);
    }
}

void CEntryBrowser::OnSelectionChanged()
{
    const int index = SelectedIndex();
    if (!m_bSelecting && index >= 0) {
        Guarded(&m_window, [this, index] { Display(index); });
    }
}
