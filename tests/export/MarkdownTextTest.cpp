// Markdown read back by cmark: markup-like text stays text, emphasis is read where it can be.

#include "export/MarkdownText.h"

#include "rtf/Rtf.h"

#include <QStringList>
#include <QTextDocument>
#include <cmark.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// What a CommonMark reader makes of a document: its text (hard breaks "\n", paragraphs apart by a
// blank line, other nodes "<type>"), and the text in strong and in emphasis as lists "a|b|".
struct ReadBack
{
    std::string text;
    std::string strong;
    std::string emphasis;
};

ReadBack Read(const QString& markdown)
{
    const QByteArray bytes = markdown.toUtf8();
    const std::unique_ptr<cmark_node, decltype(&cmark_node_free)> root(
        cmark_parse_document(bytes.constData(), size_t(bytes.size()), CMARK_OPT_DEFAULT),
        &cmark_node_free);
    const std::unique_ptr<cmark_iter, decltype(&cmark_iter_free)> iter(cmark_iter_new(root.get()),
                                                                       &cmark_iter_free);
    ReadBack back;
    int strong = 0;
    int emphasis = 0;
    for (cmark_event_type event; (event = cmark_iter_next(iter.get())) != CMARK_EVENT_DONE;) {
        cmark_node* node = cmark_iter_get_node(iter.get());
        const bool enter = event == CMARK_EVENT_ENTER;
        const cmark_node_type type = cmark_node_get_type(node);
        if (type == CMARK_NODE_TEXT) {
            const std::string literal = cmark_node_get_literal(node);
            back.text += literal;
            back.strong += strong > 0 ? literal : "";
            back.emphasis += emphasis > 0 ? literal : "";
        } else if (type == CMARK_NODE_STRONG || type == CMARK_NODE_EMPH) {
            const bool isStrong = type == CMARK_NODE_STRONG;
            (isStrong ? strong : emphasis) += enter ? 1 : -1;
            (isStrong ? back.strong : back.emphasis) += enter ? "" : "|";
        } else if (type == CMARK_NODE_PARAGRAPH) {
            back.text += enter && !back.text.empty() ? "\n\n" : "";
        } else if (type == CMARK_NODE_LINEBREAK) {
            back.text += "\n";
        } else if (type != CMARK_NODE_DOCUMENT && enter) {
            back.text += "<" + std::string(cmark_node_get_type_string(node)) + ">";
        }
    }
    return back;
}

} // namespace

TEST(MarkdownText, MarkupLikeTextReadsBackAsTextAndEmphasisWhereAReaderTakesIt)
{
    const QStringList lines = {"# not a heading",
                               "1. not a list",
                               "2) neither",
                               "1986. A year.",
                               "- dash",
                               "+ plus",
                               "* star",
                               "> quote",
                               "    four spaces",
                               "\tand a tab  ",
                               "```",
                               "~~~ fence",
                               "===",
                               "---",
                               "***",
                               "___",
                               "<b>raw</b> &amp; <script>x</script> &#35; <!-- c -->",
                               "`tick` ``two``",
                               "*stars* _under_ **both** __two__ ~~gone~~",
                               "[x](y) ![i](j) <http://a.b> [ref]",
                               "back\\slash\\ and \\*",
                               "a | b |",
                               "ends in #",
                               "caf\xC3\xA9 \xE2\x82\xAC \xD0\x9F\xD1\x80\xD0\xB8"};
    // Each a paragraph; then line breaks in a paragraph, an empty line among them and one at its
    // end (which no reader shows); and an empty paragraph, the space between paragraphs.
    QTextDocument document;
    document.setPlainText(lines.join('\n') +
                          QStringLiteral("\nfirst\u2028# second\u2028\u2028- fourth\u2028=\u2028\n"
                                         "\u2028begins with a break\n\nlast"));
    const std::string expected = (lines.join("\n\n") + "\n\nfirst\n# second\n\n- fourth\n=\n\n"
                                                       "\nbegins with a break\n\nlast")
                                     .toStdString();

    const QString markdown = MarkdownOf(document);
    const ReadBack back = Read(markdown);
    EXPECT_EQ(back.text, expected) << markdown.toStdString();
    EXPECT_EQ(back.strong + back.emphasis, "");
    EXPECT_TRUE(markdown.endsWith("\\\n\\=\n\n\\\nbegins with a break\n\nlast\n"))
        << markdown.toStdString();

    // A single line, as the title and the observations are written.
    for (const QString& line : lines) {
        EXPECT_EQ(Read(MarkdownLine(line)).text, line.toStdString());
    }
    EXPECT_EQ(MarkdownOf(QTextDocument()), QString());

    QTextDocument formatted;
    RtfToDocument(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Plain {\\b bold} and"
        "{\\b  spaced } {\\i italic}, {\\b\\i both} and {\\b outer {\\i inner}} x{\\b mid}y "
        "{\\b \"quoted\"}x a{\\i (b)}\\par {\\b line one\\line line two} {\\b *}}",
        formatted);
    const QString emphasised = MarkdownOf(formatted);
    const ReadBack read = Read(emphasised);
    EXPECT_EQ(read.text, "Plain bold and spaced  italic, both and outer inner xmidy \"quoted\"x "
                         "a(b)\n\nline one\nline two *")
        << emphasised.toStdString();
    // Bold that begins or ends with a space keeps the space outside; a span a
    // reader could not close ("quoted" before a letter) is written plain.
    EXPECT_EQ(read.strong, "bold|spaced|both|outer inner|mid|line one|line two|*|")
        << emphasised.toStdString();
    EXPECT_EQ(read.emphasis, "italic|both|inner|") << emphasised.toStdString();
}
