#include "search/SearchWorker.h"

#include "search/SearchEngine.h"

#include <QtConcurrent/QtConcurrentRun>

CSearchWorker::CSearchWorker(QObject* parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

CSearchWorker::~CSearchWorker()
{
    Cancel();
    m_pool.waitForDone();
}

void CSearchWorker::Cancel()
{
    if (m_pCancelled)
        m_pCancelled->store(true);
    m_pCancelled.reset();
    ++m_nRun; // whatever is already queued is now stale
}

void CSearchWorker::WaitForIdle()
{
    m_pool.waitForDone();
}

quint64 CSearchWorker::Start(CEntryTextSnapshot texts, SearchQuery query)
{
    Cancel();
    const quint64 run = m_nRun;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_pCancelled = cancelled;
    (void)QtConcurrent::run(
        &m_pool, [this, run, cancelled, texts = std::move(texts), query = std::move(query)] {
            std::vector<SearchHit> hits = SearchEntries(texts, query, cancelled.get());
            if (cancelled->load())
                return;
            // Delivered on the window's thread, and only if no newer search
            // started meanwhile.
            QMetaObject::invokeMethod(
                this,
                [this, run, hits = std::move(hits)] {
                    if (run == m_nRun)
                        emit Finished(run, hits);
                },
                Qt::QueuedConnection);
        });
    return run;
}
