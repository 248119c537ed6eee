#include "import/DayOneReader.h"

#include "import/ForeignTime.h"
#include "import/JsonFields.h"

#include <QRegularExpression>

namespace {

// A name as literal Markdown text.
QString EscapedMarkdown(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c.unicode() < 0x80 && c.isPunct()) {
            escaped.append(QLatin1Char('\\'));
        }
        escaped.append(c);
    }
    return escaped;
}

QString PhotoName(const QJsonObject& photo, const QHash<QString, QString>& photoFiles)
{
    const QString md5 = photo.value(QStringLiteral("md5")).toString();
    if (const auto found = photoFiles.constFind(md5);
        !md5.isEmpty() && found != photoFiles.cend()) {
        return *found;
    }
    const QString type = photo.value(QStringLiteral("type")).toString();
    const QString name = md5.isEmpty() ? photo.value(QStringLiteral("identifier")).toString() : md5;
    return type.isEmpty() || name.isEmpty() ? name : name + QLatin1Char('.') + type;
}

// Replaces each picture the text shows by its line and returns the names of
// the photos it did not show.
QStringList PlacePhotos(QString& text, const QJsonArray& photos,
                        const QHash<QString, QString>& photoFiles)
{
    QHash<QString, QString> byIdentifier;
    QStringList unshown;
    for (const QJsonValue& value : photos) {
        const QJsonObject photo = value.toObject();
        const QString name = PhotoName(photo, photoFiles);
        if (name.isEmpty()) {
            continue;
        }
        const QString identifier = photo.value(QStringLiteral("identifier")).toString();
        if (!identifier.isEmpty() && text.contains(identifier)) {
            byIdentifier.insert(identifier, name);
        } else {
            unshown.append(name);
        }
    }
    if (!byIdentifier.isEmpty()) {
        static const QRegularExpression picture(
            QStringLiteral(R"(!\[[^\]\n]*\]\(dayone-moment://([A-Za-z0-9_-]+)\))"));
        QString placed;
        qsizetype from = 0;
        for (QRegularExpressionMatchIterator it = picture.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const auto name = byIdentifier.constFind(match.captured(1));
            if (name == byIdentifier.cend()) {
                continue;
            }
            placed += QStringView(text).mid(from, match.capturedStart() - from);
            placed += QStringLiteral("\\[photo: %1\\]").arg(EscapedMarkdown(*name));
            from = match.capturedEnd();
        }
        placed += QStringView(text).mid(from);
        text = placed;
    }
    return unshown;
}

} // namespace

bool CDayOneReader::Recognises(const QJsonObject& root)
{
    for (const QJsonValue& entry : root.value(QStringLiteral("entries")).toArray()) {
        if (entry.toObject().contains(QStringLiteral("creationDate"))) {
            return true;
        }
    }
    return root.value(QStringLiteral("entries")).isArray() &&
           root.value(QStringLiteral("metadata")).isObject();
}

void CDayOneReader::Read(const QJsonObject& root, const QString& file,
                         const QHash<QString, QString>& photoFiles, ForeignBatch& batch)
{
    JsonFields::ForEachEntry(
        root, file, batch, [&](const QJsonObject& record, const QString& place) {
            const QJsonValue created = record.value(QStringLiteral("creationDate"));
            if (!created.isString() || created.toString().trimmed().isEmpty()) {
                batch.problems.push_back({file, place, tr("it has no date")});
                return;
            }
            const std::optional<int64_t> time = ParseIsoMoment(
                created.toString(), record.value(QStringLiteral("timeZone")).toString());
            if (!time) {
                batch.problems.push_back(
                    {file, place,
                     tr("\"%1\" is not a date and time").arg(created.toString().left(60))});
                return;
            }
            ForeignEntry entry;
            entry.time = *time;
            entry.body = record.value(QStringLiteral("text")).toString();
            if (JsonFields::TooLong(entry.body.size(), file, place, batch)) {
                return;
            }
            entry.markdown = true;
            entry.photos = PlacePhotos(entry.body, record.value(QStringLiteral("photos")).toArray(),
                                       photoFiles);
            entry.tags = JsonFields::Tags(record.value(QStringLiteral("tags")));
            entry.starred = record.value(QStringLiteral("starred")).toBool();
            entry.where = file + QStringLiteral(", ") + place;
            batch.entries.push_back(std::move(entry));
        });
}
