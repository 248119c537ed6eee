#include "import/ImportPlan.h"

#include "import/EntryConverter.h"
#include "import/KnownEntries.h"
#include "rtf/Rtf.h"
#include "store/DiaryMerge.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/Messages.h"

#include <algorithm>

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

std::optional<int> CImportPlan::Write(const CDiarySession& session)
{
    std::string texts;
    {
        const auto store = session.MakeStore();
        Check(store.get());
        texts = store->m_strDataPath;
    }
    // The new entries as a diary of their own under the diary's password,
    // merged into it in one safe rewrite.
    CDiaryMerge::Plan additions;
    additions.entries.reserve(static_cast<size_t>(m_nNew));
    for (const Planned& planned : m_entries) {
        if (!planned.known) {
            CDiaryMerge::Change& change = additions.entries.emplace_back();
            change.entry.time = planned.time;
            change.entry.text = planned.rtf;
        }
    }
    DiaryParts imported;
    if (!CDiaryMerge::Apply(DiaryParts(), additions, session.Password(), imported)) {
        ShowFileError(FileErrorCause::BeyondFormat, texts);
        return std::nullopt;
    }
    CDiaryMerge::Plan applied;
    if (!CDiaryMerge::Merge(session, imported, &applied)) {
        return std::nullopt;
    }
    return static_cast<int>(applied.Count(CDiaryMerge::Change::Kind::Add));
}
