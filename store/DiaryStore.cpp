// The diary store's operations: four flat files of packed little-endian
// records (RecordCodec), the texts protected by the legacy cipher
// (LegacyCipher), every rewrite through a temporary file renamed over the
// live one (SafeReplace), and the password change's two-file commit
// (PasswordSwitch).
//
// Rewrites. Every rewrite (delete, sort, mark done) builds the new contents
// of one record file in memory and hands them to CSafeReplace: a failure at
// any step leaves the live file as it was, is reported with the file-error
// table and makes the operation return false. The live file stays open and
// locked for the whole rewrite, and the temporary file's handle (locked too)
// becomes the live handle after the rename, so no other process can slip in
// between.
//
// Damaged files. Counts come from file lengths and every record is read with
// bounds checks: a password length above 30 touches only the 30-byte field,
// a text outside the data file fails the read without allocating for it,
// and a rewrite that cannot read every record changes nothing.

#include "store/DiaryStore.h"

#include "store/AtomicFile.h"
#include "store/LegacyCipher.h"
#include "store/Messages.h"
#include "store/PasswordSwitch.h"
#include "store/RecordCodec.h"
#include "store/SafeReplace.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

constexpr uint64_t kMaxOffset = 0xFFFFFFFFull;
using Layout = CRecordCodec::Layout;

const unsigned char* Bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

uint32_t RecordCount(uint64_t fileLength, size_t recordSize)
{
    return static_cast<uint32_t>(std::min<uint64_t>(fileLength / recordSize, UINT32_MAX));
}

std::vector<uint32_t> AllBut(size_t count, uint32_t skipped)
{
    std::vector<uint32_t> order;
    order.reserve(count);
    for (uint32_t i = 0; i < count; ++i)
        if (i != skipped)
            order.push_back(i);
    return order;
}

std::vector<uint32_t> Identity(size_t count)
{
    std::vector<uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    return order;
}

bool ReadWholeFile(const CStoreFile& file, std::string& bytes)
{
    const uint64_t length = file.Length();
    bytes.resize(length);
    return file.ReadAt(0, bytes.data(), bytes.size()) == bytes.size();
}

// A rewrite works from every byte of the file or not at all.
bool ReadForRewrite(const CStoreFile& file, const std::string& path, std::string& bytes)
{
    if (ReadWholeFile(file, bytes))
        return true;
    ShowFileError(FileErrorCause::EndOfFile, path);
    return false;
}

// After a record file was removed: a caller that still holds it (more opens
// than the operation's own) would go on writing into the removed file, and
// whatever it added would be gone. It gets the file now at the path instead.
void ReopenIfHeld(CStoreFile& file, int opens, const std::string& path)
{
    if (opens < 2)
        return;
    const FileErrorCause cause = file.Open(path);
    if (cause != FileErrorCause::None)
        ShowFileError(cause, path); // the handle stays closed: later writes fail loudly
}

// Runs `close` when an operation ends, normally or by a throw. Now() runs it
// early, for a file that has just been removed and whose count must stay zero.
template <typename Close> class CloseAtEnd
{
public:
    explicit CloseAtEnd(Close close) : m_close(std::move(close)) {}
    ~CloseAtEnd() { Now(); }
    CloseAtEnd(const CloseAtEnd&) = delete;
    CloseAtEnd& operator=(const CloseAtEnd&) = delete;

    void Now()
    {
        if (std::exchange(m_pending, false))
            m_close();
    }

private:
    Close m_close;
    bool m_pending = true;
};

} // namespace

struct CDiaryStore::RecordFile
{
    CStoreFile& file;
    int& opens;
    const std::string& path;
    uint32_t& count;
    uint32_t& index;
    const Layout& layout;
    // The reminder and planner files are made when first opened. A diary in
    // a folder that cannot be written has none until it is given one
    // elsewhere: a missing one there holds nothing, and is no error.
    bool optional = false;
};

CDiaryStore::CDiaryStore(uint32_t currentIndex, const CDiaryName& name)
    : current_index(currentIndex), m_strIndexPath(name.Path()), m_strDataPath(name.DataPath()),
      m_strReminderPath(name.ReminderPath()), m_strPlannerPath(name.PlannerPath()), m_name(name)
{
}

CDiaryStore::~CDiaryStore() = default;

std::string CDiaryStore::TempPathFor(const std::string& livePath)
{
    return CAtomicFile::TempPathFor(livePath);
}

CDiaryStore::RecordFile CDiaryStore::IndexRecords()
{
    return {m_indexFile,   m_nIndexOpens, m_strIndexPath,
            m_nEntryCount, current_index, CRecordCodec::kEntries};
}

CDiaryStore::RecordFile CDiaryStore::ReminderRecords()
{
    return {m_reminderFile,
            m_nReminderOpens,
            m_strReminderPath,
            m_nReminderCount,
            reminder_index,
            CRecordCodec::kReminders,
            true};
}

CDiaryStore::RecordFile CDiaryStore::PlannerRecords()
{
    return {m_plannerFile,
            m_nPlannerOpens,
            m_strPlannerPath,
            m_nPlannerCount,
            planner_index,
            CRecordCodec::kTasks,
            true};
}

// ---------------------------------------------------------------- files

FileResult CDiaryStore::Acquire(CStoreFile& file, int& opens, const std::string& path)
{
    if (opens > 0) {
        ++opens;
        return {};
    }
    if (const FileErrorCause cause = file.Open(path); cause != FileErrorCause::None)
        return {cause, path};
    opens = 1;
    return {};
}

bool CDiaryStore::Reported(const FileResult& result)
{
    if (!result.ok())
        ShowStoreMessage(result.Message());
    return result.ok();
}

void CDiaryStore::Release(CStoreFile& file, int& opens)
{
    if (opens > 0 && --opens == 0)
        file.Close();
    if (&file == &m_indexFile && opens == 0) {
        m_indexCache.clear();
        m_indexCache.shrink_to_fit();
        m_bIndexCached = false;
    }
}

FileResult CDiaryStore::OpenIndex()
{
    const bool first = m_nIndexOpens == 0;
    if (FileResult opened = Acquire(m_indexFile, m_nIndexOpens, m_strIndexPath); !opened.ok())
        return opened;
    // A password change was committed but not finished: finish it under the
    // lock. The handle then is the index file that is now in place.
    if (first && FileExists(SwitchMarkerPath())) {
        FileResult finished = CPasswordSwitch(m_name).CompleteIfPending(m_indexFile);
        if (!finished.ok()) {
            Release(m_indexFile, m_nIndexOpens);
            return finished;
        }
    }
    m_nIndexLength = m_bIndexCached ? m_indexCache.size() : m_indexFile.Length();
    m_nEntryCount = RecordCount(m_nIndexLength, kEntryRecordSize);
    return {};
}

bool CDiaryStore::OpenIndexFile()
{
    return Reported(OpenIndex());
}

void CDiaryStore::CloseIndexFile()
{
    Release(m_indexFile, m_nIndexOpens);
}

FileResult CDiaryStore::OpenEntries()
{
    if (FileResult opened = OpenIndex(); !opened.ok())
        return opened;
    if (FileResult opened = Acquire(m_dataFile, m_nDataOpens, m_strDataPath); !opened.ok()) {
        CloseIndexFile();
        return opened;
    }
    m_nDataLength = m_dataFile.Length();
    return {};
}

bool CDiaryStore::OpenEntryFiles()
{
    return Reported(OpenEntries());
}

void CDiaryStore::CloseEntryFiles()
{
    CloseIndexFile();
    Release(m_dataFile, m_nDataOpens);
}

// ---------------------------------------------------------------- record files

FileResult CDiaryStore::AcquireRecords(const RecordFile& records)
{
    if (records.optional && records.opens == 0 && !FileExists(records.path)) {
        // An optional file that is not there yet is created on first use.
        if (const FileErrorCause cause = records.file.Open(records.path);
            cause != FileErrorCause::None) {
            records.count = 0;
            return {cause, records.path};
        }
        records.opens = 1;
    } else if (FileResult opened = Acquire(records.file, records.opens, records.path);
               !opened.ok()) {
        return opened;
    }
    records.count = RecordCount(records.file.Length(), records.layout.size);
    return {};
}

void CDiaryStore::OpenRecordFile(const RecordFile& records)
{
    const bool absent = records.optional && records.opens == 0 && !FileExists(records.path);
    const FileResult opened = AcquireRecords(records);
    // A missing optional file in a folder that cannot be written is simply
    // empty: reading it is no error.
    if (absent && opened.cause == FileErrorCause::AccessDenied && !FileExists(records.path))
        return;
    Reported(opened);
}

void CDiaryStore::CloseRecordFile(const RecordFile& records)
{
    if (records.opens == 0)
        return;
    records.count = RecordCount(records.file.Length(), records.layout.size);
    Release(records.file, records.opens);
}

void CDiaryStore::AppendRecord(const RecordFile& records, const unsigned char* record)
{
    // The caller shows what is thrown: nothing is reported here as well.
    if (const FileResult opened = AcquireRecords(records); !opened.ok())
        throw CFileError(opened.cause, opened.path);
    CloseAtEnd closer([&] { CloseRecordFile(records); });
    // A new record starts after the last whole one: trailing bytes of a
    // damaged file would otherwise shift every later record.
    const size_t size = records.layout.size;
    records.file.WriteAt(records.file.Length() / size * size, record, size);
}

// Reads the record at the file's current index into `record`; returns how
// many of its bytes were there (0 when the file cannot be opened).
size_t CDiaryStore::ReadRecord(const RecordFile& records, unsigned char* record)
{
    OpenRecordFile(records);
    if (records.opens == 0)
        return 0;
    CloseAtEnd closer([&] { CloseRecordFile(records); });
    const size_t size = records.layout.size;
    return records.file.ReadAt(uint64_t(records.index) * size, record, size);
}

// Every byte of the record file; false when it cannot be opened or read.
bool CDiaryStore::ReadAllRecords(const RecordFile& records, std::string& bytes)
{
    OpenRecordFile(records);
    if (records.opens == 0) {
        bytes.clear();
        return records.optional && !FileExists(records.path);
    }
    CloseAtEnd closer([&] { CloseRecordFile(records); });
    return ReadWholeFile(records.file, bytes);
}

// Moves the index on and reads that record. Past the last record the index
// rests at the count; a record that should be there but cannot be read is
// reported. The read refreshes the count, so it is looked at only after it.
bool CDiaryStore::NextRecord(const RecordFile& records, bool (CDiaryStore::*read)(),
                             const char* failure)
{
    if (records.index >= records.count)
        return false;
    ++records.index;
    if ((this->*read)())
        return true;
    if (records.index < records.count) {
        ShowStoreMessage(failure);
        return false;
    }
    records.index = records.count;
    return false;
}

bool CDiaryStore::DeleteRecord(const RecordFile& records, uint32_t index)
{
    OpenRecordFile(records);
    if (records.opens == 0)
        return false;
    CloseAtEnd closer([&] { CloseRecordFile(records); });
    try {
        const uint32_t count = static_cast<uint32_t>(records.file.Length() / records.layout.size);
        records.count = count;
        if (index >= count)
            return false;
        if (count == 1) {
            if (!RemoveLastRecordFile(records.path))
                return false;
            ReopenIfHeld(records.file, records.opens, records.path);
            closer.Now();
            records.count = 0;
            records.index = 0;
            return true;
        }
        if (!RewriteWithout(records, count, index))
            return false;
        records.index = 0;
        return true;
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        return false;
    }
}

bool CDiaryStore::SortRecords(const RecordFile& records)
{
    if (records.count < 2)
        return true;
    OpenRecordFile(records);
    if (records.opens == 0)
        return false;
    CloseAtEnd closer([&] { CloseRecordFile(records); });
    try {
        return RewriteInTimeOrder(records);
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        return false;
    }
}

// ---------------------------------------------------------------- rewrites

bool CDiaryStore::RewriteWithout(const RecordFile& records, uint32_t count, uint32_t index)
{
    std::string bytes;
    if (!ReadForRewrite(records.file, records.path, bytes))
        return false;
    return ReplaceFile(records,
                       CRecordCodec::Reassemble(bytes, records.layout, AllBut(count, index)));
}

bool CDiaryStore::RewriteInTimeOrder(const RecordFile& records)
{
    std::string bytes;
    if (!ReadForRewrite(records.file, records.path, bytes))
        return false;
    // Already in order (the usual case: the new record is the latest)? Then
    // the rewrite would write the very same bytes.
    if (CRecordCodec::AlreadySorted(bytes, records.layout))
        return true;
    return ReplaceFile(records,
                       CRecordCodec::Reassemble(bytes, records.layout,
                                                CRecordCodec::SortedOrder(bytes, records.layout)));
}

bool CDiaryStore::ReplaceFile(const RecordFile& records, const std::string& bytes)
{
    if (&records.file == &m_indexFile && !Reported(CPasswordSwitch(m_name).RetireStaleMarker()))
        return false;
    if (const FileResult result = CSafeReplace::Replace(records.file, bytes); !result.ok()) {
        ShowStoreMessage(result.Message());
        return false;
    }
    if (&records.file == &m_indexFile)
        m_bIndexCached = false;
    return true;
}

bool CDiaryStore::RemoveLastRecordFile(const std::string& path)
{
    if (const int error = RemoveFile(path)) {
        ShowFileError(FileErrorCauseFromErrno(error), path);
        return false;
    }
    SyncFolderOf(path);
    return true;
}

// ---------------------------------------------------------------- entries

bool CDiaryStore::ReadIndexRecord(uint32_t index)
{
    const uint64_t offset = uint64_t(index) * kEntryRecordSize;
    unsigned char record[kEntryRecordSize];
    size_t available = 0;
    if (m_nIndexOpens > 1) {
        // The caller holds the file: read it once and serve every record from memory.
        if (!m_bIndexCached) {
            if (!ReadWholeFile(m_indexFile, m_indexCache))
                return false;
            m_bIndexCached = true;
        }
        if (offset < m_indexCache.size()) {
            available = std::min<uint64_t>(kEntryRecordSize, m_indexCache.size() - offset);
            std::memcpy(record, m_indexCache.data() + offset, available);
        }
    } else if (offset < m_nIndexLength) {
        available = m_indexFile.ReadAt(offset, record, sizeof record);
    }
    const bool whole = CRecordCodec::DecodeEntry(record, available, entry);
    if (available >= CRecordCodec::kPasswordFieldEnd)
        CLegacyCipher::ScramblePassword(entry); // unscrambles
    return whole;
}

void CDiaryStore::AppendEntry()
{
    // The caller shows what is thrown: nothing is reported here as well.
    if (const FileResult opened = OpenEntries(); !opened.ok())
        throw CFileError(opened.cause, opened.path);
    CloseAtEnd closer([this] { CloseEntryFiles(); });

    const uint64_t dataEnd = m_dataFile.Length();
    if (dataEnd + entry.text.size() > kMaxOffset)
        throw CFileError(FileErrorCause::BeyondFormat, m_strDataPath);
    entry.textOffset = static_cast<uint32_t>(dataEnd);
    entry.textLength = static_cast<uint32_t>(entry.text.size());

    // A new record starts after the last whole one: trailing bytes of a
    // damaged file would otherwise shift every later record.
    const uint64_t indexEnd = m_indexFile.Length() / kEntryRecordSize * kEntryRecordSize;

    entry.passwordLength =
        static_cast<uint32_t>(strnlen(entry.password, CRecordCodec::kPasswordField));
    const std::string plainPassword(entry.password, entry.passwordLength);
    CLegacyCipher::ScramblePassword(entry);
    unsigned char record[kEntryRecordSize];
    CRecordCodec::EncodeEntry(entry, record);
    CLegacyCipher::EncryptText(entry, plainPassword);

    // The text goes first and reaches the disk before the record that points
    // at it; a failure takes back whatever part was written.
    try {
        m_dataFile.WriteAt(dataEnd, entry.text.data(), entry.text.size());
        m_dataFile.Sync();
    } catch (const CFileError&) {
        try {
            m_dataFile.Truncate(dataEnd);
        } catch (const CFileError&) {
        }
        throw;
    }
    m_bIndexCached = false;
    // The save is done only once the record is on the disk too.
    try {
        m_indexFile.WriteAt(indexEnd, record, sizeof record);
        m_indexFile.Sync();
    } catch (const CFileError&) {
        try {
            m_indexFile.Truncate(indexEnd);
            m_dataFile.Truncate(dataEnd);
        } catch (const CFileError&) {
        }
        throw;
    }
    m_nDataLength = m_dataFile.Length();
    m_nIndexLength = m_indexFile.Length();
    m_nEntryCount = static_cast<uint32_t>(m_nIndexLength / kEntryRecordSize);
}

bool CDiaryStore::ReadEntry()
{
    if (!OpenEntryFiles())
        return false;
    CloseAtEnd closer([this] { CloseEntryFiles(); });
    if (!ReadIndexRecord(current_index))
        return false;
    // A text outside the data file can only come from a damaged file: fail
    // before allocating anything for it.
    if (uint64_t(entry.textOffset) + entry.textLength > m_nDataLength)
        return false;
    std::string bytes(entry.textLength, '\0');
    if (m_dataFile.ReadAt(entry.textOffset, bytes.data(), bytes.size()) != bytes.size())
        return false;
    const auto zero = bytes.find('\0');
    if (zero != std::string::npos)
        bytes.resize(zero);
    entry.text = std::move(bytes);
    CLegacyCipher::DecryptText(
        entry, std::string(entry.password,
                           std::min<size_t>(entry.passwordLength, CRecordCodec::kPasswordField)));
    return true;
}

bool CDiaryStore::ReadFirstEntry()
{
    current_index = 0;
    return ReadEntry();
}

bool CDiaryStore::ReadEntryHeader()
{
    if (!OpenIndexFile())
        return false;
    CloseAtEnd closer([this] { CloseIndexFile(); });
    return ReadIndexRecord(current_index);
}

bool CDiaryStore::NextEntry()
{
    return NextRecord(IndexRecords(), &CDiaryStore::ReadEntryHeader, "next(index): current_index");
}

bool CDiaryStore::ReadAllEntryHeaders(std::vector<EntryHeader>& headers)
{
    headers.clear();
    if (!OpenIndexFile())
        return false;
    CloseAtEnd closer([this] { CloseIndexFile(); });
    std::string local;
    const std::string* bytes = &m_indexCache;
    if (!m_bIndexCached) {
        if (!ReadWholeFile(m_indexFile, local))
            return false;
        bytes = &local;
    }
    const size_t count = bytes->size() / kEntryRecordSize;
    headers.reserve(count);
    for (size_t i = 0; i < count; ++i)
        headers.push_back(CRecordCodec::DecodeHeader(Bytes(*bytes) + i * kEntryRecordSize));
    return true;
}

bool CDiaryStore::DeleteEntry(uint32_t index)
{
    if (!OpenIndexFile())
        return false;
    CloseAtEnd closer([this] { CloseIndexFile(); });
    try {
        const uint32_t count = m_nEntryCount;
        if (index >= count)
            return false; // nothing there to delete
        if (count == 1) {
            // The data file is locked too until both are gone: a second
            // process that creates a new index once the old one is removed
            // must not write its text into the data file removed next.
            if (!Reported(Acquire(m_dataFile, m_nDataOpens, m_strDataPath)))
                return false;
            CloseAtEnd dataCloser([this] { Release(m_dataFile, m_nDataOpens); });
            // The index file goes first: once it is gone the entry is gone,
            // and a data file left behind holds only unreferenced text.
            if (!RemoveLastRecordFile(m_strIndexPath))
                return false;
            if (const int error = RemoveFile(m_strDataPath))
                ShowFileError(FileErrorCauseFromErrno(error), m_strDataPath);
            m_bIndexCached = false;
            ReopenIfHeld(m_indexFile, m_nIndexOpens, m_strIndexPath);
            ReopenIfHeld(m_dataFile, m_nDataOpens, m_strDataPath);
            m_nEntryCount = 0;
            m_nIndexLength = 0;
            m_nDataLength = m_dataFile.IsOpen() ? m_dataFile.Length() : 0;
            return true;
        }
        if (!RewriteWithout(IndexRecords(), count, index))
            return false;
        m_nEntryCount = count - 1;
        m_nIndexLength = uint64_t(m_nEntryCount) * kEntryRecordSize;
        return true;
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        return false;
    }
}

bool CDiaryStore::SortEntries()
{
    if (m_nEntryCount < 2)
        return true;
    m_nSavedEntry = current_index;
    if (!OpenIndexFile())
        return false;
    CloseAtEnd closer([this] { CloseIndexFile(); });
    try {
        if (!RewriteInTimeOrder(IndexRecords()))
            return false;
        // The file now holds whole records only.
        m_nIndexLength = uint64_t(m_nEntryCount) * kEntryRecordSize;
        current_index = m_nSavedEntry;
        return true;
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        return false;
    }
}

bool CDiaryStore::ReplaceEntry(uint32_t index)
{
    if (!OpenEntryFiles())
        return false;
    CloseAtEnd closer([this] { CloseEntryFiles(); });
    uint64_t dataEnd = 0;
    bool textWritten = false;
    // The new text without a record that points at it is unreferenced bytes,
    // harmless; taken back all the same when the operation fails.
    const auto takeBackText = [&] {
        if (!textWritten)
            return;
        try {
            m_dataFile.Truncate(dataEnd);
        } catch (const CFileError&) {
        }
    };
    try {
        std::string bytes;
        if (!ReadForRewrite(m_indexFile, m_strIndexPath, bytes))
            return false;
        const uint32_t count = RecordCount(bytes.size(), kEntryRecordSize);
        if (index >= count)
            return false;
        bytes.resize(size_t(count) * kEntryRecordSize);

        dataEnd = m_dataFile.Length();
        if (dataEnd + entry.text.size() > kMaxOffset)
            throw CFileError(FileErrorCause::BeyondFormat, m_strDataPath);
        entry.textOffset = static_cast<uint32_t>(dataEnd);
        entry.textLength = static_cast<uint32_t>(entry.text.size());
        entry.passwordLength =
            static_cast<uint32_t>(strnlen(entry.password, CRecordCodec::kPasswordField));
        const std::string plainPassword(entry.password, entry.passwordLength);
        CLegacyCipher::ScramblePassword(entry);
        CRecordCodec::EncodeEntry(entry, reinterpret_cast<unsigned char*>(bytes.data()) +
                                             size_t(index) * kEntryRecordSize);
        CLegacyCipher::EncryptText(entry, plainPassword);

        // The text reaches the disk before the index that points at it.
        textWritten = true;
        m_dataFile.WriteAt(dataEnd, entry.text.data(), entry.text.size());
        m_dataFile.Sync();

        // One rewrite of the index, already in time order: one commit point.
        const std::vector<uint32_t> order =
            CRecordCodec::SortedOrder(bytes, CRecordCodec::kEntries);
        if (!ReplaceFile(IndexRecords(),
                         CRecordCodec::Reassemble(bytes, CRecordCodec::kEntries, order))) {
            takeBackText();
            return false;
        }
        current_index =
            static_cast<uint32_t>(std::find(order.begin(), order.end(), index) - order.begin());
        m_nEntryCount = count;
        m_nIndexLength = bytes.size();
        m_nDataLength = dataEnd + entry.text.size();
        return true;
    } catch (const CFileError& error) {
        takeBackText();
        ShowStoreMessage(error.what());
        return false;
    }
}

// ---------------------------------------------------------------- password

bool CDiaryStore::ChangePassword(const std::string& newPassword)
{
    if (!OpenEntryFiles())
        return false;
    CloseAtEnd closer([this] { CloseEntryFiles(); });
    m_nSavedEntry = current_index;
    try {
        const bool done = ChangePasswordFiles(newPassword);
        current_index = m_nSavedEntry;
        return done;
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        return false;
    }
}

bool CDiaryStore::ChangePasswordFiles(const std::string& newPassword)
{
    std::string index;
    std::string data;
    if (!ReadForRewrite(m_indexFile, m_strIndexPath, index) ||
        !ReadForRewrite(m_dataFile, m_strDataPath, data))
        return false;
    std::string newIndex;
    std::string newData;
    switch (CLegacyCipher::Rekey(index, data, newPassword, newIndex, newData)) {
    case CLegacyCipher::RekeyResult::TextMissing:
        // A record whose text is not there: keep the old files as they are.
        ShowFileError(FileErrorCause::EndOfFile, m_strDataPath);
        return false;
    case CLegacyCipher::RekeyResult::TooLarge:
        throw CFileError(FileErrorCause::DiskFull, TempPathFor(m_strDataPath));
    case CLegacyCipher::RekeyResult::Done:
        break;
    }
    const auto [outcome, failure] =
        CPasswordSwitch(m_name).Switch(newIndex, newData, m_indexFile, m_dataFile);
    Reported(failure);
    if (outcome == CPasswordSwitch::Outcome::NotMade)
        return false;
    m_bIndexCached = false;
    if (outcome == CPasswordSwitch::Outcome::Finished) {
        m_nEntryCount = static_cast<uint32_t>(newIndex.size() / kEntryRecordSize);
        m_nIndexLength = newIndex.size();
        m_nDataLength = newData.size();
    }
    return true;
}

// ---------------------------------------------------------------- reminders

void CDiaryStore::OpenReminderFile()
{
    OpenRecordFile(ReminderRecords());
}

void CDiaryStore::CloseReminderFile()
{
    CloseRecordFile(ReminderRecords());
}

void CDiaryStore::AppendReminder()
{
    unsigned char record[kReminderRecordSize];
    CRecordCodec::EncodeReminder(reminder, record);
    AppendRecord(ReminderRecords(), record);
}

bool CDiaryStore::ReadReminder()
{
    unsigned char record[kReminderRecordSize];
    const size_t got = ReadRecord(ReminderRecords(), record);
    return CRecordCodec::DecodeReminder(record, got, reminder);
}

bool CDiaryStore::NextReminder()
{
    return NextRecord(ReminderRecords(), &CDiaryStore::ReadReminder,
                      "next(reminder): reminder_index");
}

bool CDiaryStore::ReadAllReminders(std::vector<ReminderRecord>& reminders)
{
    reminders.clear();
    std::string bytes;
    if (!ReadAllRecords(ReminderRecords(), bytes))
        return false;
    reminders.resize(bytes.size() / kReminderRecordSize);
    for (size_t i = 0; i < reminders.size(); ++i)
        CRecordCodec::DecodeReminder(Bytes(bytes) + i * kReminderRecordSize, kReminderRecordSize,
                                     reminders[i]);
    return true;
}

bool CDiaryStore::DeleteReminder(uint32_t index)
{
    return DeleteRecord(ReminderRecords(), index);
}

bool CDiaryStore::SortReminders()
{
    return SortRecords(ReminderRecords());
}

// ---------------------------------------------------------------- planner

void CDiaryStore::OpenPlannerFile()
{
    OpenRecordFile(PlannerRecords());
}

void CDiaryStore::ClosePlannerFile()
{
    CloseRecordFile(PlannerRecords());
}

void CDiaryStore::AppendPlannerTask()
{
    unsigned char record[kPlannerRecordSize];
    CRecordCodec::EncodeTask(task, record);
    AppendRecord(PlannerRecords(), record);
}

bool CDiaryStore::ReadPlannerTask()
{
    unsigned char record[kPlannerRecordSize];
    const size_t got = ReadRecord(PlannerRecords(), record);
    return CRecordCodec::DecodeTask(record, got, task);
}

bool CDiaryStore::NextPlannerTask()
{
    return NextRecord(PlannerRecords(), &CDiaryStore::ReadPlannerTask,
                      "next(planner): planner_index");
}

bool CDiaryStore::ReadAllPlannerTasks(std::vector<PlannerRecord>& tasks)
{
    tasks.clear();
    std::string bytes;
    if (!ReadAllRecords(PlannerRecords(), bytes))
        return false;
    tasks.resize(bytes.size() / kPlannerRecordSize);
    for (size_t i = 0; i < tasks.size(); ++i)
        CRecordCodec::DecodeTask(Bytes(bytes) + i * kPlannerRecordSize, kPlannerRecordSize,
                                 tasks[i]);
    return true;
}

bool CDiaryStore::DeletePlannerTask(uint32_t index)
{
    return DeleteRecord(PlannerRecords(), index);
}

bool CDiaryStore::SortPlannerTasks()
{
    return SortRecords(PlannerRecords());
}

bool CDiaryStore::MarkPlannerTaskDone(uint32_t index, int64_t completionTime)
{
    const RecordFile records = PlannerRecords();
    OpenRecordFile(records);
    if (records.opens == 0)
        return false;
    CloseAtEnd closer([&] { CloseRecordFile(records); });
    try {
        std::string bytes;
        if (!ReadForRewrite(records.file, records.path, bytes))
            return false;
        const size_t count = bytes.size() / kPlannerRecordSize;
        std::string rebuilt =
            CRecordCodec::Reassemble(bytes, CRecordCodec::kTasks, Identity(count));
        if (index < count) {
            auto* record = reinterpret_cast<unsigned char*>(rebuilt.data()) +
                           size_t(index) * kPlannerRecordSize;
            CRecordCodec::PutU32(record + 4, static_cast<uint32_t>(completionTime));
            CRecordCodec::PutU32(record + 58, 1);
        }
        if (rebuilt != bytes && !ReplaceFile(records, rebuilt))
            return false;
        planner_index = 0;
        return true;
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        return false;
    }
}
