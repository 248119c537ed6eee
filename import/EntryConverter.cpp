#include "import/EntryConverter.h"

#include "rtf/Rtf.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <utility>
#include <vector>

namespace {

// Adds a paragraph of plain text after the document's last one.
void AppendParagraph(QTextCursor& cursor, const QString& text)
{
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(text);
}

// Pictures a Markdown text shows (![](walk.jpg)) cannot be carried: each
// becomes the text "[photo: walk.jpg]" in its place.
void NamePictures(QTextDocument& document)
{
    std::vector<std::pair<int, QString>> pictures; // position, name
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) {
                const QString source = fragment.charFormat().toImageFormat().name();
                for (int i = 0; i < fragment.length(); ++i) {
                    pictures.emplace_back(fragment.position() + i,
                                          source.section(QLatin1Char('/'), -1));
                }
            }
        }
    }
    QTextCursor cursor(&document);
    for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
        cursor.setPosition(it->first);
        cursor.setPosition(it->first + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("[photo: %1]").arg(it->second), QTextCharFormat());
    }
}

// The entry's RTF carries no lists: each item starts with its bullet or
// number as text instead, so that the list reads as it did.
void WriteOutLists(QTextDocument& document)
{
    // Markers first: taking an item out of its list renumbers the rest.
    std::vector<std::pair<int, QString>> items; // block number, marker
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (const QTextList* list = block.textList()) {
            const QTextListFormat::Style style = list->format().style();
            const bool bullet = style == QTextListFormat::ListDisc ||
                                style == QTextListFormat::ListCircle ||
                                style == QTextListFormat::ListSquare;
            items.emplace_back(block.blockNumber(), bullet
                                                        ? QStringLiteral("\u2022 ")
                                                        : list->itemText(block) + QLatin1Char(' '));
        }
    }
    QTextCursor cursor(&document);
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        const QTextBlock block = document.findBlockByNumber(it->first);
        QTextList* list = block.textList();
        QTextBlockFormat format = block.blockFormat();
        format.setIndent(list->format().indent());
        format.setObjectIndex(-1);
        list->remove(block);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
        cursor.insertText(it->second, block.charFormat());
    }
}

} // namespace

CEntryConverter::CEntryConverter()
{
    // What the version-1 import and a new diary's first entry use.
    m_document.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
}

QStringList CEntryConverter::TagWords(const ForeignEntry& entry)
{
    QStringList words;
    for (QString tag : entry.tags) {
        tag = tag.trimmed();
        if (tag.startsWith(QLatin1Char('@')) || tag.startsWith(QLatin1Char('#'))) {
            tag.remove(0, 1);
        }
        tag = tag.simplified().replace(QLatin1Char(' '), QLatin1Char('_'));
        if (!tag.isEmpty() && !words.contains(QLatin1Char('#') + tag)) {
            words.append(QLatin1Char('#') + tag);
        }
    }
    if (entry.starred && !words.contains(QStringLiteral("#starred"))) {
        words.append(QStringLiteral("#starred"));
    }
    return words;
}

std::string CEntryConverter::Rtf(const ForeignEntry& entry, QString& plainText)
{
    m_document.clear();
    const QString body = entry.body.trimmed().isEmpty() ? QString() : entry.body;
    if (entry.markdown) {
        m_document.setMarkdown(body, QTextDocument::MarkdownDialectGitHub);
        NamePictures(m_document);
        WriteOutLists(m_document);
    } else {
        m_document.setPlainText(body);
    }
    QTextCursor cursor(&m_document);
    bool empty = body.isEmpty();
    const QString title = entry.title.simplified();
    if (!title.isEmpty()) {
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.movePosition(QTextCursor::Start);
        if (!empty) {
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            cursor.movePosition(QTextCursor::Start);
        }
        cursor.setBlockFormat(QTextBlockFormat());
        cursor.insertText(title, bold);
        empty = false;
    }
    QStringList lines;
    for (const QString& photo : entry.photos) {
        lines.append(QStringLiteral("[photo: %1]").arg(photo));
    }
    if (const QStringList tags = TagWords(entry); !tags.isEmpty()) {
        lines.append(tags.join(QLatin1Char(' ')));
    }
    for (const QString& line : lines) {
        if (empty) {
            cursor.movePosition(QTextCursor::Start);
            cursor.insertText(line, QTextCharFormat());
            empty = false;
        } else {
            AppendParagraph(cursor, line);
        }
    }
    std::string rtf = DocumentToRtf(m_document);
    plainText = RtfToPlainText(rtf);
    return rtf;
}
