#include "app/SearchMode.h"

#include "app/EntryPanel.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "app/SearchResultDelegate.h"
#include "app/SearchResultModel.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "rtf/EntryTags.h"
#include "search/EntryTextLoader.h"
#include "search/SearchEngine.h"
#include "search/SearchWorker.h"
#include "search/TagWorker.h"
#include "store/DiarySession.h"
#include "widgets/EntryRichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {
constexpr int kLowestMood = -3;
constexpr int kHighestMood = 3;
} // namespace

CSearchMode::CSearchMode(COpenDiary& diary, CEntryBrowser& browser, QWidget& window)
    : QObject(&window), m_diary(diary), m_browser(browser), m_window(window)
{
    connect(&m_diary, &COpenDiary::entriesChanged, this, &CSearchMode::DiaryChanged);
    connect(&m_diary, &COpenDiary::closed, this, &CSearchMode::DiaryChanged);
    for (auto forget : {&COpenDiary::opened, &COpenDiary::reloaded, &COpenDiary::passwordChanged}) {
        connect(&m_diary, forget, this, &CSearchMode::Forget);
    }
    connect(&m_diary, &COpenDiary::locked, this, &CSearchMode::OnLocked);
    connect(&m_browser, &CEntryBrowser::Displayed, this, &CSearchMode::EntryShown);
    m_pWorker = new CSearchWorker(this);
    connect(m_pWorker, &CSearchWorker::Finished, this, &CSearchMode::OnFinished);
    m_pTagWorker = new CTagWorker(this);
    connect(m_pTagWorker, &CTagWorker::Counted, this, &CSearchMode::OnTagsCounted);
    m_pResults = new CSearchResultModel(this);
    m_pDelegate = new CSearchResultDelegate(this);
    // One shot, started again by every key: nothing runs while nothing is typed.
    m_pDebounce = new QTimer(this);
    m_pDebounce->setSingleShot(true);
    m_pDebounce->setInterval(kDebounceMs);
    connect(m_pDebounce, &QTimer::timeout, this, &CSearchMode::StartSearch);
}

QLabel* CSearchMode::MakeHeading(QWidget* parent)
{
    m_pHeading = new QLabel(parent);
    m_pHeading->setObjectName(QStringLiteral("searchHeading"));
    m_pHeading->hide();
    return m_pHeading;
}

QWidget* CSearchMode::MakeControls(QWidget* parent, QPushButton* searchButton)
{
    m_pButton = searchButton;
    m_pText = new QLineEdit(parent);
    m_pText->setObjectName(QStringLiteral("searchText"));
    m_pText->setAccessibleName(tr("Search text"));
    m_pText->installEventFilter(this);
    connect(m_pText, &QLineEdit::textChanged, this, &CSearchMode::Schedule);
    // Enter in the field looks for the next match.
    connect(m_pText, &QLineEdit::returnPressed, this, &CSearchMode::NextRequested);

    // The filters: a range of days and a range of moods, both ends included.
    const QDate today = QDateTime::fromSecsSinceEpoch(CClock::Now()).date();
    auto makeDate = [parent](const char* name, QDate date) {
        auto* edit = new QDateEdit(date, parent);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAccessibleName(tr(name));
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        return edit;
    };
    m_pDates = new QCheckBox(tr("Days:"), parent);
    m_pDates->setObjectName(QStringLiteral("searchDates"));
    m_pFrom = makeDate(QT_TR_NOOP("From day"), today.addMonths(-1));
    m_pTo = makeDate(QT_TR_NOOP("To day"), today);
    auto makeMood = [parent](const char* name, int value) {
        auto* spin = new QSpinBox(parent);
        spin->setObjectName(QString::fromLatin1(name));
        spin->setAccessibleName(tr(name));
        spin->setRange(kLowestMood, kHighestMood);
        spin->setValue(value);
        return spin;
    };
    m_pMoods = new QCheckBox(tr("Mood:"), parent);
    m_pMoods->setObjectName(QStringLiteral("searchMoods"));
    m_pMinMood = makeMood(QT_TR_NOOP("Lowest mood"), kLowestMood);
    m_pMaxMood = makeMood(QT_TR_NOOP("Highest mood"), kHighestMood);
    for (QCheckBox* box : {m_pDates, m_pMoods}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            EnableControls();
            Schedule();
        });
    }
    for (QDateEdit* edit : {m_pFrom, m_pTo}) {
        connect(edit, &QDateEdit::dateChanged, this, &CSearchMode::Schedule);
    }
    for (QSpinBox* spin : {m_pMinMood, m_pMaxMood}) {
        connect(spin, &QSpinBox::valueChanged, this, &CSearchMode::Schedule);
    }

    // The diary's tags, known once the texts are remembered.
    m_pTag = new QComboBox(parent);
    m_pTag->setObjectName(QStringLiteral("searchTag"));
    m_pTag->setAccessibleName(tr("Tag"));
    m_pTag->addItem(tr("(any)"), QString());
    connect(m_pTag, &QComboBox::currentIndexChanged, this, &CSearchMode::Schedule);

    auto* frame = new QGroupBox(parent);
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pButton, 0, 0);
    layout->addWidget(m_pText, 0, 1, 1, 3);
    const QString to = tr("to");
    layout->addWidget(m_pDates, 1, 0);
    layout->addWidget(m_pFrom, 1, 1);
    layout->addWidget(new QLabel(to, parent), 1, 2);
    layout->addWidget(m_pTo, 1, 3);
    layout->addWidget(m_pMoods, 2, 0);
    layout->addWidget(m_pMinMood, 2, 1);
    layout->addWidget(new QLabel(to, parent), 2, 2);
    layout->addWidget(m_pMaxMood, 2, 3);
    layout->addWidget(new QLabel(tr("Tag:"), parent), 3, 0);
    layout->addWidget(m_pTag, 3, 1, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    EnableControls();
    return frame;
}

QList<QWidget*> CSearchMode::TabChain() const
{
    return {m_pText, m_pDates, m_pFrom, m_pTo, m_pMoods, m_pMinMood, m_pMaxMood, m_pTag};
}

void CSearchMode::EnableControls()
{
    m_pText->setEnabled(m_bOn);
    m_pDates->setEnabled(m_bOn);
    m_pMoods->setEnabled(m_bOn);
    m_pFrom->setEnabled(m_bOn && m_pDates->isChecked());
    m_pTo->setEnabled(m_bOn && m_pDates->isChecked());
    m_pMinMood->setEnabled(m_bOn && m_pMoods->isChecked());
    m_pMaxMood->setEnabled(m_bOn && m_pMoods->isChecked());
    m_pTag->setEnabled(m_bOn);
}

namespace {

// The keys the search field keeps for editing even where the window has a
// shortcut on them.
bool IsEditingKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Z:
        return key.modifiers().testFlag(Qt::ControlModifier);
    default:
        return false;
    }
}

} // namespace

bool CSearchMode::eventFilter(QObject* watched, QEvent* event)
{
    // The window's shortcuts (Ctrl+E, which a line edit would take as End,
    // and the others) work while the search field has the focus.
    if (watched == m_pText && event->type() == QEvent::ShortcutOverride) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key.keyCombination());
        if (!IsEditingKey(key)) {
            for (const QAction* action : m_window.actions()) {
                if (action->shortcut() == pressed) {
                    event->ignore();
                    return true;
                }
            }
        }
    }
    if (watched == m_pText && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Guarded(&m_window, [this] { SetOn(false); });
        m_browser.FocusList();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CSearchMode::SetOn(bool on)
{
    m_pButton->setChecked(on);
    if (on == m_bOn) {
        return;
    }
    // The entry on view, selected or not, stays the one on view.
    const int selected = m_browser.SelectedIndex(); // as the list shows it now
    const int entry = selected >= 0 ? selected : m_browser.ShownEntry();
    m_bOn = on;
    EnableControls();
    m_pHeading->setVisible(on);
    if (on) {
        m_browser.UseRows(m_pResults, m_pDelegate, this);
        RunNow(false);
        if (entry >= 0 && RowOfEntry(entry) >= 0) {
            m_browser.SelectRow(entry);
            EntryShown();
        }
    } else {
        m_pDebounce->stop();
        m_pWorker->Cancel();
        m_bRunning = false;
        m_browser.UseDiaryRows();
        // Shown again without its highlight.
        if (m_diary.IsOpen() && entry >= 0 && entry < m_browser.EntryCount()) {
            m_browser.SelectRow(entry);
            m_browser.Display(entry);
        }
    }
}

void CSearchMode::Focus()
{
    Guarded(&m_window, [this] { SetOn(true); });
    m_pText->setFocus();
    m_pText->selectAll();
}

int CSearchMode::RowCount() const
{
    return m_pResults->rowCount();
}

int CSearchMode::EntryOfRow(int row) const
{
    const SearchHit* hit = m_pResults->Hit(row);
    return hit != nullptr ? hit->index : -1;
}

int CSearchMode::RowOfEntry(int entry) const
{
    return m_pResults->RowOfEntry(entry);
}

SearchQuery CSearchMode::Query() const
{
    SearchQuery query;
    query.text = m_pText->text();
    if (m_pDates->isChecked()) {
        query.from = m_pFrom->date().startOfDay().toSecsSinceEpoch();
        query.to = m_pTo->date().addDays(1).startOfDay().toSecsSinceEpoch() - 1;
    }
    if (m_pMoods->isChecked()) {
        query.minMood = m_pMinMood->value();
        query.maxMood = m_pMaxMood->value();
    }
    query.tag = m_pTag->currentData().toString();
    return query;
}

bool CSearchMode::EnsureTexts()
{
    if (!m_diary.IsOpen()) {
        m_texts.Clear();
        return false;
    }
    if (!m_texts.IsFilled()) {
        FillEntryTexts(*m_diary.Session(), m_texts);
        CountTags();
    }
    return m_texts.IsFilled();
}

void CSearchMode::Schedule()
{
    if (!m_bOn) {
        return;
    }
    // What was asked before is no longer wanted.
    m_pWorker->Cancel();
    m_bRunning = false;
    m_pDebounce->start();
}

void CSearchMode::StartSearch()
{
    Guarded(&m_window, [this] {
        if (!EnsureTexts()) {
            Apply({}, false);
            return;
        }
        m_nRun = m_pWorker->Start(m_texts.Snapshot(), Query());
        m_bRunning = true;
    });
}

void CSearchMode::OnFinished(quint64 run, const std::vector<SearchHit>& hits)
{
    if (!m_bOn || !m_bRunning || run != m_nRun) {
        return;
    }
    m_bRunning = false;
    Apply(hits, true);
}

void CSearchMode::RunNow(bool keepSelection)
{
    m_pDebounce->stop();
    m_pWorker->Cancel();
    m_bRunning = false;
    std::vector<SearchHit> hits;
    if (EnsureTexts()) {
        hits = SearchEntries(m_texts.Snapshot(), Query());
    }
    Apply(std::move(hits), keepSelection);
}

void CSearchMode::Flush()
{
    if (m_bOn && (m_pDebounce->isActive() || m_bRunning)) {
        RunNow(true);
    }
}

void CSearchMode::Apply(std::vector<SearchHit> hits, bool keepSelection)
{
    const int entry = keepSelection ? m_browser.SelectedIndex() : -1;
    m_pResults->SetHits(std::move(hits));
    m_pHeading->setText(CSearchResultModel::FoundText(RowCount()));
    if (entry >= 0 && RowOfEntry(entry) >= 0) {
        m_browser.SelectRow(entry);
        EntryShown();
    }
}

void CSearchMode::DiaryChanged()
{
    if (m_diary.IsOpen()) {
        SyncEntryTexts(*m_diary.Session(), m_texts, m_diary.Headers());
        CountTags();
    } else {
        m_texts.Clear();
    }
    // The old results' rows point at entries that may have moved.
    if (m_bOn) {
        RunNow(false);
    }
}

void CSearchMode::Forget()
{
    m_texts.Clear();
    m_pTagWorker->Cancel();
}

void CSearchMode::OnLocked()
{
    Forget();
    SetOn(false);
    m_pResults->SetHits({});
    m_pHeading->clear();
    const QSignalBlocker quietText(m_pText);
    m_pText->setText(QString()); // unlike clear(), no undo brings it back
    const QSignalBlocker quietTags(m_pTag);
    m_pTag->clear();
    m_pTag->addItem(tr("(any)"), QString());
}

void CSearchMode::CountTags()
{
    if (m_texts.IsFilled()) {
        m_pTagWorker->Start(m_texts.Snapshot());
    }
}

void CSearchMode::OnTagsCounted(const std::vector<TagCount>& tags)
{
    const QString chosen = m_pTag->currentData().toString();
    {
        const QSignalBlocker quiet(m_pTag);
        m_pTag->clear();
        m_pTag->addItem(tr("(any)"), QString());
        for (const TagCount& tag : tags) {
            m_pTag->addItem(QStringLiteral("#%1 (%2)").arg(tag.tag).arg(tag.entries),
                            TagKey(tag.tag));
        }
        m_pTag->setCurrentIndex(std::max(0, m_pTag->findData(chosen)));
    }
    // A tag no entry carries any more no longer filters.
    if (m_pTag->currentData().toString() != chosen) {
        Schedule();
    }
}

QStringList CSearchMode::TagChoices() const
{
    QStringList choices;
    for (int i = 0; i < m_pTag->count(); ++i) {
        choices.append(m_pTag->itemText(i));
    }
    return choices;
}

void CSearchMode::SearchTag(const QString& tag)
{
    Guarded(&m_window, [this, &tag] {
        SetOn(true);
        m_pText->setText(tag);
        RunNow(false);
    });
}

void CSearchMode::MarkMatch(qsizetype at)
{
    m_nMatchAt = at;
    m_browser.Panel()->Highlight(std::max<qsizetype>(at, 0), at >= 0 ? m_pText->text().size() : 0);
}

void CSearchMode::EntryShown()
{
    if (!m_bOn || m_pText->text().isEmpty()) {
        m_nMatchAt = -1;
        return;
    }
    MarkMatch(
        m_browser.Panel()->View()->toPlainText().indexOf(m_pText->text(), 0, Qt::CaseInsensitive));
}

void CSearchMode::Step(bool forward)
{
    Flush();
    const QString needle = m_pText->text();
    const int row = RowOfEntry(m_browser.SelectedIndex());
    // The next match inside the entry on view first.
    if (row >= 0 && !needle.isEmpty() && m_nMatchAt >= 0) {
        const QString shown = m_browser.Panel()->View()->toPlainText();
        const qsizetype at =
            forward
                ? shown.indexOf(needle, m_nMatchAt + 1, Qt::CaseInsensitive)
                : (m_nMatchAt > 0 ? shown.lastIndexOf(needle, m_nMatchAt - 1, Qt::CaseInsensitive)
                                  : -1);
        if (at >= 0) {
            MarkMatch(at);
            return;
        }
    }
    // Then the next result; without a selection the walk starts at the top.
    const int target = forward ? row + 1 : (row < 0 ? -1 : row - 1);
    if (target < 0 || target >= RowCount()) {
        if (forward) {
            CMessageBox::Show(&m_window, tr("There are no more entries in this diary!"),
                              CAppInfo::Title());
        }
        return;
    }
    const int entry = EntryOfRow(target);
    m_browser.SelectRow(entry);
    m_browser.Display(entry); // marks the first match
    if (!forward && !needle.isEmpty()) {
        MarkMatch(
            m_browser.Panel()->View()->toPlainText().lastIndexOf(needle, -1, Qt::CaseInsensitive));
    }
    if (m_window.focusWidget() != m_pText) {
        m_browser.FocusList();
    }
}
