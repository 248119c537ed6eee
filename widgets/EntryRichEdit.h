#pragma once
// The rich-text box of the entry editor, the main window's entry view and the
// hidden search control. Formatting acts on the selection, or on the text
// typed next when nothing is selected. Web and mail addresses in the text are
// shown as links (for display only: they never reach the stored RTF) and a
// left click on one hands it to the desktop through CShell. With a spelling
// checker the misspelt words are marked and the context menu offers fixes.
// Pictures come in through InsertPicture, the clipboard and dropped files,
// and are stored with the text (rtf/PictureImport).

#include <QFont>
#include <QStringList>
#include <QTextEdit>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CLinkHighlighter;
class CSpellChecker;
class CSpellHighlighter;
class QImage;
class QMimeData;
struct PictureImport;

class CEntryRichEdit : public QTextEdit
{
    Q_OBJECT
public:
    // Effect bits of ToggleSelectionEffect.
    static constexpr int kBold = 1;
    static constexpr int kItalic = 2;
    static constexpr int kUnderline = 4;
    // Longest face name the stored format can hold.
    static constexpr int kMaxFaceNameLength = 31;

    explicit CEntryRichEdit(QWidget* parent = nullptr);
    ~CEntryRichEdit() override;

    // Whole points, truncated (a 12.5 pt selection reports 12).
    int GetSelectionFontSize() const;
    void SetSelectionFontSize(int points);
    QString GetSelectionFontName() const;
    // Longer names are cut to kMaxFaceNameLength characters.
    void SetSelectionFontName(const QString& name);
    // A selection that is uniform in the effect flips it; a mixed one gets it
    // switched on. No other attribute changes.
    void ToggleSelectionEffect(int bit);
    // True only when the whole selection has the effect.
    bool IsSelectionBold() const;
    bool IsSelectionItalic() const;
    bool IsSelectionUnderline() const;
    // Asks for a colour through CColorDialog; a cancelled dialog changes nothing.
    void ChooseSelectionColor();

    // The installed scalable font families.
    static QStringList ListTrueTypeFonts();

    // Asks for a picture file and inserts it at the cursor.
    void ChoosePicture();
    // Inserts the picture in the file, or the image, at the cursor; a picture
    // that cannot be read or is too large is refused with a message.
    bool InsertPictureFile(const QString& path);
    bool InsertPictureImage(const QImage& image);

    // The mime type of copied text, as the RTF the entry would store.
    static constexpr const char* kRtfMimeType = "application/x-dayloom-rtf";

    // The whole content as RTF, and its replacement by parsed RTF.
    std::string StreamOutRtf() const;
    void StreamInRtf(std::string_view rtf);

    // Marks misspelt words as the checker says from now on; null changes nothing.
    void SetSpellChecker(std::unique_ptr<CSpellChecker> checker);

signals:
    // Emitted after a left click on a link has been handed to CShell.
    void LinkClicked(const QString& link);
    // A left click on a #tag of a read-only text: the tag with its '#'.
    void TagClicked(const QString& tag);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Gives the images pasted from elsewhere between the two positions the
    // form an entry stores; those that cannot be read are left out, with a
    // message. The number left out.
    int AdoptPastedImages(int from, int to);
    // The fonts of the selected text, or of the text typed next; never empty.
    std::vector<QFont> SelectionFonts() const;
    void MergeFormat(const QTextCharFormat& format);
    // The document position of the character under a viewport point, or -1.
    int CharacterAt(const QPoint& viewportPos) const;
    // The link under a viewport point: its document position and length.
    std::optional<std::pair<int, int>> LinkAt(const QPoint& viewportPos) const;
    // The tag under a viewport point, with its '#'; empty when none.
    QString TagAt(const QPoint& viewportPos) const;
    bool InsertImported(const PictureImport& picture);

    CLinkHighlighter* m_pLinks;
    CSpellHighlighter* m_pSpelling = nullptr; // m_pLinks when spelling is checked
};
