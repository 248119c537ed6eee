#pragma once
// Runs searches away from the window's thread, one at a time: starting a
// search cancels the one still running, and only the newest search's
// results are ever delivered (on the window's thread), so a slow old search
// can never overwrite the answer to what the user typed last.

#include "search/EntryTextSnapshot.h"
#include "search/SearchQuery.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <vector>

class CSearchWorker : public QObject
{
    Q_OBJECT
public:
    explicit CSearchWorker(QObject* parent = nullptr);
    // Cancels the running search and waits for it to stop.
    ~CSearchWorker() override;

    // Starts a search over the snapshot and returns its run number.
    quint64 Start(CEntryTextSnapshot texts, SearchQuery query);
    // Drops the running search: its results will not be delivered.
    void Cancel();
    // Waits until no search runs (results already queued are still delivered).
    void WaitForIdle();

signals:
    void Finished(quint64 run, const std::vector<SearchHit>& hits);

private:
    QThreadPool m_pool;
    quint64 m_nRun = 0;
    std::shared_ptr<std::atomic<bool>> m_pCancelled;
};
