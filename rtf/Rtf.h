// The diary's entry text is stored as RTF, much of it written years ago by
// Windows rich-edit controls. Qt cannot read or write RTF, so this is
// Dayloom's own codec.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QTextDocument;

// The text the entry view shows for this RTF: exactly what
// RtfToDocument(rtf, doc); doc.toPlainText() gives, but without building a
// document, so that a search can walk a whole diary quickly and a position
// found in the text selects the same range in the view.
QString RtfToPlainText(std::string_view rtf);

// Replaces the document's content with the text, formatting and pictures of
// the RTF, and makes the document draw its pictures (CPictureObject).
// Malformed or truncated input yields whatever text could be read.
void RtfToDocument(std::string_view rtf, QTextDocument& document);

// Canonical 7-bit RTF for the document: a pure function of its formats (so
// writing what was read back gives the same bytes), never a zero byte.
std::string DocumentToRtf(const QTextDocument& document);
