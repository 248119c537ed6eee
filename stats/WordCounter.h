#pragma once
// Counts the words and the #tags of every entry of a diary on a worker
// thread, so that a window can show the average words per entry and the most
// used tags without freezing. The worker
// holds the diary's files open while it reads; whoever else needs the diary
// in the meantime (showing an entry) pauses it first and resumes it after.

#include "store/DiarySession.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

class CWordCounter : public QObject
{
    Q_OBJECT

public:
    explicit CWordCounter(const CDiarySession& session, QObject* parent = nullptr);
    ~CWordCounter() override;

    // Begins counting, or goes on from where a pause stopped. Opening the
    // files happens here, on the caller's thread, so a failure is reported
    // there and Start returns false; the count then stays unfinished.
    bool Start();
    // Stops the worker and closes the files; the entries counted so far are kept.
    void Pause();

    bool IsDone() const { return m_bDone; }
    // Words per entry over the entries that could be read; 0 for none.
    double Average() const;
    // The `count` tags most entries carry, with how many, most used first.
    std::vector<std::pair<QString, int>> TopTags(int count) const;

signals:
    void Finished(double averageWords);

private:
    void Run();
    void Joined();

    const CDiarySession& m_session;
    std::unique_ptr<CDiaryStore> m_store;
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};
    // Written by the worker, read after it has been joined.
    uint32_t m_nNext = 0;
    uint32_t m_nCount = 0;
    int64_t m_nWords = 0;
    int64_t m_nRead = 0;
    QHash<QString, std::pair<QString, int>> m_tags; // key: the tag as first written, entries
    bool m_bWorkerDone = false;
    bool m_bDone = false;
};
