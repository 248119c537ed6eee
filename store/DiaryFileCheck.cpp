#include "store/DiaryFileCheck.h"

#include "store/DiaryName.h"
#include "store/EncryptedDiaryFile.h"
#include "store/EncryptedFormat.h"
#include "store/EncryptedSession.h"
#include "store/RecordCodec.h"
#include "store/Records.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Up to `count` bytes from the start of the file; false when it cannot be
// opened or read (the store reports that when it opens the file itself).
bool ReadHead(const std::string& path, size_t count, std::string& head)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    head.assign(count, '\0');
    size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, head.data() + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    head.resize(got);
    return true;
}

std::string EncryptedProblem(const std::string& path, uint64_t size)
{
    std::string head;
    if (!ReadHead(path, static_cast<size_t>(std::min<uint64_t>(size, encrypted::kMaxHeaderSize)),
                  head))
        return {};
    EncryptedHeader header;
    EncryptedResult result;
    result.status = header.Decode(head, size, KdfLimits::Accepted());
    return CEncryptedSession::MessageFor(result, path);
}

std::string IndexProblem(const CDiaryName& name, uint64_t size)
{
    const std::string& path = name.Path();
    const std::string junk = "The file " + NameOf(path) +
                             " is not a Dayloom diary, or it is damaged. Nothing was opened.";
    if (size == 0)
        return {};
    if (size < kEntryRecordSize)
        return junk;
    std::string head;
    if (!ReadHead(path, kEntryRecordSize, head))
        return {};
    if (head.size() < kEntryRecordSize)
        return junk;
    const auto* record = reinterpret_cast<const unsigned char*>(head.data());
    if (CRecordCodec::GetU32(record) > CRecordCodec::kPasswordField)
        return junk;
    // The first entry's text lies in the data file; while a password change
    // is being finished the index and the data file may not match yet.
    const std::string dataPath = name.DataPath();
    struct stat data
    {
    };
    if (::stat(name.SwitchMarkerPath().c_str(), &data) != 0 &&
        ::stat(dataPath.c_str(), &data) == 0 && S_ISREG(data.st_mode)) {
        const uint64_t offset = CRecordCodec::GetU32(record + 64);
        const uint64_t length = CRecordCodec::GetU32(record + 68);
        if (offset + length > static_cast<uint64_t>(data.st_size))
            return junk;
    }
    return {};
}

} // namespace

std::string DiaryFileProblem(const CDiaryName& diary)
{
    const std::string& indexPath = diary.Path();
    struct stat info
    {
    };
    if (::stat(indexPath.c_str(), &info) != 0)
        return {}; // a new diary, or one the store will report
    if (S_ISDIR(info.st_mode))
        return NameOf(indexPath) + " is a folder, not a diary. Nothing was opened.";
    if (!S_ISREG(info.st_mode))
        return "The file " + NameOf(indexPath) + " is not a Dayloom diary. Nothing was opened.";
    const auto size = static_cast<uint64_t>(info.st_size);
    if (diary.IsEncrypted())
        return EncryptedProblem(indexPath, size);
    if (diary.ExtLoc() == 0 || diary.ExtLoc() >= indexPath.size())
        return {};
    return IndexProblem(diary, size);
}
