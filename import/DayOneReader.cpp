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

// The photo of an entry's record, found among the export's photos; its name
// as the export would give it when it is not there.
std::pair<QString, const CDayOnePhotos::Photo*> FindPhoto(const QJsonObject& photo,
                                                          CDayOnePhotos& photos)
{
    const QString md5 = photo.value(QStringLiteral("md5")).toString();
    if (const CDayOnePhotos::Photo* found = md5.isEmpty() ? nullptr : photos.Find(md5)) {
        return {found->name, found};
    }
    const QString type = photo.value(QStringLiteral("type")).toString();
    const QString name = md5.isEmpty() ? photo.value(QStringLiteral("identifier")).toString() : md5;
    return {type.isEmpty() || name.isEmpty() ? name : name + QLatin1Char('.') + type, nullptr};
}

// The entry's photos, each a picture where it can be (its pictures together
// at most kMaxEntryPictureBytes), else its name with why among the problems.
// Each picture the text shows (![](dayone-moment://ID)) is put in its place:
// as ![photo](dayloom-photo:N) when it has a picture (Qt's reader leaves out
// an image without words), as "[photo: NAME]" when not.
std::vector<ForeignPhoto> PlacePhotos(QString& text, const QJsonArray& records,
                                      CDayOnePhotos& photos, const QString& file,
                                      const QString& place, ForeignBatch& batch)
{
    std::vector<ForeignPhoto> placed;
    QHash<QString, qsizetype> byIdentifier;
    qint64 pictureBytes = 0;
    for (const QJsonValue& value : records) {
        const QJsonObject record = value.toObject();
        const auto [name, found] = FindPhoto(record, photos);
        if (name.isEmpty()) {
            continue;
        }
        ForeignPhoto photo;
        photo.name = name;
        if (found == nullptr) {
            batch.problems.push_back({file, place, CDayOnePhotos::MissingText(name)});
        } else if (!found->picture) {
            batch.problems.push_back({file, place, found->why});
        } else if (pictureBytes + found->picture->data.size() > kMaxEntryPictureBytes) {
            batch.problems.push_back({file, place, CDayOnePhotos::EntryFullText(name)});
        } else {
            pictureBytes += found->picture->data.size();
            photo.picture = found->picture;
        }
        const QString identifier = record.value(QStringLiteral("identifier")).toString();
        if (!identifier.isEmpty() && text.contains(identifier)) {
            byIdentifier.insert(identifier, static_cast<qsizetype>(placed.size()));
        }
        placed.push_back(std::move(photo));
    }
    if (!byIdentifier.isEmpty()) {
        static const QRegularExpression picture(
            QStringLiteral(R"(!\[[^\]\n]*\]\(dayone-moment://([A-Za-z0-9_-]+)\))"));
        QString result;
        qsizetype from = 0;
        for (QRegularExpressionMatchIterator it = picture.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const auto index = byIdentifier.constFind(match.captured(1));
            if (index == byIdentifier.cend()) {
                continue;
            }
            ForeignPhoto& photo = placed[static_cast<size_t>(*index)];
            photo.shown = true;
            result += QStringView(text).mid(from, match.capturedStart() - from);
            result += photo.picture
                          ? QStringLiteral("![photo](%1%2)").arg(kPhotoScheme).arg(*index)
                          : QStringLiteral("\\[photo: %1\\]").arg(EscapedMarkdown(photo.name));
            from = match.capturedEnd();
        }
        result += QStringView(text).mid(from);
        text = result;
    }
    return placed;
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

void CDayOneReader::Read(const QJsonObject& root, const QString& file, CDayOnePhotos& photos,
                         ForeignBatch& batch)
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
                                       photos, file, place, batch);
            entry.tags = JsonFields::Tags(record.value(QStringLiteral("tags")));
            entry.starred = record.value(QStringLiteral("starred")).toBool();
            entry.where = file + QStringLiteral(", ") + place;
            batch.entries.push_back(std::move(entry));
        });
}
