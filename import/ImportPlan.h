#pragma once
// An import worked out before anything is written: every entry read turned
// into Dayloom's RTF, and which of them the diary already holds (the same
// time and the same plain text, as the version-1 import decides) or the
// export holds twice. The preview shows it; Write() carries it out.

#include "import/ForeignEntry.h"

#include <QCoreApplication>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDiarySession;
class CDiaryStore;

class CImportPlan
{
    Q_DECLARE_TR_FUNCTIONS(CImportPlan)

public:
    struct Planned
    {
        int64_t time = 0;
        std::string rtf;
        QString plainText;
        QString where;
        bool known = false; // already in the diary, or earlier in the export
    };

    // Converts the batch's entries and puts them in date order; an entry
    // that ends up without any text becomes a problem.
    explicit CImportPlan(ForeignBatch batch);

    // Marks the entries the diary behind `store` holds (none for a null
    // store: no diary open yet).
    void Check(CDiaryStore* store);

    // Adds every entry not yet in the diary, under the diary's password, in
    // one safe rewrite of the open diary (CDiaryMerge): a failure at any
    // step leaves every file as it was. Checks against the diary first.
    // Returns the number added; nullopt when it failed (reported through
    // the store's message handler).
    std::optional<int> Write(const CDiarySession& session);

    const QString& Kind() const { return m_strKind; }
    const std::vector<Planned>& Entries() const { return m_entries; }
    const std::vector<ImportProblem>& Problems() const { return m_problems; }
    int NewCount() const { return m_nNew; }
    int KnownCount() const { return static_cast<int>(m_entries.size()) - m_nNew; }

private:
    QString m_strKind;
    std::vector<Planned> m_entries;
    std::vector<ImportProblem> m_problems;
    int m_nNew = 0;
};
