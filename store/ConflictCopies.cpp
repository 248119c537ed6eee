#include "store/ConflictCopies.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

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
