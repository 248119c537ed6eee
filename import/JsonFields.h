#pragma once
// What the JSON readers share: the numbered records of an "entries" array,
// the text of a field, and a list of tag names.

#include "import/ForeignEntry.h"

#include <QJsonArray>
#include <QJsonObject>
#include <functional>

namespace JsonFields {

// "entries" of the root: calls read(record, "entry N") for each object,
// and records a problem for each element that is not one.
void ForEachEntry(const QJsonObject& root, const QString& file, ForeignBatch& batch,
                  const std::function<void(const QJsonObject&, const QString& place)>& read);

// The names of a "tags" array (strings only).
QStringList Tags(const QJsonValue& value);

// True (after recording the problem) when the texts together are longer
// than one entry may be.
bool TooLong(qsizetype characters, const QString& file, const QString& place, ForeignBatch& batch);

// The line (from 1) at a byte offset of a text.
int LineAt(const QByteArray& bytes, qsizetype offset);

} // namespace JsonFields
