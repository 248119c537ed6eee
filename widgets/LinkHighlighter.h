#pragma once
// Shows the web and mail addresses and the #tags of a document as links. The link look is
// a layout-only format of the highlighter, so it never becomes part of the
// characters' own formats and never reaches the stored RTF.

#include <QList>
#include <QSyntaxHighlighter>

class QTextDocument;

struct LinkSpan
{
    int start; // position in the block's text
    int length;
};

class CLinkHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit CLinkHighlighter(QTextDocument* document);

    // The addresses in one line of text: "http://", "https://", "ftp://",
    // "www.", "mailto:" and "file:" forms, up to the next blank, without
    // trailing punctuation that ends the sentence around them.
    static QList<LinkSpan> FindLinks(const QString& text);

protected:
    void highlightBlock(const QString& text) override;
};
