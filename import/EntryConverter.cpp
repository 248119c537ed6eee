#include "import/EntryConverter.h"

#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <utility>
#include <vector>

namespace {

// The pictures a Markdown text shows: the entry's own photos
// (![photo](dayloom-photo:N)) become their pictures, with the look of the text
// around them; any other (![walk](walk.jpg)) cannot be carried and becomes the
// text "[photo: walk.jpg]" in its place.
void PlacePictures(QTextDocument& document, const std::vector<ForeignPhoto>& photos)
{
    struct Found
    {
        int position;
        QTextCharFormat format;
    };
    std::vector<Found> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) {
                for (int i = 0; i < fragment.length(); ++i) {
                    pictures.push_back({fragment.position() + i, fragment.charFormat()});
                }
            }
        }
    }
    QTextCursor cursor(&document);
    for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
        cursor.setPosition(it->position);
        cursor.setPosition(it->position + 1, QTextCursor::KeepAnchor);
        const QString source = it->format.toImageFormat().name();
        bool ok = false;
        const qsizetype index =
            source.startsWith(kPhotoScheme) ? source.mid(kPhotoScheme.size()).toLongLong(&ok) : -1;
        if (ok && index >= 0 && index < qsizetype(photos.size()) && photos[size_t(index)].picture) {
            QTextImageFormat image = photos[size_t(index)].picture->ToFormat();
            image.merge(RtfPicture::TextLook(it->format));
            cursor.setCharFormat(image);
        } else {
            cursor.insertText(
                QStringLiteral("[photo: %1]").arg(source.section(QLatin1Char('/'), -1)),
                QTextCharFormat());
        }
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
    m_document.setUndoRedoEnabled(false);
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
    // One edit block for the whole entry: a cursor outside one lays out the
    // line it lands on at every step, which took most of an import's time.
    QTextCursor editing(&m_document);
    editing.beginEditBlock();
    const QString body = entry.body.trimmed().isEmpty() ? QString() : entry.body;
    if (entry.markdown) {
        m_document.setMarkdown(body, QTextDocument::MarkdownDialectGitHub);
        PlacePictures(m_document, entry.photos);
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
    // The photos the text does not show, then the tags, each in a paragraph
    // of its own.
    const auto newParagraph = [&] {
        if (empty) {
            cursor.movePosition(QTextCursor::Start);
            empty = false;
        } else {
            cursor.movePosition(QTextCursor::End);
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        }
    };
    for (const ForeignPhoto& photo : entry.photos) {
        if (photo.shown) {
            continue;
        }
        newParagraph();
        if (photo.picture) {
            cursor.insertImage(photo.picture->ToFormat());
        } else {
            cursor.insertText(QStringLiteral("[photo: %1]").arg(photo.name), QTextCharFormat());
        }
    }
    if (const QStringList tags = TagWords(entry); !tags.isEmpty()) {
        newParagraph();
        cursor.insertText(tags.join(QLatin1Char(' ')), QTextCharFormat());
    }
    editing.endEditBlock();
    std::string rtf = DocumentToRtf(m_document);
    plainText = RtfToPlainText(rtf);
    return rtf;
}
