#pragma once
// CommonMark that reads back as exactly the characters it was made from.
// Every character Markdown would take as markup is escaped, bold and italic
// are written only where a CommonMark reader takes them as emphasis (and
// are otherwise left out, never the text), and a line break inside a
// paragraph is written as a hard line break.

#include <QString>

class QTextDocument;

// One line of plain text: escaped so that it is neither a block marker
// (heading, list, quote, code) nor inline markup, with the spaces and tabs
// at its ends kept.
QString MarkdownLine(const QString& line);

// A document's paragraphs, one Markdown paragraph each (empty ones left
// out), ending in a newline; an empty document gives an empty string.
QString MarkdownOf(const QTextDocument& document);
