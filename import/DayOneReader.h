#pragma once
// Reads a Day One journal as its export writes it (Journal.json): an object
// whose "entries" each hold "creationDate" (UTC, ISO 8601), "timeZone",
// "text" (Markdown), "tags", "starred" and "photos" (each named by its md5
// in the export's photos/ folder).

#include "import/ForeignEntry.h"

#include <QCoreApplication>
#include <QHash>

class QJsonObject;

class CDayOneReader
{
    Q_DECLARE_TR_FUNCTIONS(CDayOneReader)

public:
    // True when the document's entries look like Day One's.
    static bool Recognises(const QJsonObject& root);
    // Appends the entries of `root` to the batch. photoFiles maps an md5 to
    // the file of the export's photos/ folder that holds it ("<md5>.jpeg").
    // A photo the text shows (![](dayone-moment://ID)) becomes a line
    // "[photo: NAME]" in its place, every other one a line at the end.
    static void Read(const QJsonObject& root, const QString& file,
                     const QHash<QString, QString>& photoFiles, ForeignBatch& batch);
};
