#include "import/ImportPlan.h"

#include "import/EntryConverter.h"
#include "import/KnownEntries.h"
#include "rtf/Rtf.h"
#include "store/DiaryStore.h"

#include <algorithm>
#include <cstring>

CImportPlan::CImportPlan(ForeignBatch batch)
    : m_strKind(std::move(batch.kind)), m_problems(std::move(batch.problems))
{
    CEntryConverter converter;
    m_entries.reserve(batch.entries.size());
    for (const ForeignEntry& entry : batch.entries) {
        Planned planned;
        planned.time = entry.time;
        planned.where = entry.where;
        planned.rtf = converter.Rtf(entry, planned.plainText);
        if (planned.plainText.trimmed().isEmpty()) {
            const qsizetype comma = entry.where.lastIndexOf(QStringLiteral(", "));
            m_problems.push_back({comma < 0 ? entry.where : entry.where.left(comma),
                                  comma < 0 ? QString() : entry.where.mid(comma + 2),
                                  tr("it has no text")});
            continue;
        }
        m_entries.push_back(std::move(planned));
    }
    // In date order, as the preview lists them and the diary will hold them.
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Planned& a, const Planned& b) { return a.time < b.time; });
    Check(nullptr);
}

void CImportPlan::Check(CDiaryStore* store)
{
    CKnownEntries known(store);
    m_nNew = 0;
    for (Planned& planned : m_entries) {
        const std::string key = planned.plainText.toStdString();
        planned.known = known.Contains(planned.time, key, [&](const std::string& stored) {
            return RtfToPlainText(stored) == planned.plainText;
        });
        if (!planned.known) {
            known.Added(planned.time, key);
            ++m_nNew;
        }
    }
}

int CImportPlan::Write(CDiaryStore& store, const std::string& password)
{
    Check(&store);
    int added = 0;
    const size_t length = std::min<size_t>(password.size(), 30);
    // Whatever happens, the entries appended so far are put in date order.
    try {
        for (const Planned& planned : m_entries) {
            if (planned.known) {
                continue;
            }
            DiaryEntry& entry = store.entry;
            entry = DiaryEntry{};
            entry.time = planned.time;
            entry.text = planned.rtf;
            std::memcpy(entry.password, password.data(), length);
            entry.password[length] = '\0';
            store.AppendEntry();
            ++added;
        }
    } catch (...) {
        store.SortEntries();
        throw;
    }
    store.SortEntries();
    return added;
}
