#include "store/ConflictCopies.h"

#include "store/AtomicFile.h"
#include "store/FileFaults.h"
#include "store/StoreFile.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr std::string_view kSyncthingMark = ".sync-conflict-";
constexpr std::string_view kConflictedCopy = "conflicted copy";

// The name without its extension ("travel" of "travel.dayloom") and the
// extension with its dot; a name without one has an empty extension.
std::pair<std::string_view, std::string_view> SplitName(std::string_view name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {name, {}};
    return {name.substr(0, dot), name.substr(dot)};
}

} // namespace

bool CConflictCopies::IsCopyOf(const std::string& diaryName, const std::string& name)
{
    const auto [base, ext] = SplitName(diaryName);
    const std::string_view candidate = name;
    if (base.empty() || candidate == diaryName || !candidate.starts_with(base) ||
        !candidate.ends_with(ext))
        return false;
    // What the tool put between the diary's name and its extension.
    const std::string_view middle =
        candidate.substr(base.size(), candidate.size() - base.size() - ext.size());
    if (middle.starts_with(kSyncthingMark))
        return middle.size() > kSyncthingMark.size();
    // " (Ann's conflicted copy 2026-12-07)", " (conflicted copy 2026-12-07 101500)".
    return middle.size() > 3 && middle.starts_with(" (") && middle.ends_with(')') &&
           middle.find(kConflictedCopy) != std::string_view::npos;
}

std::vector<std::string> CConflictCopies::Find(const std::string& diaryPath,
                                               const std::vector<std::string>& names)
{
    const size_t slash = diaryPath.rfind('/');
    const std::string diaryName =
        slash == std::string::npos ? diaryPath : diaryPath.substr(slash + 1);
    std::vector<std::string> copies;
    for (const std::string& name : names)
        if (IsCopyOf(diaryName, name))
            copies.push_back(name);
    std::sort(copies.begin(), copies.end());
    return copies;
}

std::vector<std::string> CConflictCopies::FindBeside(const std::string& diaryPath)
{
    const std::filesystem::path diary(diaryPath);
    const std::filesystem::path folder =
        diary.has_parent_path() ? diary.parent_path() : std::filesystem::path(".");
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        names.push_back(it->path().filename().string());
    std::vector<std::string> copies = Find(diaryPath, names);
    for (std::string& copy : copies)
        copy = (folder / copy).string();
    return copies;
}

std::string CConflictCopies::NameFor(const std::string& diaryPath, int64_t modified, int number)
{
    const size_t slash = diaryPath.rfind('/');
    const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    const auto [base, ext] = SplitName(std::string_view(diaryPath).substr(nameAt));
    const auto time = static_cast<std::time_t>(modified);
    std::tm local{};
    localtime_r(&time, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
    std::string name = diaryPath.substr(0, nameAt);
    name.append(base).append(" (conflicted copy ").append(stamp);
    if (number > 1)
        name.append(" ").append(std::to_string(number));
    return name.append(")").append(ext);
}

FileResult CConflictCopies::KeepAside(const std::string& diaryPath, std::string& kept)
{
    struct stat info
    {
    };
    if (::stat(diaryPath.c_str(), &info) != 0)
        return FileResult::FromErrno(errno, diaryPath);
    for (int number = 1; number < 100; ++number) {
        kept = NameFor(diaryPath, info.st_mtim.tv_sec, number);
        if (::access(kept.c_str(), F_OK) == 0)
            continue;
        int error = CFileFaults::Check(FileOp::Rename, kept);
        if (error == 0 && ::link(diaryPath.c_str(), kept.c_str()) == 0)
            return {};
        error = error != 0 ? error : errno;
        if (error == EEXIST)
            continue;
        // No second names here (some shared and removable file systems):
        // the bytes are copied, whole, before anything is written over them.
        try {
            CStoreFile source;
            if (const FileErrorCause cause = source.Open(diaryPath); cause != FileErrorCause::None)
                return {cause, diaryPath};
            std::string bytes(static_cast<size_t>(source.Length()), '\0');
            if (source.ReadAt(0, bytes.data(), bytes.size()) != bytes.size())
                return {FileErrorCause::Generic, diaryPath};
            return CAtomicFile::Replace(kept, bytes, CAtomicFile::TempName::Unique);
        } catch (const CFileError& error) {
            return FileResult::From(error);
        } catch (const std::bad_alloc&) {
            return {FileErrorCause::Generic, diaryPath};
        }
    }
    return {FileErrorCause::DirectoryFull, diaryPath};
}
