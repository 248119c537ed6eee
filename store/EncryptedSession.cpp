#include "store/EncryptedSession.h"

#include "store/Messages.h"

#include <algorithm>
#include <ctime>
#include <string_view>
#include <utility>

namespace {

// Inside the memory folder the parts go by the names the four files of a
// diary "diary.ilm" would have.
constexpr const char* kPartNames[kDiaryPartCount] = {"diary.ilm", "diary.dlm", "diary.rlm",
                                                     "diary.plm"};

void Report(const EncryptedResult& result, const std::string& path)
{
    ShowStoreMessage(CEncryptedSession::MessageFor(result, path));
}

// The store of one command: what it changed is written to the file when it
// is done with.
class CCommittingStore final : public CDiaryStore
{
public:
    CCommittingStore(uint32_t index, const std::string& path, CEncryptedSession& session)
        : CDiaryStore(index, CDiaryName(path)), m_session(session)
    {
    }
    ~CCommittingStore() override { m_session.CommitReported(); }

private:
    CEncryptedSession& m_session;
};

} // namespace

CEncryptedSession::CEncryptedSession(const std::string& path)
    : m_file(path), m_now([] { return static_cast<int64_t>(std::time(nullptr)); })
{
}

std::string CEncryptedSession::MessageFor(const EncryptedResult& result, const std::string& path)
{
    switch (result.status) {
    case EncryptedStatus::Ok:
    case EncryptedStatus::WrongPassword:
        return {};
    case EncryptedStatus::Damaged: {
        const size_t slash = path.rfind('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        return "The diary file " + name + " is damaged or was altered. Nothing was opened.";
    }
    case EncryptedStatus::NewerVersion:
        return "This diary was made by a newer Dayloom and cannot be opened here.";
    case EncryptedStatus::IoError:
        break;
    }
    return FileErrorMessage(
        result.cause == FileErrorCause::None ? FileErrorCause::Generic : result.cause, path);
}

CEncryptedSession::~CEncryptedSession()
{
    Lock();
}

std::string CEncryptedSession::PartPath(size_t i) const
{
    return m_file.Path() + '/' + kPartNames[i];
}

std::unique_ptr<CDiaryStore> CEncryptedSession::MakeStore(uint32_t index)
{
    return std::make_unique<CCommittingStore>(index, PartPath(0), *this);
}

EncryptedResult CEncryptedSession::Unlock(const Passphrase& password)
{
    Lock();
    const EncryptedResult result = m_file.Open(password);
    if (result.ok())
        LoadParts();
    return result;
}

EncryptedResult CEncryptedSession::Reload()
{
    if (!IsUnlocked())
        return {EncryptedStatus::IoError, FileErrorCause::InvalidHandle};
    const EncryptedResult result = m_file.Reopen();
    if (result.ok())
        LoadParts();
    return result;
}

EncryptedResult CEncryptedSession::Create(std::string_view password, KdfParams params)
{
    const EncryptedResult result = m_file.Create(password, params);
    if (result.ok())
        LoadParts(); // the first command that stores something writes the file
    return result;
}

void CEncryptedSession::Lock()
{
    m_known.clear();
    ReleaseTexts(); // before the memory files, which wipe what nothing else holds
    m_file.Close();
    m_memory.reset();
    for (std::optional<std::string>* part : {&m_history, &m_scriptTexts}) {
        if (*part)
            WipeString(**part);
        part->reset();
    }
}

DiaryParts CEncryptedSession::CurrentParts() const
{
    DiaryParts parts;
    for (size_t i = 0; i < kDiaryPartCount; ++i)
        if (const auto part = m_memory->Find(PartPath(i)))
            parts.bytes[i] = *part;
    parts.history = m_history;
    parts.scriptTexts = m_scriptTexts;
    return parts;
}

void CEncryptedSession::ReleaseTexts()
{
    if (m_texts && m_texts.use_count() == 1)
        WipeString(*m_texts);
    m_texts.reset();
}

void CEncryptedSession::RememberEntries()
{
    m_known.clear();
    ReleaseTexts();
    if (!m_history)
        return;
    const auto index = m_memory->Find(PartPath(0));
    const size_t count = index ? index->size() / kEntryRecordSize : 0;
    m_known.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        RecordBytes record;
        std::copy_n(index->data() + i * kEntryRecordSize, kEntryRecordSize, record.begin());
        ++m_known[record].count;
    }
    m_texts = m_memory->Find(PartPath(1));
}

void CEncryptedSession::ApplyDelta(const EntryDelta& delta)
{
    for (const RecordBytes& record : delta.removed)
        if (const auto it = m_known.find(record); it != m_known.end() && --it->second.count == 0)
            m_known.erase(it);
    for (const RecordBytes& record : delta.added)
        ++m_known[record].count;
    if (const auto texts = m_memory->Find(PartPath(1)); texts != m_texts) {
        ReleaseTexts();
        m_texts = texts;
    }
}

std::vector<CEntryHistory::Change>
CEncryptedSession::ChangesSinceRemembered(EntryDelta& delta) const
{
    using Change = CEntryHistory::Change;
    delta = {};
    if (!m_history)
        return {};
    const auto index = m_memory->Find(PartPath(0));
    const auto texts = m_memory->Find(PartPath(1));
    const size_t count = index ? index->size() / kEntryRecordSize : 0;
    // An entry as a history names it, read from the texts given.
    const auto keyOf = [](std::string_view record, const CMemoryFiles::File& from) {
        CEntryHistory::Key key;
        if (std::optional<DiaryEntry> entry = CEntryHistory::ReadEntry(
                record, from ? std::string_view(*from) : std::string_view(), 0)) {
            key = CEntryHistory::KeyOf(*entry);
            WipeString(entry->text);
        }
        return key;
    };

    // What the index holds now against what it held: records that stayed
    // are matched by their bytes, so only the changed ones are read.
    std::vector<CEntryHistory::Key> added;
    for (size_t i = 0; i < count; ++i) {
        RecordBytes record;
        std::copy_n(index->data() + i * kEntryRecordSize, kEntryRecordSize, record.begin());
        if (const auto it = m_known.find(record);
            it != m_known.end() && it->second.seen < it->second.count) {
            ++it->second.seen;
            continue;
        }
        added.push_back(keyOf(std::string_view(record.data(), record.size()), texts));
        delta.added.push_back(record);
    }
    std::vector<CEntryHistory::Key> removed;
    for (const auto& [record, known] : m_known) {
        for (uint32_t k = known.seen; k < known.count; ++k) {
            removed.push_back(keyOf(std::string_view(record.data(), record.size()), m_texts));
            delta.removed.push_back(record);
        }
        known.seen = 0;
    }
    if (removed.empty())
        return {};

    // An entry removed and one added at its time are an edit; so are the
    // one removed and the one added of a command that did just that (an
    // edit that moved the entry to another time). The rest are deletions.
    const auto byTime = [](const CEntryHistory::Key& a, const CEntryHistory::Key& b) {
        return a.time < b.time || (a.time == b.time && a.hash < b.hash);
    };
    std::sort(removed.begin(), removed.end(), byTime);
    const int64_t when = m_now();
    std::vector<Change> changes;
    std::vector<bool> paired(added.size(), false);
    std::vector<bool> edited(removed.size(), false);
    for (size_t r = 0; r < removed.size(); ++r)
        for (size_t a = 0; a < added.size(); ++a)
            if (!paired[a] && added[a].time == removed[r].time) {
                paired[a] = edited[r] = true;
                if (!(added[a] == removed[r]))
                    changes.push_back({Change::What::Edited, when, removed[r], added[a]});
                break;
            }
    if (removed.size() == 1 && added.size() == 1 && !edited[0]) {
        edited[0] = true;
        changes.push_back({Change::What::Edited, when, removed[0], added[0]});
    }
    for (size_t r = 0; r < removed.size(); ++r)
        if (!edited[r])
            changes.push_back({Change::What::Deleted, when, removed[r], {}});
    return changes;
}

bool CEncryptedSession::KeepsScriptTexts() const
{
    return IsUnlocked() && m_file.Version() >= encrypted::kFirstUtf8Version;
}

bool CEncryptedSession::SetScriptText(const CScriptTexts::Text& text)
{
    if (!KeepsScriptTexts())
        return false;
    std::string part = CScriptTexts::With(m_scriptTexts.value_or(std::string()), text);
    if (m_scriptTexts)
        WipeString(*m_scriptTexts);
    m_scriptTexts = std::move(part);
    m_bHistoryChanged = true;
    return true;
}

void CEncryptedSession::AdoptMerge(const DiaryParts& other)
{
    if (other.scriptTexts && KeepsScriptTexts()) {
        std::string joined =
            CScriptTexts::Joined(m_scriptTexts.value_or(std::string()), *other.scriptTexts);
        if (joined != m_scriptTexts.value_or(std::string())) {
            m_scriptTexts = std::move(joined);
            m_bHistoryChanged = true;
        }
    }
    if (m_history && other.history) {
        if (std::optional<std::string> joined = CEntryHistory::Union(*m_history, *other.history);
            joined && *joined != *m_history) {
            WipeString(*m_history);
            m_history = std::move(joined);
            m_bHistoryChanged = true;
        }
    }
    // Only the entries the merge added are read; nothing is recorded.
    EntryDelta delta;
    ChangesSinceRemembered(delta);
    ApplyDelta(delta);
}

void CEncryptedSession::LoadParts()
{
    if (!m_memory)
        m_memory = std::make_unique<CMemoryFiles>(m_file.Path());
    m_memory->Clear();
    // Moved, not copied: while the diary is open its parts are held once.
    for (size_t i = 0; i < kDiaryPartCount; ++i)
        m_memory->Open(PartPath(i))->swap(m_file.Parts().bytes[i]);
    ++m_nLoads;
    m_history = std::move(m_file.Parts().history);
    m_scriptTexts = std::move(m_file.Parts().scriptTexts);
    m_file.Parts().Wipe();
    m_file.Parts().history.reset();
    m_file.Parts().scriptTexts.reset();
    // A file of the current version remembers deletions and edits from its
    // next commit on, even one written before it had a history.
    if (!m_history && m_file.Version() >= encrypted::kFirstUtf8Version)
        m_history.emplace();
    m_bHistoryChanged = false;
    m_memory->MarkClean();
    RememberEntries();
}

EncryptedResult CEncryptedSession::WithPartsInFile(
    const std::function<EncryptedResult(CEncryptedDiaryFile&)>& write)
{
    const auto swap = [&] {
        for (size_t i = 0; i < kDiaryPartCount; ++i)
            if (const auto part = m_memory->Find(PartPath(i)))
                part->swap(m_file.Parts().bytes[i]);
        m_history.swap(m_file.Parts().history);
        m_scriptTexts.swap(m_file.Parts().scriptTexts);
    };
    swap();
    const EncryptedResult result = write(m_file);
    swap();
    if (result.ok()) {
        m_memory->MarkClean();
        m_bHistoryChanged = false;
    } else {
        RollBack();
    }
    return result;
}

void CEncryptedSession::RollBack()
{
    // A diary not yet written goes back to empty; one on the disk to what
    // the file holds. Should the file not read back, what is in memory is
    // kept (still to be written), rather than lost. The file holds no
    // parts here: they were lent back to the memory files.
    if (!m_file.IsOnDisk() || m_file.Reopen().ok())
        LoadParts();
}

EncryptedResult CEncryptedSession::Commit()
{
    if (!IsUnlocked() || (!m_memory->IsDirty() && !m_bHistoryChanged))
        return {};
    // The deletions and edits go into the history in the same write; should
    // it fail, the history goes back to the file's with the parts (or, when
    // the file cannot be read back either, to what it was, so that the next
    // commit records the same changes once).
    EntryDelta delta;
    const std::vector<CEntryHistory::Change> changes = ChangesSinceRemembered(delta);
    std::optional<std::string> before;
    const uint64_t loads = m_nLoads;
    if (!changes.empty()) {
        before = *m_history;
        for (const CEntryHistory::Change& change : changes)
            CEntryHistory::Append(*m_history, change);
        if (const size_t records = m_history->size() / CEntryHistory::kRecordSize;
            records > CEntryHistory::kMaxChanges)
            m_history->erase(0,
                             (records - CEntryHistory::kMaxChanges) * CEntryHistory::kRecordSize);
    }
    if (m_scriptTexts) {
        const auto reminders = m_memory->Find(PartPath(2));
        const auto planner = m_memory->Find(PartPath(3));
        *m_scriptTexts =
            CScriptTexts::Kept(*m_scriptTexts, reminders ? *reminders : std::string_view(),
                               planner ? *planner : std::string_view());
    }
    const EncryptedResult result =
        WithPartsInFile([](CEncryptedDiaryFile& file) { return file.Commit(); });
    if (result.ok())
        ApplyDelta(delta);
    else if (before && loads == m_nLoads)
        m_history = std::move(before);
    return result;
}

bool CEncryptedSession::CommitReported()
{
    const EncryptedResult result = Commit();
    if (!result.ok())
        Report(result, m_file.Path());
    return result.ok();
}

bool CEncryptedSession::ChangePassword(const std::string& newPassword, KdfParams params)
{
    // Nothing of an earlier command may ride on the new key.
    if (!IsUnlocked() || !CommitReported())
        return false;
    // The store's own rewrite runs in memory; the file gets it together with
    // the new key. The key alone protects the diary: its records get no
    // password and their texts no mask.
    const std::string index = PartPath(0);
    if (!CDiaryStore(0, CDiaryName(index)).ChangePassword(std::string())) {
        RollBack();
        return false;
    }
    // The file is of the current version from now on, and so remembers
    // deletions and edits.
    if (!m_history)
        m_history.emplace();
    const EncryptedResult result = WithPartsInFile(
        [&](CEncryptedDiaryFile& file) { return file.ChangePassword(newPassword, params); });
    if (!result.ok())
        Report(result, m_file.Path());
    else
        RememberEntries(); // the records were rewritten, the entries are the same
    return result.ok();
}

bool CEncryptedSession::IsOlderVersion() const
{
    return IsUnlocked() && m_file.Version() < encrypted::kFormatVersion;
}

bool CEncryptedSession::Upgrade(const std::string& password)
{
    const KdfParams own = m_file.Params();
    const KdfParams standard = KdfParams::Default();
    return ChangePassword(password, {std::max(own.opsLimit, standard.opsLimit),
                                     std::max(own.memLimit, standard.memLimit)});
}
