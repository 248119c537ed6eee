#pragma once
// Reads the JSON that jrnl writes with "jrnl --export json": an object whose
// "entries" each hold "date" and "time" (local, no zone), "title", "body"
// (plain text), "tags" (such as "@work") and "starred".

#include "import/ForeignEntry.h"

#include <QCoreApplication>

class QJsonObject;

class CJrnlReader
{
    Q_DECLARE_TR_FUNCTIONS(CJrnlReader)

public:
    // True when the document's entries look like jrnl's.
    static bool Recognises(const QJsonObject& root);
    // Appends the entries of `root` to the batch; a record that cannot be
    // taken over becomes a problem naming `file` and its entry number.
    static void Read(const QJsonObject& root, const QString& file, ForeignBatch& batch);
};
