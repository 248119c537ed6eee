#include "import/JrnlReader.h"

#include "import/ForeignTime.h"
#include "import/JsonFields.h"

bool CJrnlReader::Recognises(const QJsonObject& root)
{
    for (const QJsonValue& entry : root.value(QStringLiteral("entries")).toArray()) {
        const QJsonObject record = entry.toObject();
        if (record.contains(QStringLiteral("date")) || record.contains(QStringLiteral("body"))) {
            return true;
        }
    }
    return false;
}

void CJrnlReader::Read(const QJsonObject& root, const QString& file, ForeignBatch& batch)
{
    JsonFields::ForEachEntry(
        root, file, batch, [&](const QJsonObject& record, const QString& place) {
            const QJsonValue date = record.value(QStringLiteral("date"));
            if (!date.isString() || date.toString().trimmed().isEmpty()) {
                batch.problems.push_back({file, place, tr("it has no date")});
                return;
            }
            const QString clock = record.value(QStringLiteral("time")).toString();
            const std::optional<int64_t> time = ParseLocalDateTime(date.toString(), clock);
            if (!time) {
                const QString given =
                    (date.toString() + QLatin1Char(' ') + clock).trimmed().left(60);
                batch.problems.push_back(
                    {file, place, tr("\"%1\" is not a date and time").arg(given)});
                return;
            }
            ForeignEntry entry;
            entry.time = *time;
            entry.title = record.value(QStringLiteral("title")).toString();
            entry.body = record.value(QStringLiteral("body")).toString();
            if (JsonFields::TooLong(entry.title.size() + entry.body.size(), file, place, batch)) {
                return;
            }
            entry.tags = JsonFields::Tags(record.value(QStringLiteral("tags")));
            entry.starred = record.value(QStringLiteral("starred")).toBool();
            entry.where = file + QStringLiteral(", ") + place;
            batch.entries.push_back(std::move(entry));
        });
}
