#include "dialogs/NewEntryDlgStore.h"

#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/EncryptedSession.h"
#include "store/FileError.h"

#include <QLocale>
#include <filesystem>
#include <vector>

std::optional<std::pair<EntryDraft, CNewEntryDlgStore::Identity>>
CNewEntryDlgStore::Load(const CDiarySession& session, uint32_t index)
{
    const std::unique_ptr<CDiaryStore> store = session.MakeStore(index);
    if (!store->ReadEntry()) {
        return std::nullopt;
    }
    const DiaryEntry& entry = store->entry;
    EntryDraft draft;
    draft.time = entry.time;
    draft.mood = entry.mood;
    draft.fatigue = entry.fatigue;
    draft.shape = entry.shape;
    draft.dream = entry.dream;
    draft.copulation = entry.copulation != 0;
    draft.menstruus = entry.menstruus != 0;
    draft.weight = std::to_string(entry.weight);
    draft.temperature = TemperatureText(entry.temperature);
    draft.rtf = entry.text;
    return std::make_pair(draft, Identity{index, entry.time, entry.textOffset, entry.text});
}

std::optional<uint32_t> CNewEntryDlgStore::Locate(const CDiarySession& session,
                                                  const Identity& entry)
{
    std::vector<EntryHeader> headers;
    if (!session.MakeStore()->ReadAllEntryHeaders(headers)) {
        return std::nullopt;
    }
    auto same = [&](uint32_t i) {
        if (headers[i].time != entry.time) {
            return false;
        }
        if (entry.text.empty()) {
            return headers[i].textOffset == entry.textOffset;
        }
        const std::unique_ptr<CDiaryStore> store = session.MakeStore(i);
        return store->ReadEntry() && store->entry.text == entry.text;
    };
    if (entry.index < headers.size() && same(entry.index)) {
        return entry.index;
    }
    for (uint32_t i = 0; i < headers.size(); ++i) {
        if (i != entry.index && same(i)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<CNewEntryDlgStore::Saved>
CNewEntryDlgStore::Save(const CDiarySession& session, const DiaryEntry& values,
                        const std::optional<Identity>& edited)
{
    const std::unique_ptr<CDiaryStore> store = session.MakeStore(0);
    store->entry = values;
    // The new text goes to the end of the data file: that is how the saved
    // entry is found again after the re-sort.
    std::error_code unknown;
    const uint64_t textOffset = std::filesystem::file_size(store->m_strDataPath, unknown);

    Saved saved;
    saved.replacedIndex = edited ? Locate(session, *edited) : std::nullopt;
    if (saved.replacedIndex) {
        if (!store->ReplaceEntry(*saved.replacedIndex)) {
            return std::nullopt;
        }
    } else {
        // A new entry, or one whose stored original has gone meanwhile:
        // what the user wrote is kept either way.
        store->AppendEntry();
        store->SortEntries();
    }
    // An encrypted diary's file is written now rather than when the store
    // goes: a failure keeps the editor open with what the user wrote, and
    // the editor shows it, once.
    if (CEncryptedSession* encrypted = session.Encrypted()) {
        const EncryptedResult written = encrypted->Commit();
        if (!written.ok()) {
            throw CFileError(written.cause == FileErrorCause::None ? FileErrorCause::Generic
                                                                   : written.cause,
                             session.Path());
        }
    }

    std::vector<EntryHeader> headers;
    if (session.MakeStore()->ReadAllEntryHeaders(headers)) {
        std::optional<uint32_t> byOffset;
        std::optional<uint32_t> byTime;
        for (uint32_t i = 0; i < headers.size(); ++i) {
            if (headers[i].textLength != values.textLength) {
                continue;
            }
            if (!unknown && headers[i].textOffset == textOffset) {
                byOffset = i;
            }
            if (headers[i].time == values.time) {
                byTime = i;
            }
        }
        saved.savedIndex = byOffset ? byOffset : byTime;
    }
    return saved;
}

std::string CNewEntryDlgStore::TemperatureText(float value)
{
    QString text;
    for (int precision = 6; precision <= 9; ++precision) {
        text = QLocale::c().toString(static_cast<double>(value), 'g', precision);
        if (QLocale::c().toFloat(text) == value) {
            break;
        }
    }
    return text.toStdString();
}
