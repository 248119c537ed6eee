#include "stats/WordCounter.h"

#include "rtf/EntryTags.h"
#include "rtf/Rtf.h"
#include "stats/WordText.h"

#include <QMetaObject>
#include <QPointer>
#include <algorithm>

CWordCounter::CWordCounter(const CDiarySession& session, QObject* parent)
    : QObject(parent), m_session(session)
{
}

CWordCounter::~CWordCounter()
{
    Pause();
}

bool CWordCounter::Start()
{
    if (m_bDone || m_thread.joinable()) {
        return true;
    }
    m_store = m_session.MakeStore();
    if (!m_store->OpenEntryFiles()) {
        m_store.reset();
        return false;
    }
    m_nCount = m_store->m_nEntryCount;
    m_bStop = false;
    m_bWorkerDone = false;
    m_thread = std::thread([this] { Run(); });
    return true;
}

void CWordCounter::Pause()
{
    m_bStop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_store) {
        m_store->CloseEntryFiles();
        m_store.reset();
    }
}

double CWordCounter::Average() const
{
    return m_nRead > 0 ? double(m_nWords) / double(m_nRead) : 0.0;
}

std::vector<std::pair<QString, int>> CWordCounter::TopTags(int count) const
{
    std::vector<std::pair<QString, int>> tags;
    tags.reserve(size_t(m_tags.size()));
    for (const auto& tag : m_tags) {
        tags.push_back(tag);
    }
    std::sort(tags.begin(), tags.end(), [](const auto& a, const auto& b) {
        if (a.second != b.second) {
            return a.second > b.second;
        }
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    if (tags.size() > size_t(std::max(count, 0))) {
        tags.resize(size_t(std::max(count, 0)));
    }
    return tags;
}

void CWordCounter::Run()
{
    try {
        for (; m_nNext < m_nCount && !m_bStop; ++m_nNext) {
            m_store->current_index = m_nNext;
            if (m_store->ReadEntry()) {
                const QString text = RtfToPlainText(m_store->entry.text);
                m_nWords += CountWords(text);
                ++m_nRead;
                for (QString& tag : TagsOf(text)) {
                    auto& counted = m_tags[TagKey(tag)];
                    if (counted.second++ == 0) {
                        counted.first = std::move(tag);
                    }
                }
            }
        }
    } catch (...) {
        // A file that fails under the reader ends the count with what it
        // has; the window shows the average of the entries read.
        m_nNext = m_nCount;
    }
    m_bWorkerDone = m_nNext >= m_nCount;
    if (!m_bStop) {
        QMetaObject::invokeMethod(this, &CWordCounter::Joined, Qt::QueuedConnection);
    }
}

void CWordCounter::Joined()
{
    Pause();
    if (m_bWorkerDone && !m_bDone) {
        m_bDone = true;
        emit Finished(Average());
    }
}
