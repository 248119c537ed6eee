#pragma once
// Turns an entry of another program into the RTF of a Dayloom entry: the
// title as a bold first line, the body as formatted text (Markdown, through
// Qt's Markdown reader) or line by line (plain text) with the photos it
// shows in their places, then the other photos (each a picture, or a line
// "[photo: NAME]" when it has none) and a line of tags ("#work #starred").

#include "import/ForeignEntry.h"

#include <QTextDocument>
#include <string>

class CEntryConverter
{
public:
    CEntryConverter();

    // The entry's RTF; plainText receives the text as the entry view shows
    // it.
    std::string Rtf(const ForeignEntry& entry, QString& plainText);

    // The entry's tags as words: a leading "@" or "#" dropped, spaces
    // turned into "_", each once, then "#starred" for a starred entry.
    static QStringList TagWords(const ForeignEntry& entry);

private:
    QTextDocument m_document; // reused: one document for a whole import
};
