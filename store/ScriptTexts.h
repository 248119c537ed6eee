#pragma once
// Reminder and planner task texts in any script, kept by an encrypted diary
// beside the records: a record's description field holds Windows-1252 (with
// `?` for each character that code page lacks), and this part holds the
// text as the user wrote it, in UTF-8. A text belongs to the record of its
// kind with its time (a task's planned time) and exactly its stored field;
// texts no record matches any more are dropped when the diary is written.
//
// The part is one record per text (docs/encrypted-format.md):
//
//   0  1  kind: 1 reminder, 2 planner task
//   1  1  n: length of the stored Windows-1252 field (1-39 for a reminder,
//         1-49 for a task)
//   2  2  m: length of the UTF-8 text (1-kMaxUtf8)
//   4  8  the record's time (signed)
//   12 n  the stored field's bytes
//   12+n m the UTF-8 text (valid UTF-8)

#include "store/Records.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CScriptTexts
{
public:
    enum class Kind : uint8_t
    {
        Reminder = 1,
        Task = 2
    };
    struct Text
    {
        Kind kind = Kind::Reminder;
        int64_t time = 0;
        std::string stored; // the record's field, up to its zero byte
        std::string utf8;
        bool operator==(const Text&) const = default;
    };

    static constexpr size_t kMaxUtf8 = 1024;
    static constexpr size_t kMaxTexts = 100'000;

    // nullopt when the part is not sound: a length outside its limits, a
    // kind other than 1 or 2, a text that is no valid UTF-8, a record cut
    // short, or more than kMaxTexts.
    static std::optional<std::vector<Text>> Decode(std::string_view part);
    static bool IsSound(std::string_view part) { return Decode(part).has_value(); }
    static std::string Encode(const std::vector<Text>& texts);
    static bool IsUtf8(std::string_view bytes);

    // The part with `text` in place of one of the same kind, time and field.
    static std::string With(std::string_view part, const Text& text);
    // Both parts' texts, once each.
    static std::string Joined(std::string_view a, std::string_view b);
    // The texts whose record the reminders and planner parts still hold.
    static std::string Kept(std::string_view part, std::string_view reminders,
                            std::string_view planner);
    // The UTF-8 text of a record; empty when the part (or its texts,
    // decoded once for many records) holds none.
    static std::string Find(std::string_view part, const ReminderRecord& reminder);
    static std::string Find(std::string_view part, const PlannerRecord& task);
    static std::string Find(const std::vector<Text>& texts, const ReminderRecord& reminder);
    static std::string Find(const std::vector<Text>& texts, const PlannerRecord& task);
};
