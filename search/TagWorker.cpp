#include "search/TagWorker.h"

#include <QtConcurrent/QtConcurrentRun>

CTagWorker::CTagWorker(QObject* parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

CTagWorker::~CTagWorker()
{
    Cancel();
    m_pool.waitForDone();
}

void CTagWorker::Cancel()
{
    if (m_pCancelled) {
        m_pCancelled->store(true);
    }
    m_pCancelled.reset();
    ++m_nRun;
}

void CTagWorker::WaitForIdle()
{
    m_pool.waitForDone();
}

void CTagWorker::Start(CEntryTextSnapshot texts)
{
    Cancel();
    const quint64 run = m_nRun;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_pCancelled = cancelled;
    (void)QtConcurrent::run(&m_pool, [this, run, cancelled, texts = std::move(texts)] {
        std::vector<TagCount> tags = CountTags(texts, cancelled.get());
        if (cancelled->load()) {
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, run, tags = std::move(tags)] {
                if (run == m_nRun) {
                    emit Counted(tags);
                }
            },
            Qt::QueuedConnection);
    });
}
