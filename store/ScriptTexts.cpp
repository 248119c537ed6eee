#include "store/ScriptTexts.h"

#include "store/RecordCodec.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kHead = 12;

size_t FieldSize(CScriptTexts::Kind kind)
{
    return kind == CScriptTexts::Kind::Reminder ? sizeof(ReminderRecord::description)
                                                : sizeof(PlannerRecord::description);
}

std::string_view Field(const char* field, size_t size)
{
    return {field, strnlen(field, size - 1)};
}

bool SameRecord(const CScriptTexts::Text& a, const CScriptTexts::Text& b)
{
    // Times as the record holds them: 32 bits.
    return a.kind == b.kind && uint32_t(a.time) == uint32_t(b.time) && a.stored == b.stored;
}

std::vector<CScriptTexts::Text> Texts(std::string_view part)
{
    return CScriptTexts::Decode(part).value_or(std::vector<CScriptTexts::Text>{});
}

} // namespace

bool CScriptTexts::IsUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    for (size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        size_t more = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (n - i <= more)
            return false;
        for (size_t k = 1; k <= more; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (p[i + k] & 0x3F);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        if ((more == 2 && cp < 0x800) || (more == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

std::optional<std::vector<CScriptTexts::Text>> CScriptTexts::Decode(std::string_view part)
{
    std::vector<Text> texts;
    const auto* p = reinterpret_cast<const unsigned char*>(part.data());
    for (size_t at = 0; at < part.size();) {
        if (part.size() - at < kHead || texts.size() == kMaxTexts)
            return std::nullopt;
        Text& text = texts.emplace_back();
        if (p[at] != 1 && p[at] != 2)
            return std::nullopt;
        text.kind = static_cast<Kind>(p[at]);
        const size_t n = p[at + 1];
        const size_t m = size_t(p[at + 2]) | size_t(p[at + 3]) << 8;
        uint64_t time = 0;
        for (int i = 7; i >= 0; --i)
            time = time << 8 | p[at + 4 + i];
        text.time = static_cast<int64_t>(time);
        if (n == 0 || n >= FieldSize(text.kind) || m == 0 || m > kMaxUtf8 ||
            part.size() - at - kHead < n + m)
            return std::nullopt;
        text.stored.assign(part.substr(at + kHead, n));
        text.utf8.assign(part.substr(at + kHead + n, m));
        if (text.stored.find('\0') != std::string::npos || !IsUtf8(text.utf8))
            return std::nullopt;
        at += kHead + n + m;
    }
    return texts;
}

std::string CScriptTexts::Encode(const std::vector<Text>& texts)
{
    std::string part;
    for (const Text& text : texts) {
        unsigned char head[kHead];
        head[0] = static_cast<unsigned char>(text.kind);
        head[1] = static_cast<unsigned char>(text.stored.size());
        head[2] = static_cast<unsigned char>(text.utf8.size());
        head[3] = static_cast<unsigned char>(text.utf8.size() >> 8);
        for (int i = 0; i < 8; ++i)
            head[4 + i] = static_cast<unsigned char>(static_cast<uint64_t>(text.time) >> (8 * i));
        part.append(reinterpret_cast<const char*>(head), kHead);
        part += text.stored;
        part += text.utf8;
    }
    return part;
}

std::string CScriptTexts::With(std::string_view part, const Text& text)
{
    std::vector<Text> texts = Texts(part);
    std::erase_if(texts, [&](const Text& t) { return SameRecord(t, text); });
    texts.push_back(text);
    return Encode(texts);
}

std::string CScriptTexts::Joined(std::string_view a, std::string_view b)
{
    std::vector<Text> texts = Texts(a);
    for (Text& text : Texts(b))
        if (std::none_of(texts.begin(), texts.end(),
                         [&](const Text& t) { return SameRecord(t, text); }))
            texts.push_back(std::move(text));
    return Encode(texts);
}

std::string CScriptTexts::Kept(std::string_view part, std::string_view reminders,
                               std::string_view planner)
{
    std::vector<Text> texts = Texts(part);
    std::vector<Text> records;
    for (size_t at = 0; at + kReminderRecordSize <= reminders.size(); at += kReminderRecordSize) {
        ReminderRecord r;
        CRecordCodec::DecodeReminder(reinterpret_cast<const unsigned char*>(reminders.data()) + at,
                                     kReminderRecordSize, r);
        records.push_back(
            {Kind::Reminder, r.time, std::string(Field(r.description, sizeof r.description)), {}});
    }
    for (size_t at = 0; at + kPlannerRecordSize <= planner.size(); at += kPlannerRecordSize) {
        PlannerRecord t;
        CRecordCodec::DecodeTask(reinterpret_cast<const unsigned char*>(planner.data()) + at,
                                 kPlannerRecordSize, t);
        records.push_back({Kind::Task,
                           t.plannedTime,
                           std::string(Field(t.description, sizeof t.description)),
                           {}});
    }
    std::erase_if(texts, [&](const Text& text) {
        return std::none_of(records.begin(), records.end(),
                            [&](const Text& record) { return SameRecord(record, text); });
    });
    return Encode(texts);
}

std::string CScriptTexts::Find(std::string_view part, const ReminderRecord& reminder)
{
    return Find(Texts(part), reminder);
}

std::string CScriptTexts::Find(std::string_view part, const PlannerRecord& task)
{
    return Find(Texts(part), task);
}

std::string CScriptTexts::Find(const std::vector<Text>& texts, const ReminderRecord& reminder)
{
    const Text key{Kind::Reminder,
                   reminder.time,
                   std::string(Field(reminder.description, sizeof reminder.description)),
                   {}};
    for (const Text& text : texts)
        if (SameRecord(text, key))
            return text.utf8;
    return {};
}

std::string CScriptTexts::Find(const std::vector<Text>& texts, const PlannerRecord& task)
{
    const Text key{Kind::Task,
                   task.plannedTime,
                   std::string(Field(task.description, sizeof task.description)),
                   {}};
    for (const Text& text : texts)
        if (SameRecord(text, key))
            return text.utf8;
    return {};
}
