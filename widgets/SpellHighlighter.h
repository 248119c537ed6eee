#pragma once
// Marks the misspelt words of a document with a red wavy underline, besides
// showing its links as CLinkHighlighter does (a document has room for one
// highlighter). Like the link look, the underline is a layout-only format: it
// never reaches the stored RTF. Only the paragraph being typed in is checked
// again as the user types; nothing runs while the text stays as it is.

#include "widgets/LinkHighlighter.h"

#include <memory>

class CSpellChecker;

class CSpellHighlighter : public CLinkHighlighter
{
    Q_OBJECT
public:
    CSpellHighlighter(QTextDocument* document, std::unique_ptr<CSpellChecker> checker);
    ~CSpellHighlighter() override;

    CSpellChecker& Checker() const { return *m_pChecker; }

    // The words of one line of text that are checked: runs of letters with
    // inner apostrophes ("don't"), not those with digits or "_", not #tags
    // or @names, and none inside a link.
    static QList<LinkSpan> FindWords(const QString& text);
    // The misspelt words of the line.
    QList<LinkSpan> FindMisspelt(const QString& text) const;

protected:
    void highlightBlock(const QString& text) override;

private:
    std::unique_ptr<CSpellChecker> m_pChecker;
};
