#pragma once
// Reads a Day One journal as its export writes it (Journal.json): an object
// whose "entries" each hold "creationDate" (UTC, ISO 8601), "timeZone",
// "text" (Markdown), "tags", "starred" and "photos" (each named by its md5
// in the export's photos/ folder).

#include "import/DayOnePhotos.h"
#include "import/ForeignEntry.h"

#include <QCoreApplication>

class QJsonObject;

class CDayOneReader
{
    Q_DECLARE_TR_FUNCTIONS(CDayOneReader)

public:
    // True when the document's entries look like Day One's.
    static bool Recognises(const QJsonObject& root);
    // Appends the entries of `root` to the batch, with their photos found
    // among `photos`. A photo the text shows (![](dayone-moment://ID)) is
    // put in its place, every other one after the text; a photo that is not
    // there or is no picture stays its name ("[photo: NAME]"), a problem.
    static void Read(const QJsonObject& root, const QString& file, CDayOnePhotos& photos,
                     ForeignBatch& batch);
};
