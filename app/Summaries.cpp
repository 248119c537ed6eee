#include "app/Summaries.h"

#include "app/EntryBrowser.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "planning/PlannerSummary.h"
#include "planning/ReminderSummary.h"
#include "platform/Clock.h"
#include "platform/Settings.h"
#include "stats/OnThisDayLines.h"
#include "stats/OnThisDayView.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CSummaries::CSummaries(COpenDiary& diary, CEntryBrowser& browser, QWidget& window)
    : QObject(&window), m_diary(diary), m_browser(browser), m_window(window)
{
    m_nStartAlarmBefore = CSettings::GetProfileInt(QStringLiteral("StartAlarmBefore"), 5);
    for (auto signal : {&COpenDiary::opened, &COpenDiary::reloaded, &COpenDiary::unlocked}) {
        connect(&m_diary, signal, this, &CSummaries::RefreshReminders);
        connect(&m_diary, signal, this, &CSummaries::RefreshPlanner);
    }
    connect(&m_diary, &COpenDiary::remindersChanged, this, &CSummaries::RefreshReminders);
    connect(&m_diary, &COpenDiary::plannerChanged, this, &CSummaries::RefreshPlanner);
    connect(&m_diary, &COpenDiary::entriesChanged, this, &CSummaries::RefreshOnThisDay);
    connect(&m_diary, &COpenDiary::closed, this, &CSummaries::Clear);
    connect(&m_diary, &COpenDiary::locked, this, &CSummaries::Clear);
}

QVBoxLayout* CSummaries::MakeColumn()
{
    // Shown, never selected.
    auto makeSummary = [this](const char* name) {
        auto* list = new QListWidget(&m_window);
        list->setObjectName(QString::fromLatin1(name));
        list->setAccessibleName(tr(name));
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setFocusPolicy(Qt::NoFocus);
        // Room for a whole summary line in the usual case: a date in
        // brackets and a description of some twenty-five characters.
        list->setMinimumWidth(m_window.fontMetrics().horizontalAdvance(
                                  QStringLiteral("in 305 days [18 Mar, Mon]: Wedding anniversar")) +
                              2 * list->frameWidth() + 8);
        return list;
    };
    m_pReminders = makeSummary(QT_TR_NOOP("Reminders"));
    m_pPlanner = makeSummary(QT_TR_NOOP("Planner"));
    m_pOnThisDay = new COnThisDayView(&m_window);
    m_pOnThisDay->setObjectName(QStringLiteral("OnThisDay"));
    m_pOnThisDay->setAccessibleName(tr("On this day"));
    connect(m_pOnThisDay, &COnThisDayView::EntryRequested, this, [this](int entry) {
        if (entry >= 0 && entry < m_browser.EntryCount()) {
            Guarded(&m_window, [this, entry] { m_browser.Show(entry); });
        }
    });

    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(tr("Reminders:"), &m_window));
    column->addWidget(m_pReminders, 1);
    column->addWidget(m_pOnThisDay);
    column->addWidget(new QLabel(tr("Planner:"), &m_window));
    column->addWidget(m_pPlanner, 1);
    return column;
}

void CSummaries::RefreshReminders()
{
    m_pReminders->clear();
    if (m_diary.IsOpen()) {
        Guarded(&m_window, [this] {
            m_pReminders->addItems(
                CReminderSummary::Load(*m_diary.Session(), CClock::Now(), m_nStartAlarmBefore));
        });
        m_diary.RememberFiles(); // the first read makes the file
    }
}

void CSummaries::RefreshPlanner()
{
    m_pPlanner->clear();
    if (m_diary.IsOpen()) {
        Guarded(&m_window, [this] {
            m_pPlanner->addItems(CPlannerSummary::MainWindowLines(*m_diary.Session()));
        });
        m_diary.RememberFiles();
    }
}

void CSummaries::RefreshOnThisDay()
{
    m_pOnThisDay->SetLines({});
    if (!m_diary.IsOpen() || m_diary.Headers().empty() ||
        CSettings::GetProfileInt(QStringLiteral("bShowOnThisDay"), 1) == 0) {
        return;
    }
    Guarded(&m_window, [this] {
        m_pOnThisDay->SetLines(ReadOnThisDayLines(*m_diary.Session(), CClock::Now()));
    });
}

void CSummaries::Clear()
{
    m_pReminders->clear();
    m_pPlanner->clear();
    m_pOnThisDay->SetLines({});
}
