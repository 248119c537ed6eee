// The diary store: four flat files of packed little-endian records.
//
// Rewrites. Every rewrite (delete, sort, mark done) builds the new contents
// of one record file in memory, writes them to a temporary file beside the
// live one ("travel.ilm.tmp", started empty), flushes it to the disk and
// then renames it over the live file, which is atomic: a failure at any step
// leaves the live file as it was, removes the temporary file, is reported
// with the file-error table and makes the operation return false. The live
// file stays open and locked for the whole rewrite, and the temporary file's
// handle (locked too) becomes the live handle after the rename, so no other
// process can slip in between.
//
// Password change. It replaces two files that must change together. It
// builds "travel.ilm.tmp" and "travel.dlm.tmp" completely and flushes them,
// then creates the empty marker "travel.ilm.pwswitch" and flushes the folder:
// from that moment the change is committed. Then both temporary files are
// renamed over the live ones and the marker is removed. Whoever opens the
// index file next and finds a marker finishes the switch first (renames the
// temporary files still present, removes the marker). Before the marker
// exists a failure or crash leaves the old files untouched; after it, the
// next open yields the new files. Either way every entry is there, readable
// with one password. A marker may only ever stand beside whole temporary
// files, so no rewrite of the index starts while one is left over.
//
// Damaged files. Counts come from file lengths and every record is read with
// bounds checks: a password length above 30 touches only the 30-byte field,
// a text outside the data file fails the read without allocating for it,
// and a rewrite that cannot read every record changes nothing.

#include "store/DiaryStore.h"

#include "store/Messages.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <span>
#include <string_view>
#include <utility>

namespace {

constexpr size_t kPasswordField = 30;
constexpr uint64_t kMaxOffset = 0xFFFFFFFFull;

void Report(FileErrorCause cause, const std::string& path)
{
    ShowStoreMessage(FileErrorMessage(cause, path));
}

void PutU32(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

uint32_t GetU32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Reading a time replaces only its low half, as a 32-bit read into a 64-bit
// value does; the high half is zero unless the caller put something there.
void SetLowTime(int64_t& time, uint32_t low)
{
    time = static_cast<int64_t>((static_cast<uint64_t>(time) & 0xFFFFFFFF00000000ull) | low);
}

void SetLowByte(int32_t& value, unsigned char low)
{
    value = static_cast<int32_t>((static_cast<uint32_t>(value) & 0xFFFFFF00u) | low);
}

uint32_t FloatBits(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

float BitsFloat(uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

size_t ClampedPasswordLength(uint32_t length)
{
    return std::min<size_t>(length, kPasswordField);
}

unsigned char KeyOf(const char* bytes, size_t length)
{
    unsigned sum = 0;
    for (size_t i = 0; i < length; ++i)
        sum += static_cast<unsigned char>(bytes[i]);
    return static_cast<unsigned char>(sum & 0xFF);
}

// The byte rule shared by the password mask and the text key: a byte equal
// to the mask stays, so the result never holds a zero byte.
void MaskBytes(char* bytes, size_t length, unsigned char mask)
{
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if ((c ^ mask) != 0)
            bytes[i] = static_cast<char>(c ^ mask);
    }
}

void EncodeEntry(const DiaryEntry& e, unsigned char* p)
{
    PutU32(p + 0, e.passwordLength);
    std::memcpy(p + 4, e.password, kPasswordField);
    PutU32(p + 34, static_cast<uint32_t>(e.time));
    PutU32(p + 38, static_cast<uint32_t>(e.mood));
    PutU32(p + 42, static_cast<uint32_t>(e.fatigue));
    PutU32(p + 46, static_cast<uint32_t>(e.shape));
    p[50] = static_cast<unsigned char>(e.copulation);
    p[51] = static_cast<unsigned char>(e.menstruus);
    PutU32(p + 52, FloatBits(e.temperature));
    PutU32(p + 56, static_cast<uint32_t>(e.weight));
    PutU32(p + 60, static_cast<uint32_t>(e.dream));
    PutU32(p + 64, e.textOffset);
    PutU32(p + 68, e.textLength);
}

// Decodes the fields of an entry record that lie within `available` bytes,
// in record order, stopping at the first incomplete one (the fields read so
// far stay). True when the whole record was there.
bool DecodeEntry(const unsigned char* p, size_t available, DiaryEntry& e)
{
    if (available < 4)
        return false;
    e.passwordLength = GetU32(p);
    if (available < 34)
        return false;
    std::memcpy(e.password, p + 4, kPasswordField);
    // Unscramble in place, as the caller's ScramblePassword would.
    const size_t n = ClampedPasswordLength(e.passwordLength);
    MaskBytes(e.password, n, 0xB4);
    e.password[n] = 0;
    struct Field
    {
        size_t offset;
        int kind; // 0 u32 into int32, 1 time, 2 byte, 3 float, 4 uint32
        void* target;
    };
    const Field fields[] = {
        {34, 1, &e.time},       {38, 0, &e.mood},       {42, 0, &e.fatigue},     {46, 0, &e.shape},
        {50, 2, &e.copulation}, {51, 2, &e.menstruus},  {52, 3, &e.temperature}, {56, 0, &e.weight},
        {60, 0, &e.dream},      {64, 4, &e.textOffset}, {68, 4, &e.textLength},
    };
    for (const Field& f : fields) {
        const size_t size = f.kind == 2 ? 1 : 4;
        if (available < f.offset + size)
            return false;
        switch (f.kind) {
        case 0:
            *static_cast<int32_t*>(f.target) = static_cast<int32_t>(GetU32(p + f.offset));
            break;
        case 1:
            SetLowTime(*static_cast<int64_t*>(f.target), GetU32(p + f.offset));
            break;
        case 2:
            SetLowByte(*static_cast<int32_t*>(f.target), p[f.offset]);
            break;
        case 3:
            *static_cast<float*>(f.target) = BitsFloat(GetU32(p + f.offset));
            break;
        default:
            *static_cast<uint32_t*>(f.target) = GetU32(p + f.offset);
            break;
        }
    }
    return true;
}

EntryHeader DecodeHeader(const unsigned char* p)
{
    EntryHeader h;
    h.time = GetU32(p + 34);
    h.mood = static_cast<int32_t>(GetU32(p + 38));
    h.fatigue = static_cast<int32_t>(GetU32(p + 42));
    h.shape = static_cast<int32_t>(GetU32(p + 46));
    h.copulation = p[50];
    h.menstruus = p[51];
    h.temperature = BitsFloat(GetU32(p + 52));
    h.weight = static_cast<int32_t>(GetU32(p + 56));
    h.dream = static_cast<int32_t>(GetU32(p + 60));
    h.textOffset = GetU32(p + 64);
    h.textLength = GetU32(p + 68);
    return h;
}

void EncodeReminder(const ReminderRecord& r, unsigned char* p)
{
    PutU32(p, static_cast<uint32_t>(r.time));
    std::memcpy(p + 4, r.description, 40);
}

// As DecodeEntry: the fields within `available` bytes, true when all were there.
bool DecodeReminder(const unsigned char* p, size_t available, ReminderRecord& r)
{
    if (available < 4)
        return false;
    SetLowTime(r.time, GetU32(p));
    if (available < kReminderRecordSize)
        return false;
    std::memcpy(r.description, p + 4, 40);
    r.description[39] = 0;
    return true;
}

void EncodeTask(const PlannerRecord& t, unsigned char* p)
{
    PutU32(p, static_cast<uint32_t>(t.plannedTime));
    PutU32(p + 4, static_cast<uint32_t>(t.doneTime));
    std::memcpy(p + 8, t.description, 50);
    PutU32(p + 58, static_cast<uint32_t>(t.status));
}

bool DecodeTask(const unsigned char* p, size_t available, PlannerRecord& t)
{
    if (available < 4)
        return false;
    SetLowTime(t.plannedTime, GetU32(p));
    if (available < 8)
        return false;
    SetLowTime(t.doneTime, GetU32(p + 4));
    if (available < 58)
        return false;
    std::memcpy(t.description, p + 8, 50);
    t.description[49] = 0;
    if (available < kPlannerRecordSize)
        return false;
    t.status = static_cast<int32_t>(GetU32(p + 58));
    return true;
}

// A record as the read-then-write of a rewrite leaves it: reading an entry
// puts a zero after the password, reading a reminder or task zeroes the
// description's last byte.
void CanonicalEntry(unsigned char* p)
{
    const uint32_t length = GetU32(p);
    if (length < kPasswordField)
        p[4 + length] = 0;
}

void CanonicalReminder(unsigned char* p)
{
    p[4 + 39] = 0;
}

void CanonicalTask(unsigned char* p)
{
    p[8 + 49] = 0;
}

// How the records of one file lie: their size, where their 32-bit time sits
// (the sort key), and what a rewrite does to each one's bytes.
struct RecordLayout
{
    size_t size;
    size_t timeOffset;
    void (*canonical)(unsigned char* record);
};

constexpr RecordLayout kEntryLayout{kEntryRecordSize, 34, CanonicalEntry};
constexpr RecordLayout kReminderLayout{kReminderRecordSize, 0, CanonicalReminder};
constexpr RecordLayout kTaskLayout{kPlannerRecordSize, 0, CanonicalTask};
constexpr size_t kLargestRecord = kEntryRecordSize;

const unsigned char* Bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

uint32_t RecordCount(uint64_t fileLength, size_t recordSize)
{
    return static_cast<uint32_t>(std::min<uint64_t>(fileLength / recordSize, UINT32_MAX));
}

// The records of `bytes` (a whole record file) in the order of `order`, each
// as a rewrite leaves it; a trailing partial record is dropped.
std::string Reassemble(const std::string& bytes, const RecordLayout& layout,
                       const std::vector<uint32_t>& order)
{
    const size_t size = layout.size;
    std::string out(order.size() * size, '\0');
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    for (size_t i = 0; i < order.size(); ++i) {
        std::memcpy(dst + i * size, bytes.data() + size_t(order[i]) * size, size);
        layout.canonical(dst + i * size);
    }
    return out;
}

// Stable ascending order of the records by their time: records with equal
// times keep their order, so a newly appended record goes after the ones
// already there.
std::vector<uint32_t> SortedOrder(const std::string& bytes, const RecordLayout& layout)
{
    const size_t count = bytes.size() / layout.size;
    std::vector<uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    std::vector<int64_t> times(count);
    for (size_t i = 0; i < count; ++i)
        times[i] = GetU32(Bytes(bytes) + i * layout.size + layout.timeOffset);
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return times[a] < times[b]; });
    return order;
}

// True when the file already holds whole records in time order, each as a
// rewrite would leave it: sorting it would write the very same bytes.
bool AlreadySorted(const std::string& bytes, const RecordLayout& layout)
{
    if (bytes.size() % layout.size != 0)
        return false;
    const unsigned char* p = Bytes(bytes);
    unsigned char copy[kLargestRecord];
    uint32_t previous = 0;
    for (size_t at = 0; at < bytes.size(); at += layout.size) {
        const uint32_t time = GetU32(p + at + layout.timeOffset);
        if (time < previous)
            return false;
        previous = time;
        std::memcpy(copy, p + at, layout.size);
        layout.canonical(copy);
        if (std::memcmp(copy, p + at, layout.size) != 0)
            return false;
    }
    return true;
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

std::string Sibling(const std::string& path, uint16_t extLoc, char letter)
{
    std::string sibling = path;
    if (extLoc < sibling.size())
        sibling[extLoc] = letter;
    else
        sibling += letter; // never the index file itself
    return sibling;
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
    Report(FileErrorCause::EndOfFile, path);
    return false;
}

// A file a rewrite builds beside the live one before it takes the live one's place.
struct Temporary
{
    std::string path;
    std::string_view bytes;
    CStoreFile file;
};

void Discard(std::span<Temporary> temps)
{
    for (Temporary& temp : temps) {
        temp.file.Close();
        RemoveFile(temp.path);
    }
}

// Creates the temporary files empty, writes each its bytes and flushes them
// to the disk: every open first, then every write, then every flush. A
// failure is reported and removes the ones made so far; a temporary file
// that cannot be opened may be another process's, so it stays.
bool WriteTemporaries(std::span<Temporary> temps)
{
    for (size_t i = 0; i < temps.size(); ++i) {
        const FileErrorCause cause = temps[i].file.Open(temps[i].path, true);
        if (cause != FileErrorCause::None) {
            Report(cause, temps[i].path);
            Discard(temps.first(i));
            return false;
        }
    }
    try {
        for (Temporary& temp : temps)
            temp.file.WriteAt(0, temp.bytes.data(), temp.bytes.size());
        for (Temporary& temp : temps)
            temp.file.Sync();
    } catch (const CFileError& error) {
        ShowStoreMessage(error.what());
        Discard(temps);
        return false;
    }
    return true;
}

// A marker vouches for the temporary index and data files beside it: the next
// open renames whatever it finds of them over the live files. One left behind
// by a finished switch (its removal failed) must therefore be gone, on the
// disk, before a rewrite starts a new temporary index; else a crash while
// that file is being written has the next open adopt it half written.
bool RetireStaleMarker(const std::string& marker)
{
    if (!FileExists(marker))
        return true;
    int error = RemoveFile(marker);
    if (error == 0)
        error = SyncFolderOf(marker);
    if (error != 0) {
        Report(FileErrorCauseFromErrno(error), marker);
        return false;
    }
    return true;
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
        Report(cause, path); // the handle stays closed: later writes fail loudly
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
    const RecordLayout& layout;
};

CDiaryStore::CDiaryStore(uint32_t currentIndex, std::string diaryPath, uint16_t extLoc)
    : current_index(currentIndex), m_strIndexPath(std::move(diaryPath))
{
    m_strDataPath = Sibling(m_strIndexPath, extLoc, 'd');
    m_strReminderPath = Sibling(m_strIndexPath, extLoc, 'r');
    m_strPlannerPath = Sibling(m_strIndexPath, extLoc, 'p');
}

CDiaryStore::~CDiaryStore() = default;

std::string CDiaryStore::TempPathFor(const std::string& livePath)
{
    return livePath + ".tmp";
}

std::string CDiaryStore::SwitchMarkerPath() const
{
    return m_strIndexPath + ".pwswitch";
}

CDiaryStore::RecordFile CDiaryStore::IndexRecords()
{
    return {m_indexFile, m_nIndexOpens, m_strIndexPath, m_nEntryCount, current_index, kEntryLayout};
}

CDiaryStore::RecordFile CDiaryStore::ReminderRecords()
{
    return {m_reminderFile,   m_nReminderOpens, m_strReminderPath,
            m_nReminderCount, reminder_index,   kReminderLayout};
}

CDiaryStore::RecordFile CDiaryStore::PlannerRecords()
{
    return {m_plannerFile,   m_nPlannerOpens, m_strPlannerPath,
            m_nPlannerCount, planner_index,   kTaskLayout};
}

// ---------------------------------------------------------------- files

bool CDiaryStore::Acquire(CStoreFile& file, int& opens, const std::string& path)
{
    if (opens > 0) {
        ++opens;
        return true;
    }
    const FileErrorCause cause = file.Open(path);
    if (cause != FileErrorCause::None) {
        Report(cause, path);
        return false;
    }
    opens = 1;
    return true;
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

bool CDiaryStore::CompletePasswordSwitch()
{
    const std::string marker = SwitchMarkerPath();
    if (!FileExists(marker))
        return true;
    // The lock on the old index guards nothing once another file is renamed
    // over it: the new index is locked first and its handle becomes the live
    // one, so a second process stays out until the switch is finished.
    const std::string indexTemp = TempPathFor(m_strIndexPath);
    if (FileExists(indexTemp)) {
        CStoreFile next;
        const FileErrorCause cause = next.Open(indexTemp);
        if (cause != FileErrorCause::None) {
            Report(cause, indexTemp);
            return false;
        }
        if (const int error = next.MoveTo(m_strIndexPath)) {
            Report(FileErrorCauseFromErrno(error), m_strIndexPath);
            return false;
        }
        m_indexFile = std::move(next);
    }
    const std::string dataTemp = TempPathFor(m_strDataPath);
    if (FileExists(dataTemp)) {
        if (const int error = RenameFile(dataTemp, m_strDataPath)) {
            Report(FileErrorCauseFromErrno(error), m_strDataPath);
            return false;
        }
    }
    SyncFolderOf(m_strIndexPath);
    RemoveFile(marker); // a marker without temporary files is harmless
    SyncFolderOf(m_strIndexPath);
    return true;
}

bool CDiaryStore::OpenIndexFile()
{
    const bool first = m_nIndexOpens == 0;
    if (!Acquire(m_indexFile, m_nIndexOpens, m_strIndexPath))
        return false;
    // A password change was committed but not finished: finish it under the
    // lock. The handle then is the index file that is now in place.
    if (first && !CompletePasswordSwitch()) {
        Release(m_indexFile, m_nIndexOpens);
        return false;
    }
    m_nIndexLength = m_bIndexCached ? m_indexCache.size() : m_indexFile.Length();
    m_nEntryCount = RecordCount(m_nIndexLength, kEntryRecordSize);
    return true;
}

void CDiaryStore::CloseIndexFile()
{
    Release(m_indexFile, m_nIndexOpens);
}

bool CDiaryStore::OpenEntryFiles()
{
    if (!OpenIndexFile())
        return false;
    if (!Acquire(m_dataFile, m_nDataOpens, m_strDataPath)) {
        CloseIndexFile();
        return false;
    }
    m_nDataLength = m_dataFile.Length();
    return true;
}

void CDiaryStore::CloseEntryFiles()
{
    CloseIndexFile();
    Release(m_dataFile, m_nDataOpens);
}

// ---------------------------------------------------------------- record files

void CDiaryStore::OpenRecordFile(const RecordFile& records)
{
    if (Acquire(records.file, records.opens, records.path))
        records.count = RecordCount(records.file.Length(), records.layout.size);
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
    OpenRecordFile(records);
    if (records.opens == 0)
        throw CFileError(FileErrorCause::InvalidHandle, records.path);
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
    return ReplaceFile(records, Reassemble(bytes, records.layout, AllBut(count, index)));
}

bool CDiaryStore::RewriteInTimeOrder(const RecordFile& records)
{
    std::string bytes;
    if (!ReadForRewrite(records.file, records.path, bytes))
        return false;
    // Already in order (the usual case: the new record is the latest)? Then
    // the rewrite would write the very same bytes.
    if (AlreadySorted(bytes, records.layout))
        return true;
    return ReplaceFile(records,
                       Reassemble(bytes, records.layout, SortedOrder(bytes, records.layout)));
}

bool CDiaryStore::ReplaceFile(const RecordFile& records, const std::string& bytes)
{
    if (&records.file == &m_indexFile && !RetireStaleMarker(SwitchMarkerPath()))
        return false;
    Temporary temp[] = {{TempPathFor(records.path), bytes, {}}};
    if (!WriteTemporaries(temp))
        return false;
    if (const int error = temp[0].file.MoveTo(records.path)) {
        Report(FileErrorCauseFromErrno(error), records.path);
        Discard(temp);
        return false;
    }
    SyncFolderOf(records.path);
    // The temporary handle is now the live file's, lock and all.
    records.file = std::move(temp[0].file);
    if (&records.file == &m_indexFile)
        m_bIndexCached = false;
    return true;
}

bool CDiaryStore::RemoveLastRecordFile(const std::string& path)
{
    if (const int error = RemoveFile(path)) {
        Report(FileErrorCauseFromErrno(error), path);
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
    return DecodeEntry(record, available, entry);
}

void CDiaryStore::AppendEntry()
{
    if (!OpenEntryFiles())
        throw CFileError(FileErrorCause::InvalidHandle, m_strIndexPath);
    CloseAtEnd closer([this] { CloseEntryFiles(); });

    const uint64_t dataEnd = m_dataFile.Length();
    if (dataEnd + entry.text.size() > kMaxOffset)
        throw CFileError(FileErrorCause::DiskFull, m_strDataPath);
    entry.textOffset = static_cast<uint32_t>(dataEnd);
    entry.textLength = static_cast<uint32_t>(entry.text.size());

    // A new record starts after the last whole one: trailing bytes of a
    // damaged file would otherwise shift every later record.
    const uint64_t indexEnd = m_indexFile.Length() / kEntryRecordSize * kEntryRecordSize;

    entry.passwordLength = static_cast<uint32_t>(strnlen(entry.password, kPasswordField));
    const std::string plainPassword(entry.password, entry.passwordLength);
    ScramblePassword();
    unsigned char record[kEntryRecordSize];
    EncodeEntry(entry, record);
    EncryptText(plainPassword);

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
    DecryptText(std::string(entry.password, ClampedPasswordLength(entry.passwordLength)));
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
        headers.push_back(DecodeHeader(Bytes(*bytes) + i * kEntryRecordSize));
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
            if (!Acquire(m_dataFile, m_nDataOpens, m_strDataPath))
                return false;
            CloseAtEnd dataCloser([this] { Release(m_dataFile, m_nDataOpens); });
            // The index file goes first: once it is gone the entry is gone,
            // and a data file left behind holds only unreferenced text.
            if (!RemoveLastRecordFile(m_strIndexPath))
                return false;
            if (const int error = RemoveFile(m_strDataPath))
                Report(FileErrorCauseFromErrno(error), m_strDataPath);
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

// ---------------------------------------------------------------- password

void CDiaryStore::ScramblePassword()
{
    const size_t n = ClampedPasswordLength(entry.passwordLength);
    MaskBytes(entry.password, n, 0xB4);
    entry.password[n] = 0;
}

void CDiaryStore::EncryptText(const std::string& plainPassword)
{
    const unsigned char key = KeyOf(plainPassword.data(), plainPassword.size());
    const size_t n = std::min<size_t>(entry.textLength, entry.text.size());
    MaskBytes(entry.text.data(), n, key);
}

void CDiaryStore::DecryptText(const std::string& recordPassword)
{
    const unsigned char key =
        KeyOf(recordPassword.data(), std::min<size_t>(entry.passwordLength, recordPassword.size()));
    std::string copy = entry.text.substr(0, std::min<size_t>(entry.textLength, entry.text.size()));
    MaskBytes(copy.data(), copy.size(), key);
    const auto zero = copy.find('\0');
    if (zero != std::string::npos)
        copy.resize(zero);
    entry.text = std::move(copy);
}

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
    // The new password as the record will hold it: a zero-terminated string
    // of at most the field's 30 bytes. The key is made from those same bytes,
    // so every text stays readable with the stored password.
    const std::string password = newPassword.substr(
        0, std::min(strnlen(newPassword.c_str(), newPassword.size()), kPasswordField));

    std::string index;
    std::string data;
    if (!ReadForRewrite(m_indexFile, m_strIndexPath, index) ||
        !ReadForRewrite(m_dataFile, m_strDataPath, data))
        return false;
    const size_t count = index.size() / kEntryRecordSize;
    std::string newIndex(count * kEntryRecordSize, '\0');
    std::string newData;
    newData.reserve(data.size());
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* source = Bytes(index) + i * kEntryRecordSize;
        DiaryEntry record;
        DecodeEntry(source, kEntryRecordSize, record);
        if (uint64_t(record.textOffset) + record.textLength > data.size()) {
            // A record whose text is not there: keep the old files as they are.
            Report(FileErrorCause::EndOfFile, m_strDataPath);
            return false;
        }
        std::string text = data.substr(record.textOffset, record.textLength);
        const auto zero = text.find('\0');
        if (zero != std::string::npos)
            text.resize(zero);
        MaskBytes(text.data(), text.size(),
                  KeyOf(record.password, ClampedPasswordLength(record.passwordLength)));

        // The old password's characters beyond the new one's become spaces.
        const size_t oldLength = strnlen(record.password, kPasswordField);
        std::memset(record.password, ' ', oldLength);
        std::memcpy(record.password, password.c_str(), password.size() + 1);
        record.passwordLength = static_cast<uint32_t>(password.size());
        MaskBytes(record.password, password.size(), 0xB4);
        record.password[password.size()] = 0;

        if (newData.size() + text.size() > kMaxOffset)
            throw CFileError(FileErrorCause::DiskFull, TempPathFor(m_strDataPath));
        record.textOffset = static_cast<uint32_t>(newData.size());
        record.textLength = static_cast<uint32_t>(text.size());
        MaskBytes(text.data(), text.size(), KeyOf(password.data(), password.size()));
        newData += text;
        EncodeEntry(record,
                    reinterpret_cast<unsigned char*>(newIndex.data()) + i * kEntryRecordSize);
    }

    // Build both new files completely before anything is switched.
    const std::string marker = SwitchMarkerPath();
    if (!RetireStaleMarker(marker))
        return false;
    Temporary temps[] = {{TempPathFor(m_strIndexPath), newIndex, {}},
                         {TempPathFor(m_strDataPath), newData, {}}};
    if (!WriteTemporaries(temps))
        return false;

    // Commit: the marker's existence, once on the disk, decides for the new files.
    {
        CStoreFile markerFile;
        const FileErrorCause cause = markerFile.Open(marker, true);
        if (cause != FileErrorCause::None) {
            Report(cause, marker);
            Discard(temps);
            return false;
        }
    }
    if (const int error = SyncFolderOf(marker)) {
        Report(FileErrorCauseFromErrno(error), marker);
        // A marker that cannot be taken back will switch at the next open:
        // then the change stands, and both whole temporary files must stay.
        if (RemoveFile(marker) == 0) {
            Discard(temps);
            return false;
        }
    }

    // Committed. A failure from here on is finished by the next open.
    if (const int error = temps[0].file.MoveTo(m_strIndexPath)) {
        Report(FileErrorCauseFromErrno(error), m_strIndexPath);
        return true;
    }
    m_indexFile = std::move(temps[0].file);
    m_bIndexCached = false;
    if (const int error = temps[1].file.MoveTo(m_strDataPath)) {
        Report(FileErrorCauseFromErrno(error), m_strDataPath);
        return true;
    }
    m_dataFile = std::move(temps[1].file);
    // Both renames must be on the disk before the marker goes; the removal
    // itself need not be (a marker without temporary files is harmless).
    SyncFolderOf(m_strIndexPath);
    RemoveFile(marker);
    m_nEntryCount = static_cast<uint32_t>(count);
    m_nIndexLength = newIndex.size();
    m_nDataLength = newData.size();
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
    EncodeReminder(reminder, record);
    AppendRecord(ReminderRecords(), record);
}

bool CDiaryStore::ReadReminder()
{
    unsigned char record[kReminderRecordSize];
    const size_t got = ReadRecord(ReminderRecords(), record);
    return DecodeReminder(record, got, reminder);
}

bool CDiaryStore::NextReminder()
{
    return NextRecord(ReminderRecords(), &CDiaryStore::ReadReminder,
                      "next(reminder): reminder_index");
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
    EncodeTask(task, record);
    AppendRecord(PlannerRecords(), record);
}

bool CDiaryStore::ReadPlannerTask()
{
    unsigned char record[kPlannerRecordSize];
    const size_t got = ReadRecord(PlannerRecords(), record);
    return DecodeTask(record, got, task);
}

bool CDiaryStore::NextPlannerTask()
{
    return NextRecord(PlannerRecords(), &CDiaryStore::ReadPlannerTask,
                      "next(planner): planner_index");
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
        std::string rebuilt = Reassemble(bytes, kTaskLayout, Identity(count));
        if (index < count) {
            auto* record = reinterpret_cast<unsigned char*>(rebuilt.data()) +
                           size_t(index) * kPlannerRecordSize;
            PutU32(record + 4, static_cast<uint32_t>(completionTime));
            PutU32(record + 58, 1);
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
