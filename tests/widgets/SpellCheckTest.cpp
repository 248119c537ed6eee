// Spell checking in the entry editor, driven as a user would: typed words
// get marked, the context menu fixes, adds or ignores them, and without a
// dictionary nothing changes. A hand-made hunspell dictionary ("qz", in
// tests/data/spelling) stands in for the installed ones.
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "tests/support/TestDictionary.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/SpellChecker.h"
#include "widgets/SpellHighlighter.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

class SpellCheckTest : public ::testing::Test
{
protected:
    CTestDictionary m_dictionary;

    QString WordList() const { return m_dir.path() + "/config/words.txt"; }

    // An editor checking against the test dictionary, with `text` typed in.
    void Type(const QString& text, const QString& language = "qz")
    {
        m_edit.SetSpellChecker(std::make_unique<CSpellChecker>(language, WordList()));
        m_edit.show();
        widgettest::TypeText(&m_edit, text);
    }

    // The words shown with the wavy underline, separated by blanks.
    std::string Marked() const
    {
        QStringList words;
        for (QTextBlock block = m_edit.document()->begin(); block.isValid(); block = block.next()) {
            for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
                if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline) {
                    words << block.text().mid(range.start, range.length);
                }
            }
        }
        return words.join(' ').toStdString();
    }

    // Right-clicks the first occurrence of `word` and returns the menu shown.
    QMenu* RightClick(const QString& word)
    {
        QTextCursor cursor = m_edit.document()->find(word);
        cursor.setPosition(cursor.selectionStart() + 1);
        const QPoint at = m_edit.cursorRect(cursor).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_edit.viewport()->mapToGlobal(at));
        QApplication::sendEvent(m_edit.viewport(), &event);
        QMenu* menu = nullptr;
        for (QMenu* shown : m_edit.findChildren<QMenu*>()) {
            if (shown->isVisible()) {
                menu = shown;
            }
        }
        return menu;
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
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                action->trigger();
                menu->close();
                return;
            }
        }
        ADD_FAILURE() << "no menu entry " << text.toStdString();
    }

    QTemporaryDir m_dir;
    CEntryRichEdit m_edit;
};

TEST_F(SpellCheckTest, MarksTheMisspeltWordsAsTheyAreTypedAndNothingElse)
{
    // Capitalised, accented and #tag words, links and words with digits.
    Type("Today I walked in the gardn with the quikc brown dog.\n"
         "Café, www.exampel.org, #tagg, 2024x and dgo");
    EXPECT_EQ(Marked(), "gardn quikc dgo");

    // The mark is only shown: the stored text has no underline.
    const std::string rtf = m_edit.StreamOutRtf();
    EXPECT_EQ(rtf.find("\\ul"), std::string::npos) << rtf;

    // Fixing a word while typing takes its mark away.
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    widgettest::TypeText(&m_edit, "og");
    EXPECT_EQ(Marked(), "gardn quikc");
}

TEST_F(SpellCheckTest, TheContextMenuReplacesAddsAndIgnores)
{
    Type("the gardn, the quikc dog and the dgo");

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
    EXPECT_EQ(m_edit.toPlainText(), "the garden, the quikc dog and the dgo");

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
}

TEST_F(SpellCheckTest, AWordListThatCannotBeWrittenIsReportedAndTheWordStillAccepted)
{
    // A file where the list's folder should be.
    QFile blocker(m_dir.path() + "/config");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Type("the quikc dog");
    Choose(RightClick("quikc"), "Add to dictionary");
    EXPECT_TRUE(widgettest::LastMessage().contains("could not be saved"))
        << widgettest::LastMessage().toStdString();
    EXPECT_EQ(Marked(), "");
}

TEST_F(SpellCheckTest, WithoutTheDictionaryNothingIsMarkedOrOffered)
{
    CSpellChecker missing("qy", WordList());
    EXPECT_FALSE(missing.IsReady());
    EXPECT_TRUE(missing.IsCorrect("gardn"));
    EXPECT_TRUE(missing.Suggest("gardn").isEmpty());

    Type("the gardn dog", "qy");
    EXPECT_EQ(Marked(), "");
    QMenu* menu = RightClick("gardn");
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(Texts(menu).contains("Add to dictionary"));
    menu->close();
}

TEST(SpellCheckerTest, SettingsAndLocaleChooseTheDictionary)
{
    const QStringList installed{"de_DE", "en_GB", "en_US", "pt"};
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("en_GB")), "en_GB");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("de_AT")), "de_DE");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("pt_BR")), "pt");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale::c()), "en_US");
    EXPECT_EQ(CSpellChecker::DefaultLanguage(installed, QLocale("fr_FR")), "");

    CTestDictionary dictionary;
    EXPECT_TRUE(CSpellChecker::InstalledLanguages().contains("qz"));
    CSettings::WriteProfileString("SpellingLanguage", "qz");
    const auto checker = CSpellChecker::FromSettings();
    ASSERT_NE(checker, nullptr);
    EXPECT_EQ(checker->Language(), "qz");
    CSettings::WriteProfileInt("bCheckSpelling", 0);
    EXPECT_EQ(CSpellChecker::FromSettings(), nullptr);
}

} // namespace
