#include "import/JsonFields.h"

#include <QCoreApplication>
#include <algorithm>

namespace JsonFields {

void ForEachEntry(const QJsonObject& root, const QString& file, ForeignBatch& batch,
                  const std::function<void(const QJsonObject&, const QString& place)>& read)
{
    const QJsonArray entries = root.value(QStringLiteral("entries")).toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString place = QCoreApplication::translate("CJsonFields", "entry %1").arg(i + 1);
        const QJsonValue value = entries.at(i);
        if (!value.isObject()) {
            batch.problems.push_back(
                {file, place, QCoreApplication::translate("CJsonFields", "it is not a record")});
            continue;
        }
        read(value.toObject(), place);
    }
}

QStringList Tags(const QJsonValue& value)
{
    QStringList tags;
    for (const QJsonValue& tag : value.toArray()) {
        if (tag.isString()) {
            tags.append(tag.toString());
        }
    }
    return tags;
}

bool TooLong(qsizetype characters, const QString& file, const QString& place, ForeignBatch& batch)
{
    if (characters <= kMaxEntryCharacters) {
        return false;
    }
    batch.problems.push_back(
        {file, place,
         QCoreApplication::translate("CJsonFields", "its text is longer than %1 characters")
             .arg(kMaxEntryCharacters)});
    return true;
}

int LineAt(const QByteArray& bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

} // namespace JsonFields
