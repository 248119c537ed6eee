#pragma once
// What names a diary: its index file's path, in the file system's encoding
// (the form every file call takes; the windows decode it for display), and
// the position of the extension in it. Every file of the diary and every
// name the program derives beside it comes from here:
//
//   travel.ilm           the index (the path itself)
//   travel.dlm .rlm .plm the texts, reminders and planner: the extension's
//                        first letter changed
//   travel.ilm.tmp       a rewrite's temporary file (CAtomicFile), for each file
//   travel.ilm.pwswitch  the password change's commit marker
//   travel.ilm.draft     the editor's draft (.draft.tmp while written,
//                        .draft.damaged[-N] when kept aside)
//   travel.lock          the lock that keeps a second Dayloom out
//   travel.dayloom       the same diary encrypted, one file

#include "store/DiaryParts.h"

#include <cstdint>
#include <string>
#include <string_view>

class CDiaryName
{
public:
    CDiaryName() = default;
    // The extension is the file name's after its last '.'.
    explicit CDiaryName(std::string path);
    // The extension's position as remembered (the settings' "ExtLoc").
    CDiaryName(std::string path, uint16_t extLoc);

    static constexpr std::string_view kEncryptedExtension = "dayloom";

    const std::string& Path() const { return m_path; }
    uint16_t ExtLoc() const { return m_extLoc; }
    bool IsEmpty() const { return m_path.empty(); }

    // The extension position points just past a '.' inside the file name
    // (not in a folder name) and something follows it: the one rule that
    // decides whether a path can name a diary.
    bool IsUsable() const;
    // "NAME.dayloom": the four parts sealed in one file.
    bool IsEncrypted() const;

    // "travel": what exports are titled and backups named after (the whole
    // file name when the extension is not usable).
    std::string Title() const;
    std::string FileName() const;
    std::string Folder() const;

    // The file of one part of a four-file diary.
    std::string PartPath(DiaryPart part) const;
    std::string DataPath() const { return PartPath(DiaryPart::Texts); }
    std::string ReminderPath() const { return PartPath(DiaryPart::Reminders); }
    std::string PlannerPath() const { return PartPath(DiaryPart::Planner); }

    std::string SwitchMarkerPath() const { return m_path + ".pwswitch"; }
    std::string DraftPath() const { return m_path + ".draft"; }
    // The n-th name a damaged draft is kept aside under (1: ".draft.damaged").
    std::string DamagedDraftPath(int n) const;
    std::string LockPath() const;

    // The same diary under another extension: "travel.ilm" -> "travel.dayloom".
    CDiaryName WithExtension(std::string_view extension) const;

    // How much longer than the index path the longest derived name is.
    static size_t LongestDerivedExtra();

    bool operator==(const CDiaryName&) const = default;

private:
    // The path without the '.' and the extension.
    std::string Stem() const;

    std::string m_path;
    uint16_t m_extLoc = 0;
};
