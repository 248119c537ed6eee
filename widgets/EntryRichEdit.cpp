#include "widgets/EntryRichEdit.h"

#include "platform/AppInfo.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "rtf/EntryTags.h"
#include "rtf/PictureImport.h"
#include "rtf/PictureObject.h"
#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"
#include "widgets/LinkHighlighter.h"
#include "widgets/SpellChecker.h"
#include "widgets/SpellHighlighter.h"
#include "widgets/SpellMenu.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace {
// A format's font with everything it leaves open taken from the document.
QFont EffectiveFont(const QTextCharFormat& format, const QTextDocument& document)
{
    return format.font().resolve(document.defaultFont());
}

bool HasEffect(const QFont& font, int bit)
{
    switch (bit) {
    case CEntryRichEdit::kBold:
        return font.bold();
    case CEntryRichEdit::kItalic:
        return font.italic();
    case CEntryRichEdit::kUnderline:
        return font.underline();
    default:
        return false;
    }
}

void SetEffect(QTextCharFormat& format, int bit, bool on)
{
    switch (bit) {
    case CEntryRichEdit::kBold:
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        break;
    case CEntryRichEdit::kItalic:
        format.setFontItalic(on);
        break;
    case CEntryRichEdit::kUnderline:
        format.setFontUnderline(on);
        break;
    default:
        break;
    }
}
// The local picture files among dropped or pasted addresses; empty unless
// every address is one.
QStringList PictureFiles(const QMimeData& source)
{
    QStringList files;
    if (!source.hasUrls()) {
        return files;
    }
    const QList<QByteArray> known = QImageReader::supportedImageFormats();
    for (const QUrl& url : source.urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || !known.contains(QFileInfo(path).suffix().toLower().toLatin1())) {
            return {};
        }
        files.append(path);
    }
    return files;
}
} // namespace

CEntryRichEdit::CEntryRichEdit(QWidget* parent)
    : QTextEdit(parent), m_pLinks(new CLinkHighlighter(document()))
{
    viewport()->setMouseTracking(true);
    CPictureObject::Install(*document());
}

CEntryRichEdit::~CEntryRichEdit() = default;

void CEntryRichEdit::SetSpellChecker(std::unique_ptr<CSpellChecker> checker)
{
    if (!checker) {
        return;
    }
    // The spelling highlighter shows the links too: it takes the link one's place.
    delete m_pLinks;
    m_pSpelling = new CSpellHighlighter(document(), std::move(checker));
    m_pLinks = m_pSpelling;
}

void CEntryRichEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_pSpelling == nullptr) {
        QTextEdit::contextMenuEvent(event);
        return;
    }
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QTextCursor at = event->reason() == QContextMenuEvent::Mouse
                               ? cursorForPosition(event->pos())
                               : textCursor();
    CSpellMenu::AddWordActions(*menu, at, *m_pSpelling);
    menu->popup(event->globalPos());
}

std::vector<QFont> CEntryRichEdit::SelectionFonts() const
{
    const QTextCursor cursor = textCursor();
    std::vector<QFont> fonts;
    if (cursor.hasSelection()) {
        const int start = cursor.selectionStart();
        const int end = cursor.selectionEnd();
        for (QTextBlock block = document()->findBlock(start);
             block.isValid() && block.position() < end; block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.isValid() && fragment.position() < end &&
                    fragment.position() + fragment.length() > start) {
                    fonts.push_back(EffectiveFont(fragment.charFormat(), *document()));
                }
            }
        }
    }
    // Nothing selected (or only paragraph ends): the format of the text typed next.
    if (fonts.empty()) {
        fonts.push_back(EffectiveFont(cursor.charFormat(), *document()));
    }
    return fonts;
}

int CEntryRichEdit::GetSelectionFontSize() const
{
    const QFont font = SelectionFonts().front();
    qreal points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0) {
        points = font.pixelSize() * 72.0 / logicalDpiY();
    }
    return static_cast<int>(points);
}

void CEntryRichEdit::SetSelectionFontSize(int points)
{
    if (points <= 0) {
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(points);
    MergeFormat(format);
}

QString CEntryRichEdit::GetSelectionFontName() const
{
    return SelectionFonts().front().family();
}

void CEntryRichEdit::SetSelectionFontName(const QString& name)
{
    const QString face = name.left(kMaxFaceNameLength);
    if (face.isEmpty()) {
        return;
    }
    QTextCharFormat format;
    // Both properties, so that neither a family list nor a single family
    // already on the text overrides the new face.
    format.setFontFamilies(QStringList{face});
    format.setProperty(QTextFormat::FontFamily, face);
    MergeFormat(format);
}

void CEntryRichEdit::ToggleSelectionEffect(int bit)
{
    const std::vector<QFont> fonts = SelectionFonts();
    QTextCharFormat format;
    bool any = false;
    for (const int effect : {kBold, kItalic, kUnderline}) {
        if ((bit & effect) == 0) {
            continue;
        }
        const bool first = HasEffect(fonts.front(), effect);
        const bool uniform = std::all_of(fonts.begin(), fonts.end(), [&](const QFont& font) {
            return HasEffect(font, effect) == first;
        });
        SetEffect(format, effect, uniform ? !first : true);
        any = true;
    }
    if (any) {
        MergeFormat(format);
    }
    setFocus();
}

bool CEntryRichEdit::IsSelectionBold() const
{
    const std::vector<QFont> fonts = SelectionFonts();
    return std::all_of(fonts.begin(), fonts.end(), [](const QFont& f) { return f.bold(); });
}

bool CEntryRichEdit::IsSelectionItalic() const
{
    const std::vector<QFont> fonts = SelectionFonts();
    return std::all_of(fonts.begin(), fonts.end(), [](const QFont& f) { return f.italic(); });
}

bool CEntryRichEdit::IsSelectionUnderline() const
{
    const std::vector<QFont> fonts = SelectionFonts();
    return std::all_of(fonts.begin(), fonts.end(), [](const QFont& f) { return f.underline(); });
}

void CEntryRichEdit::ChooseSelectionColor()
{
    // A cancelled dialog must not touch the selection: writing back the first
    // character's colour would recolour a mixed selection.
    if (const std::optional<QColor> color = CColorDialog::Choose(this, QColor(Qt::black))) {
        QTextCharFormat format;
        format.setForeground(*color);
        MergeFormat(format);
    }
    setFocus();
}

QStringList CEntryRichEdit::ListTrueTypeFonts()
{
    QStringList fonts;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family)) {
            fonts.append(family);
        }
    }
    return fonts;
}

void CEntryRichEdit::ChoosePicture()
{
    const std::optional<QString> path = CFileDialogs::OpenFile(
        this, tr("Insert picture"),
        tr("Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;All files (*)"), QString());
    if (path) {
        InsertPictureFile(*path);
    }
    setFocus();
}

bool CEntryRichEdit::InsertPictureFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CMessageBox::Show(
            this, tr("The picture \"%1\" could not be opened.").arg(QFileInfo(path).fileName()),
            CAppInfo::AppName());
        return false;
    }
    return InsertImported(PictureImport::FromFile(file.readAll()));
}

bool CEntryRichEdit::InsertPictureImage(const QImage& image)
{
    return InsertImported(PictureImport::FromImage(image));
}

bool CEntryRichEdit::InsertImported(const PictureImport& picture)
{
    switch (picture.status) {
    case PictureImport::Ok:
        break;
    case PictureImport::Unreadable:
        CMessageBox::Show(this, tr("This is no picture Dayloom can read."), CAppInfo::AppName());
        return false;
    case PictureImport::TooLarge:
        CMessageBox::Show(this,
                          tr("The picture is larger than 2 MB even when made no "
                             "larger than 1600 pixels, so it was not inserted."),
                          CAppInfo::AppName());
        return false;
    }
    if (isReadOnly()) {
        return false;
    }
    // The text typed after the picture goes on in the font typed before it.
    const QTextCharFormat typing = RtfPicture::TextLook(currentCharFormat());
    QTextImageFormat image = picture.picture.ToFormat();
    image.merge(typing);
    textCursor().insertImage(image);
    setCurrentCharFormat(typing);
    ensureCursorVisible();
    return true;
}

QMimeData* CEntryRichEdit::createMimeDataFromSelection() const
{
    // The HTML Qt copies names a picture but does not hold it: within the
    // program the text goes as the RTF the entry would store. (Qt's own mime
    // data lists only its own formats, so the copy is a plain QMimeData.)
    const std::unique_ptr<QMimeData> copied(QTextEdit::createMimeDataFromSelection());
    auto* data = new QMimeData;
    data->setText(copied->text());
    data->setHtml(copied->html());
    QTextDocument selection;
    QTextCursor(&selection).insertFragment(textCursor().selection());
    const std::string rtf = DocumentToRtf(selection);
    data->setData(QString::fromLatin1(kRtfMimeType), QByteArray(rtf.data(), qsizetype(rtf.size())));
    return data;
}

bool CEntryRichEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasFormat(QString::fromLatin1(kRtfMimeType)) || source->hasImage() ||
           !PictureFiles(*source).isEmpty() || QTextEdit::canInsertFromMimeData(source);
}

void CEntryRichEdit::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly()) {
        return;
    }
    if (source->hasFormat(QString::fromLatin1(kRtfMimeType))) {
        const QByteArray rtf = source->data(QString::fromLatin1(kRtfMimeType));
        QTextDocument copied;
        RtfToDocument(std::string_view(rtf.constData(), size_t(rtf.size())), copied);
        textCursor().insertFragment(QTextDocumentFragment(&copied));
        ensureCursorVisible();
        return;
    }
    if (const QStringList files = PictureFiles(*source); !files.isEmpty()) {
        for (const QString& file : files) {
            if (!InsertPictureFile(file)) {
                break;
            }
        }
        return;
    }
    if (source->hasImage() && !source->hasHtml()) {
        InsertPictureImage(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    const int from = textCursor().selectionStart();
    QTextEdit::insertFromMimeData(source);
    const int to = textCursor().position();
    if (const int left = AdoptPastedImages(from, to); left > 0) {
        CMessageBox::Show(this,
                          left == 1 ? tr("A picture in the pasted text could not be "
                                         "read and was left out.")
                                    : tr("%n pictures in the pasted text could not "
                                         "be read and were left out.",
                                         "", left),
                          CAppInfo::AppName());
    }
}

int CEntryRichEdit::AdoptPastedImages(int from, int to)
{
    int left = 0;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (int position = to - 1; position >= from; --position) {
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat format = cursor.charFormat();
        if (!format.isImageFormat() ||
            cursor.selectedText() != QString(QChar::ObjectReplacementCharacter) ||
            RtfPicture::FromFormat(format.toImageFormat())) {
            continue;
        }
        const PictureImport picture =
            PictureImport::FromImage(CPictureObject::ImageOf(*document(), format.toImageFormat()));
        cursor.removeSelectedText();
        if (picture.status == PictureImport::Ok) {
            QTextImageFormat image = picture.picture.ToFormat();
            image.merge(RtfPicture::TextLook(format));
            cursor.insertImage(image);
        } else {
            ++left;
        }
    }
    cursor.endEditBlock();
    return left;
}

std::string CEntryRichEdit::StreamOutRtf() const
{
    return DocumentToRtf(*document());
}

void CEntryRichEdit::StreamInRtf(std::string_view rtf)
{
    RtfToDocument(rtf, *document());
    // A loaded text starts fresh: undo must not bring back the previous one.
    document()->clearUndoRedoStacks();
    document()->setModified(false);
    setTextCursor(QTextCursor(document()));
}

void CEntryRichEdit::MergeFormat(const QTextCharFormat& format)
{
    // With a selection this formats the selected text; without one it sets
    // the format that the next typed text takes.
    mergeCurrentCharFormat(format);
}

int CEntryRichEdit::CharacterAt(const QPoint& viewportPos) const
{
    const QPointF docPos = QPointF(viewportPos) +
                           QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const int hit = layout->hitTest(docPos, Qt::FuzzyHit);
    if (hit < 0) {
        return -1;
    }
    const QTextBlock block = document()->findBlock(hit);
    const QTextLayout* textLayout = block.layout();
    if (textLayout == nullptr) {
        return -1;
    }
    const QPointF local = docPos - layout->blockBoundingRect(block).topLeft();
    // The hit is a boundary between characters: the character clicked is the
    // one before or the one after it, whichever spans the point.
    for (const int position : {hit - 1, hit}) {
        const int offset = position - block.position();
        if (offset < 0 || offset >= block.length() - 1) {
            continue;
        }
        const QTextLine line = textLayout->lineForTextPosition(offset);
        if (!line.isValid() || local.y() < line.y() || local.y() >= line.y() + line.height()) {
            continue;
        }
        const qreal x1 = line.cursorToX(offset);
        const qreal x2 = line.cursorToX(offset + 1);
        if (local.x() >= std::min(x1, x2) && local.x() < std::max(x1, x2)) {
            return position;
        }
    }
    return -1;
}

std::optional<std::pair<int, int>> CEntryRichEdit::LinkAt(const QPoint& viewportPos) const
{
    const int position = CharacterAt(viewportPos);
    if (position < 0) {
        return std::nullopt;
    }
    const QTextBlock block = document()->findBlock(position);
    const int offset = position - block.position();
    for (const LinkSpan& span : CLinkHighlighter::FindLinks(block.text())) {
        if (offset >= span.start && offset < span.start + span.length) {
            return std::make_pair(block.position() + span.start, span.length);
        }
    }
    return std::nullopt;
}

QString CEntryRichEdit::TagAt(const QPoint& viewportPos) const
{
    const int position = CharacterAt(viewportPos);
    if (position < 0) {
        return {};
    }
    const QTextBlock block = document()->findBlock(position);
    const QString text = block.text();
    const int offset = position - block.position();
    for (const TagSpan& span : FindTags(text)) {
        if (offset >= span.start && offset < span.start + span.length) {
            return text.mid(span.start, span.length);
        }
    }
    return {};
}

// A paragraph break keeps the format the user is typing in. Qt's own text
// control drops it when Enter is pressed in an empty paragraph, so a blank
// line between two paragraphs would switch the rest of the entry back to
// the application's default font.
void CEntryRichEdit::keyPressEvent(QKeyEvent* event)
{
    // Tab may move the focus on (see setTabChangesFocus); Ctrl+Tab still
    // types a tab character.
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier && !isReadOnly()) {
        textCursor().insertText(QStringLiteral("\t"));
        ensureCursorVisible();
        event->accept();
        return;
    }
    const bool paragraphBreak =
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !isReadOnly();
    const QTextCharFormat typing = currentCharFormat();
    QTextEdit::keyPressEvent(event);
    if (paragraphBreak && event->isAccepted() && currentCharFormat() != typing) {
        setCurrentCharFormat(typing);
    }
}

void CEntryRichEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (const auto link = LinkAt(event->position().toPoint())) {
            QTextCursor cursor(document());
            cursor.setPosition(link->first);
            cursor.setPosition(link->first + link->second, QTextCursor::KeepAnchor);
            setTextCursor(cursor);
            const QString target = cursor.selectedText();
            CShell::Open(target);
            emit LinkClicked(target);
            event->accept();
            return;
        }
        if (isReadOnly()) {
            if (const QString tag = TagAt(event->position().toPoint()); !tag.isEmpty()) {
                emit TagClicked(tag);
                event->accept();
                return;
            }
        }
    }
    QTextEdit::mousePressEvent(event);
}

void CEntryRichEdit::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton) {
        return;
    }
    if (LinkAt(event->position().toPoint()) ||
        (isReadOnly() && !TagAt(event->position().toPoint()).isEmpty())) {
        viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        viewport()->setCursor(isReadOnly() ? Qt::ArrowCursor : Qt::IBeamCursor);
    }
}
