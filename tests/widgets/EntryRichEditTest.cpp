// The entry text box, driven with keys and clicks as in the editor. Spelling
// is checked against a hand-made hunspell dictionary ("qz", in
// tests/data/spelling) standing in for the installed ones.
#include "widgets/EntryRichEdit.h"

#include "platform/ColorDialog.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "tests/rtf/RtfTestSupport.h"
#include "tests/support/TestDictionary.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/LinkHighlighter.h"
#include "widgets/SpellChecker.h"
#include "widgets/WordCountLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QImage Square(QRgb colour)
{
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class EntryRichEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_edit.resize(500, 200);
        m_edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_edit));
    }

    void Type(const QString& text) { QTest::keyClicks(&m_edit, text); }

    // Selects [from, to) with the keyboard: Ctrl+Home, arrows, Shift+arrows.
    void Select(int from, int to)
    {
        QTest::keyClick(&m_edit, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < from; ++i) {
            QTest::keyClick(&m_edit, Qt::Key_Right);
        }
        for (int i = from; i < to; ++i) {
            QTest::keyClick(&m_edit, Qt::Key_Right, Qt::ShiftModifier);
        }
    }

    // The stored format of the character at `position`.
    QTextCharFormat FormatAt(int position) const
    {
        QTextCursor cursor(m_edit.document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    QFont FontAt(int position) const
    {
        return FormatAt(position).font().resolve(m_edit.document()->defaultFont());
    }

    // The middle of the character at `position`, in viewport coordinates.
    QPoint CharacterCentre(int position) const
    {
        QTextCursor cursor(m_edit.document());
        cursor.setPosition(position);
        const QRect left = m_edit.cursorRect(cursor);
        cursor.setPosition(position + 1);
        const QRect right = m_edit.cursorRect(cursor);
        return QPoint((left.x() + right.x()) / 2, left.center().y());
    }

    void Click(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_edit.viewport(), button, Qt::NoModifier, point);
    }

    // The words shown underlined in `style`, separated by blanks: links and
    // tags are underlined, misspelt words wavy.
    std::string Underlined(QTextCharFormat::UnderlineStyle style) const
    {
        QStringList words;
        for (QTextBlock block = m_edit.document()->begin(); block.isValid(); block = block.next()) {
            for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
                if (range.format.underlineStyle() == style) {
                    words << block.text().mid(range.start, range.length);
                }
            }
        }
        return words.join(' ').toStdString();
    }
    std::string Marked() const { return Underlined(QTextCharFormat::WaveUnderline); }

    QString WordList() const { return m_dir.path() + "/config/words.txt"; }
    // Checks the spelling in `language`, then types `text`.
    void TypeChecked(const QString& text, const QString& language = "qz")
    {
        m_edit.SetSpellChecker(std::make_unique<CSpellChecker>(language, WordList()));
        widgettest::TypeText(&m_edit, text);
    }

    // Right-clicks the first occurrence of `word` and returns the menu shown.
    QMenu* RightClick(const QString& word)
    {
        const QPoint at = CharacterCentre(m_edit.toPlainText().indexOf(word) + 1);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_edit.viewport()->mapToGlobal(at));
        QApplication::sendEvent(m_edit.viewport(), &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    static QStringList Texts(const QMenu* menu)
    {
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
        return texts;
    }

    static void Choose(QMenu* menu, const QString& text)
    {
        const qsizetype at = Texts(menu).indexOf(text);
        ASSERT_GE(at, 0) << "no menu entry " << text.toStdString();
        menu->actions().at(at)->trigger();
        menu->close();
    }

    CTestDictionary m_dictionary;
    QTemporaryDir m_dir;
    CEntryRichEdit m_edit;
};

TEST_F(EntryRichEditTest, ToggleChangesOnlyItsOwnAttributeSizesAreWholeAndNamesShort)
{
    Type("abcdef");
    Select(0, 3);
    m_edit.SetSelectionFontSize(20);
    m_edit.SetSelectionFontName("DejaVu Serif");
    Select(2, 6);
    m_edit.ToggleSelectionEffect(CEntryRichEdit::kItalic);
    Select(4, 6);
    m_edit.ToggleSelectionEffect(CEntryRichEdit::kBold);

    Select(0, 6);
    m_edit.ToggleSelectionEffect(CEntryRichEdit::kUnderline);
    for (int i = 0; i < 6; ++i) {
        const QFont font = FontAt(i);
        EXPECT_TRUE(font.underline()) << i;
        EXPECT_EQ(font.italic(), i >= 2) << i;
        EXPECT_EQ(font.bold(), i >= 4) << i;
        EXPECT_EQ(font.pointSize() == 20, i < 3) << i;
        EXPECT_EQ(font.family() == "DejaVu Serif", i < 3) << i;
    }
    EXPECT_TRUE(m_edit.IsSelectionUnderline());
    EXPECT_FALSE(m_edit.IsSelectionItalic());
    EXPECT_FALSE(m_edit.IsSelectionBold());

    Select(2, 6);
    EXPECT_TRUE(m_edit.IsSelectionItalic());
    m_edit.ToggleSelectionEffect(CEntryRichEdit::kItalic);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(FontAt(i).italic()) << i;
        EXPECT_TRUE(FontAt(i).underline()) << i;
    }

    // Sizes are whole points (an entry may hold 12.5), names at most 31 characters.
    m_edit.StreamInRtf("{\\rtf1 \\fs25 abc}");
    Select(0, 3);
    EXPECT_EQ(m_edit.GetSelectionFontSize(), 12);

    const QString longName = QStringLiteral("An Extraordinarily Long Font Family Name");
    m_edit.SetSelectionFontName(longName);
    EXPECT_EQ(m_edit.GetSelectionFontName(), longName.left(31));
    EXPECT_EQ(FontAt(1).family(), longName.left(31));
}

TEST_F(EntryRichEditTest, FontChosenForAnEmptyBoxSurvivesAClickAndABlankLineAndIsListedOnce)
{
    // The editor applies the remembered font before the user clicks and types;
    // with nothing selected it is the format of the text typed next.
    m_edit.SetSelectionFontName("DejaVu Serif");
    m_edit.SetSelectionFontSize(22);
    Click(QPoint(200, 100));
    Type("First");
    QTest::keyClick(&m_edit, Qt::Key_Return);
    QTest::keyClick(&m_edit, Qt::Key_Return);
    Type("Third");
    const int third = m_edit.toPlainText().indexOf("Third");
    for (int i : {0, 4, third, third + 4}) {
        EXPECT_EQ(FontAt(i).pointSize(), 22) << i;
        EXPECT_EQ(FontAt(i).family(), "DejaVu Serif") << i;
    }
    EXPECT_EQ(m_edit.GetSelectionFontSize(), 22);
    EXPECT_EQ(m_edit.GetSelectionFontName(), "DejaVu Serif");

    // The font list holds each installed scalable family once
    // (fonts-dejavu-core is one of the project's build dependencies).
    const QStringList fonts = CEntryRichEdit::ListTrueTypeFonts();
    EXPECT_EQ(fonts.size(), QSet<QString>(fonts.begin(), fonts.end()).size());
    EXPECT_TRUE(fonts.contains("DejaVu Sans")) << fonts.join(", ").toStdString();
}

TEST_F(EntryRichEditTest, ChosenColourGoesToTheSelectionAndCancelChangesNothing)
{
    Type("red none green");
    Select(0, 3);
    CColorDialog::PushAnswer(QColor(255, 0, 0));
    m_edit.ChooseSelectionColor();
    Select(9, 14);
    CColorDialog::PushAnswer(QColor(0, 128, 0));
    m_edit.ChooseSelectionColor();
    for (int i = 3; i < 9; ++i) {
        EXPECT_FALSE(FormatAt(i).hasProperty(QTextFormat::ForegroundBrush)) << i;
    }
    const std::string before = m_edit.StreamOutRtf();

    // Cancelled over a mixed selection: no colour is forced onto all of it.
    Select(0, 14);
    CColorDialog::PushAnswer(std::nullopt);
    m_edit.ChooseSelectionColor();
    EXPECT_EQ(m_edit.StreamOutRtf(), before);
    EXPECT_EQ(FormatAt(0).foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(FormatAt(5).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatAt(10).foreground().color(), QColor(0, 128, 0));
}

TEST_F(EntryRichEditTest, LinksAreShownOnlyAndALeftClickOpensThemAlsoInAStreamedInView)
{
    Type("Go to http://example.com/a?b=1 or mail mailto:me@example.org");
    Select(0, 2);
    m_edit.ToggleSelectionEffect(CEntryRichEdit::kBold);
    EXPECT_EQ(Underlined(QTextCharFormat::SingleUnderline),
              "http://example.com/a?b=1 mailto:me@example.org");
    // The characters themselves stay plain, so the stored RTF has no link look.
    for (int i = 0; i < m_edit.toPlainText().size(); ++i) {
        const QTextCharFormat format = FormatAt(i);
        EXPECT_FALSE(format.isAnchor() || format.fontUnderline() ||
                     format.hasProperty(QTextFormat::ForegroundBrush))
            << i;
    }
    EXPECT_EQ(m_edit.StreamOutRtf().find("HYPERLINK"), std::string::npos);

    QSignalSpy clicked(&m_edit, &CEntryRichEdit::LinkClicked);
    const int end = m_edit.toPlainText().size();
    Click(CharacterCentre(2));                        // plain word
    Click(CharacterCentre(end - 1) + QPoint(150, 0)); // blank space right of the line
    Click(CharacterCentre(12), Qt::RightButton);
    EXPECT_TRUE(CShell::Opened().empty());

    // The first and last characters of a link are part of it.
    Click(CharacterCentre(6));
    EXPECT_EQ(m_edit.textCursor().selectedText(), "http://example.com/a?b=1");
    EXPECT_EQ(clicked.count(), 1);
    Click(CharacterCentre(end - 1));
    // A read-only view shows the entry streamed into it as it was, in place
    // of the one before and without its undo, and opens the entry's links.
    const std::string rtf = m_edit.StreamOutRtf();
    m_edit.setPlainText("previous entry");
    m_edit.setReadOnly(true);
    m_edit.StreamInRtf(rtf);
    EXPECT_EQ(m_edit.StreamOutRtf(), rtf);
    EXPECT_EQ(m_edit.textCursor().position(), 0);
    EXPECT_FALSE(m_edit.document()->isUndoAvailable());
    EXPECT_FALSE(m_edit.document()->isModified());
    Click(CharacterCentre(29));
    EXPECT_EQ(CShell::Opened(),
              (std::vector<QString>{"http://example.com/a?b=1", "mailto:me@example.org",
                                    "http://example.com/a?b=1"}));
}

TEST(LinkDetection, FindsAddressesInRunningText)
{
    const struct
    {
        const char* text;
        std::vector<QString> links;
    } cases[] = {
        {"http://a.org", {"http://a.org"}},
        {"HTTPS://A.org/x", {"HTTPS://A.org/x"}},
        {"get ftp://f.net/p and file:///home/me/notes.txt",
         {"ftp://f.net/p", "file:///home/me/notes.txt"}},
        {"(see www.example.org).", {"www.example.org"}},
        {"Wikipedia: http://en.wikipedia.org/wiki/Foo_(bar), ok",
         {"http://en.wikipedia.org/wiki/Foo_(bar)"}},
        {"mail mailto:me@x.org!", {"mailto:me@x.org"}},
        {"end of sentence www.a.b.", {"www.a.b"}},
        {"<http://x.org/>", {"http://x.org/"}},
        {"\"www.quoted.org\"", {"www.quoted.org"}},
        // Not at a word start, or a bare prefix: no link.
        {"awww.x.org xhttp://y.org", {}},
        {"www. and mailto: alone", {}},
        {"two:www.a.org\twww.b.org", {"www.a.org", "www.b.org"}},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        std::vector<QString> found;
        for (const LinkSpan& span : CLinkHighlighter::FindLinks(text)) {
            found.push_back(text.mid(span.start, span.length));
        }
        EXPECT_EQ(found, c.links) << c.text;
    }
}

TEST_F(EntryRichEditTest, CopiedPicturesPasteAsTheyWereAndPastedPagesBringTheirPictures)
{
    // A JPEG copied inside the program stays the same JPEG.
    const QString sun = m_dir.filePath("sun.jpg");
    ASSERT_TRUE(Square(qRgb(250, 200, 0)).save(sun, "jpeg"));
    m_edit.SetSelectionFontSize(20);
    ASSERT_TRUE(m_edit.InsertPictureFile(sun));
    Type(" sun");
    EXPECT_EQ(FontAt(2).pointSize(), 20) << "the typing font goes on after a picture";
    QTest::keyClick(&m_edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&m_edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&m_edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&m_edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_edit.toPlainText(), QStringLiteral("\uFFFC sun\uFFFC sun"));
    std::vector<RtfPicture> pictures = rtftest::Pictures(*m_edit.document());
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].kind, RtfPicture::Jpeg);
    EXPECT_EQ(pictures[1].data, pictures[0].data);

    // A picture file dropped on the text goes where it is dropped.
    const QString dropped = m_dir.filePath("drop.png");
    ASSERT_TRUE(Square(qRgb(90, 0, 90)).save(dropped));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(dropped)});
    const QPoint target = CharacterCentre(0) - QPoint(4, 0);
    QDragEnterEvent enter(target, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &enter);
    QDragMoveEvent move(target, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(target), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &drop);
    EXPECT_EQ(m_edit.toPlainText(), QStringLiteral("\uFFFC\uFFFC sun\uFFFC sun"));
    ASSERT_EQ(rtftest::Pictures(*m_edit.document()).size(), 3u);
    EXPECT_EQ(rtftest::Pictures(*m_edit.document())[0].kind, RtfPicture::Png);

    // A page pasted from elsewhere: its pictures that can be read become
    // the entry's own, the others are left out with a message.
    const QString local = m_dir.filePath("leaf.png");
    ASSERT_TRUE(Square(qRgb(0, 160, 0)).save(local));
    m_edit.clear();
    auto* page = new QMimeData;
    page->setHtml("<p>leaf <img src=\"" + QUrl::fromLocalFile(local).toString() +
                  "\"> and <img src=\"https://example.invalid/x.png\"> end</p>");
    QGuiApplication::clipboard()->setMimeData(page);
    CMessageBox::ClearHistory();
    QTest::keyClick(&m_edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_edit.toPlainText(), QStringLiteral("leaf \uFFFC and  end"));
    pictures = rtftest::Pictures(*m_edit.document());
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].Decode().convertToFormat(QImage::Format_RGB32), Square(qRgb(0, 160, 0)));
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              "A picture in the pasted text could not be read and was left out.");
}

TEST_F(EntryRichEditTest, TagsAreShownAsLinksAndAClickOnOneInTheViewAsksForItsSearch)
{
    Type("A day #out_side, C# and #2024.");
    EXPECT_EQ(Underlined(QTextCharFormat::SingleUnderline), "#out_side");
    QSignalSpy tag(&m_edit, &CEntryRichEdit::TagClicked);
    Click(CharacterCentre(8)); // in the editor a tag is text like any other
    EXPECT_EQ(tag.count(), 0);
    m_edit.setReadOnly(true);
    Click(CharacterCentre(18)); // C#
    Click(CharacterCentre(25)); // #2024
    EXPECT_EQ(tag.count(), 0);
    Click(CharacterCentre(6));
    ASSERT_EQ(tag.count(), 1);
    EXPECT_EQ(tag.at(0).at(0).toString(), "#out_side");
}

TEST_F(EntryRichEditTest, WordCountFollowsTheTypingAndTheSelection)
{
    CWordCountLabel count(&m_edit, nullptr);
    EXPECT_EQ(count.text(), "0 words");
    Type("one two");
    ASSERT_TRUE(m_edit.InsertPictureImage(Square(qRgb(9, 9, 9))));
    Type("three  four");
    QTest::keyClick(&m_edit, Qt::Key_Return);
    Type("five");
    // Counted once the typing pauses; a picture is no word.
    EXPECT_EQ(count.text(), "0 words");
    EXPECT_TRUE(QTest::qWaitFor([&count] { return count.text() == "5 words"; }));
    Select(0, 7);
    EXPECT_TRUE(QTest::qWaitFor([&count] { return count.text() == "5 words (2 selected)"; }));
}

TEST_F(EntryRichEditTest, SpellingMarksTheMisspeltWordsAndTheContextMenuReplacesAddsAndIgnores)
{
    // Capitalised, accented and #tag words, links and words with digits.
    TypeChecked("Today I walked in the gardn with the quikc brown dog. "
                "Café, www.exampel.org, #tagg, 2024x and the dgo");
    EXPECT_EQ(Marked(), "gardn quikc dgo");
    // The mark is only shown: the stored text has no underline.
    const std::string rtf = m_edit.StreamOutRtf();
    EXPECT_EQ(rtf.find("\\ul"), std::string::npos) << rtf;

    QMenu* menu = RightClick("gardn");
    ASSERT_NE(menu, nullptr);
    const QStringList texts = Texts(menu);
    const int add = texts.indexOf("Add to dictionary");
    ASSERT_GT(add, 0);
    EXPECT_LE(add, CSpellChecker::kMaxSuggestions);
    EXPECT_EQ(texts.at(0), "garden");
    EXPECT_EQ(texts.at(add + 1), "Ignore");
    EXPECT_GT(texts.size(), add + 3) << "the editing commands follow";
    Choose(menu, "garden");
    EXPECT_EQ(m_edit.toPlainText(), "Today I walked in the garden with the quikc brown dog. "
                                    "Café, www.exampel.org, #tagg, 2024x and the dgo");

    Choose(RightClick("quikc"), "Add to dictionary");
    Choose(RightClick("dgo"), "Ignore");
    EXPECT_EQ(Marked(), "");

    // Only the added word is kept, in a file for the owner alone.
    QFile list(WordList());
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), "quikc\n");
    EXPECT_EQ(QFile::permissions(WordList()),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    CSpellChecker later("qz", WordList());
    EXPECT_TRUE(later.IsCorrect("quikc"));
    EXPECT_FALSE(later.IsCorrect("dgo"));

    // A correct word has no spelling entries.
    EXPECT_FALSE(Texts(RightClick("garden")).contains("Ignore"));

    // Fixing a word while typing takes its mark away.
    widgettest::TypeText(&m_edit, " gardn");
    EXPECT_EQ(Marked(), "gardn");
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    widgettest::TypeText(&m_edit, "den");
    EXPECT_EQ(Marked(), "");
}

TEST_F(EntryRichEditTest, SpellingDictionaryChoiceAndAnUnwritableListOrAMissingDictionary)
{
    // A file where the list's folder should be: reported, the word still accepted.
    QFile blocker(m_dir.path() + "/config");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TypeChecked("the quikc dog");
    Choose(RightClick("quikc"), "Add to dictionary");
    EXPECT_TRUE(widgettest::LastMessage().contains("could not be saved"))
        << widgettest::LastMessage().toStdString();
    EXPECT_EQ(Marked(), "");

    CSpellChecker missing("qy", WordList());
    EXPECT_FALSE(missing.IsReady());
    EXPECT_TRUE(missing.IsCorrect("gardn"));
    EXPECT_TRUE(missing.Suggest("gardn").isEmpty());
    TypeChecked(" the gardn", "qy");
    EXPECT_EQ(Marked(), "");
    QMenu* menu = RightClick("gardn");
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(Texts(menu).contains("Add to dictionary"));
    menu->close();

    // The dictionary comes from the settings, else from the locale.
    const QStringList installed{"de_DE", "en_GB", "en_US", "pt"};
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("en_GB")), "en_GB");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("de_AT")), "de_DE");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("pt_BR")), "pt");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale::c()), "en_US");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("fr_FR")), "");

    EXPECT_TRUE(CSpellChecker::InstalledLanguages().contains("qz"));
    CSettings::WriteProfileString("SpellingLanguage", "qz");
    const auto checker = CSpellChecker::FromSettings();
    ASSERT_NE(checker, nullptr);
    EXPECT_EQ(checker->Language(), "qz");
    CSettings::WriteProfileInt("bCheckSpelling", 0);
    EXPECT_EQ(CSpellChecker::FromSettings(), nullptr);
}

} // namespace
