#pragma once
// Counts the diary's tags over the remembered texts away from the window's
// thread. A newer count cancels the older one; only the newest is delivered
// (on the window's thread).

#include "search/EntryTextSnapshot.h"
#include "search/TagCounts.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <vector>

class CTagWorker : public QObject
{
    Q_OBJECT
public:
    explicit CTagWorker(QObject* parent = nullptr);
    ~CTagWorker() override;

    void Start(CEntryTextSnapshot texts);
    void Cancel();
    void WaitForIdle();

signals:
    void Counted(const std::vector<TagCount>& tags);

private:
    QThreadPool m_pool;
    quint64 m_nRun = 0;
    std::shared_ptr<std::atomic<bool>> m_pCancelled;
};
