// The New Entry editor driven the way a person writes an entry, and the entry
// found in the diary files afterwards.
#include "dialogs/NewEntryDlg.h"

#include "dialogs/NewEntryDlgDraft.h"
#include "dialogs/SecurityDlg.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/Settings.h"
#include "ratings/RatingLabels.h"
#include "rtf/Rtf.h"
#include "rtf/RtfPicture.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/DraftSealer.h"
#include "store/EncryptedSession.h"
#include "store/FileFaults.h"
#include "store/Messages.h"
#include "tests/support/TestDiary.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/RatingSpin.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using widgettest::Child;
using widgettest::Click;
using widgettest::ClickAnswering;
using widgettest::LastMessage;
constexpr auto kYes = CMessageBox::Answer::Yes;
constexpr auto kNo = CMessageBox::Answer::No;

// A Friday morning: 09:05:07 on 15 March 2024, Berlin time.
int64_t Morning()
{
    return LocalTime(2024, 3, 15, 9, 5, 7);
}

class NewEntryDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { CClock::SetFixed(Morning() + 60); }

    CDiaryName Name() const { return NameOf(m_path); }
    QString DraftPath() const { return m_path + ".draft"; }

    // Runs the editor on a new entry, or on stored entry `edit`, driven by `drive`.
    CNewEntryDlg::Outcome Run(std::function<void(CNewEntryDlg&)> drive,
                              std::optional<uint32_t> edit = std::nullopt)
    {
        CDiarySession session(Name());
        session.SetPassword("secret");
        widgettest::PushDriver<CNewEntryDlg>(std::move(drive));
        return CNewEntryDlg::Run(nullptr, session, edit, Morning());
    }
    std::vector<DiaryEntry> ReadDiary()
    {
        std::vector<DiaryEntry> entries;
        CDiaryStore store(0, Name());
        for (uint32_t i = 0; store.ReadFirstEntry() && i < store.m_nEntryCount; ++i) {
            CDiaryStore reader(i, Name());
            EXPECT_TRUE(reader.ReadEntry()) << "entry " << i;
            entries.push_back(reader.entry);
        }
        return entries;
    }

    static CEntryRichEdit* Text(QWidget& dialog) { return Child<CEntryRichEdit>(dialog, "text"); }

    widgettest::GermanDesktop m_desktop{"Europe/Berlin"};
    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath("travel.ilm");
};

// Clicks the arrows of spinner `name`: `steps` right, or left when negative.
void Step(QWidget& dialog, const char* name, int steps)
{
    auto* spin = Child<CRatingSpin>(dialog, name);
    for (int i = 0; i < std::abs(steps); ++i) {
        QTest::mouseClick(steps > 0 ? spin->RightArrow() : spin->LeftArrow(), Qt::LeftButton);
    }
}

// Saves while file operation `failing` finds the disk full: the dialog stays
// open with its text, and the error naming `path` is shown once, by the editor.
void SaveFailing(CNewEntryDlg& dialog, FileOp failing, const QString& path)
{
    const QString text = dialog.findChild<CEntryRichEdit*>("text")->toPlainText();
    CFileFaults::Install(
        [failing](FileOp op, const std::string&) { return op == failing ? ENOSPC : 0; });
    const size_t shown = CMessageBox::History().size();
    ClickAnswering(dialog, "save", kYes);
    CFileFaults::Install({});
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(CMessageBox::History().size(), shown + 2); // the question, the error
    EXPECT_EQ(LastMessage(), "Disk full while accessing " + path + ".");
    EXPECT_EQ(CMessageBox::History().back().caption, CAppInfo::Title());
    EXPECT_EQ(dialog.findChild<CEntryRichEdit*>("text")->toPlainText(), text);
}

std::vector<bool> BoldPerCharacter(CEntryRichEdit* edit, int from, int to)
{
    std::vector<bool> bold;
    for (int position = from; position < to; ++position) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        bold.push_back(cursor.charFormat().fontWeight() >= QFont::Bold);
    }
    return bold;
}

QImage Stripes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, (x / 4 + y / 3) % 2 ? qRgb(200, 30, 40) : qRgb(10, 90, 220));
        }
    }
    return image;
}

TEST_F(NewEntryDlgTest, OpensAtTheMomentWithNeutralRatingsThatStopAtTheirEnds)
{
    // The labels are the settings' (their defaults are pinned with the keys).
    const RatingLabels labels = LoadRatingLabels();
    const std::pair<const char*, RatingScale> scales[] = {{"mood", RatingScale::Mood},
                                                          {"fatigue", RatingScale::Fatigue},
                                                          {"shape", RatingScale::Shape},
                                                          {"dream", RatingScale::Dream}};
    Run([&](CNewEntryDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "New Entry - Dayloom v2.21");
        EXPECT_EQ(Child<QTimeEdit>(dialog, "time")->text(), "09:05:07");
        EXPECT_EQ(Child<QDateEdit>(dialog, "date")->text(), "Friday, March 15, 2024");
        EXPECT_EQ(dialog.focusWidget(), Text(dialog));
        const auto shows = [face = Child<QLabel>(dialog, "face")](int mood) {
            return face->pixmap().toImage() == LoadFacePicture(mood).toImage();
        };
        EXPECT_TRUE(shows(0));
        for (const auto& [name, scale] : scales) {
            SCOPED_TRACE(name);
            auto* spin = Child<CRatingSpin>(dialog, (std::string(name) + "Spin").c_str());
            auto* label = Child<QLabel>(dialog, (std::string(name) + "Label").c_str());
            EXPECT_EQ(label->text(), LabelFor(labels, scale, 0));
            Step(dialog, (std::string(name) + "Spin").c_str(), 6);
            EXPECT_EQ(spin->Value(), RatingHighest(scale));
            EXPECT_EQ(label->text(), LabelFor(labels, scale, RatingHighest(scale)));
            // The arrow keys work too, and stop as well.
            spin->setFocus();
            for (int i = 0; i < 8; ++i) {
                QTest::keyClick(spin, Qt::Key_Left);
            }
            EXPECT_EQ(spin->Value(), RatingLowest(scale));
            EXPECT_EQ(label->text(), LabelFor(labels, scale, RatingLowest(scale)));
        }
        // The mood face follows: "face-3.bmp" now, "face3.bmp" at the top.
        EXPECT_TRUE(shows(-3));
        Step(dialog, "moodSpin", 6);
        EXPECT_TRUE(shows(3));
        EXPECT_EQ(dialog.focusWidget(), Text(dialog));
        dialog.done(QDialog::Rejected);
    });
}

TEST_F(NewEntryDlgTest, FormatActsOnTheSelectionFollowsTheCaretTabLeavesTheTextPasteDropsControls)
{
    Run([](CNewEntryDlg& dialog) {
        CEntryRichEdit* edit = Text(dialog);
        auto* bold = Child<QToolButton>(dialog, "bold");
        const auto selectFromStart = [edit](int count) {
            QTest::keyClick(edit, Qt::Key_Home);
            for (int i = 0; i < count; ++i) {
                QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
            }
        };
        // The button acts on the selection and shows it.
        QTest::keyClicks(edit, "hello world");
        selectFromStart(3);
        Click(dialog, "bold");
        EXPECT_EQ(BoldPerCharacter(edit, 0, 5), (std::vector<bool>{1, 1, 1, 0, 0}));
        EXPECT_TRUE(bold->isChecked());
        selectFromStart(5);
        EXPECT_FALSE(bold->isChecked()); // mixed selection

        // A chosen colour applies (a cancelled one is the text box's).
        CColorDialog::PushAnswer(QColor(200, 0, 0));
        Click(dialog, "color");
        EXPECT_EQ(edit->textColor(), QColor(200, 0, 0));
        EXPECT_EQ(dialog.focusWidget(), edit);

        // Control keys set the look of the text typed next; the buttons follow the caret.
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, " plain ");
        QTest::keyClick(edit, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_U, Qt::ControlModifier);
        QTest::keyClicks(edit, "slanted");
        auto* italic = Child<QToolButton>(dialog, "italic");
        auto* underline = Child<QToolButton>(dialog, "underline");
        EXPECT_TRUE(italic->isChecked() && underline->isChecked());
        EXPECT_EQ(edit->toPlainText(), "hello world plain slanted");
        QTest::keyClick(edit, Qt::Key_Home); // back into the plain words
        QTest::keyClick(edit, Qt::Key_Right);
        EXPECT_FALSE(italic->isChecked() || underline->isChecked());
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClicks(edit, "!");
        EXPECT_TRUE(bold->isChecked());

        // Tab leaves the text, Ctrl+Tab types one.
        edit->clear();
        auto* mood = Child<CRatingSpin>(dialog, "moodSpin");
        QTest::keyClicks(edit, "a");
        QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClicks(edit, "b");
        EXPECT_EQ(edit->toPlainText(), "a\tb");
        // The mood spinner shows that it has the focus.
        const QImage unfocused = mood->grab().toImage();
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), mood);
        EXPECT_NE(mood->grab().toImage(), unfocused);
        // The arrow keys step it and leave the focus there for the next step.
        QTest::keyClick(mood, Qt::Key_Right);
        QTest::keyClick(mood, Qt::Key_Right);
        EXPECT_EQ(mood->Value(), 2);
        EXPECT_EQ(dialog.focusWidget(), mood);
        QTest::keyClick(mood, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(dialog.focusWidget(), edit);
        // B, I, U, C and Insert picture come before the text in the Tab order.
        std::vector<QString> route;
        Child<QComboBox>(dialog, "fontSize")->setFocus();
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            route.push_back(dialog.focusWidget()->objectName());
        }
        EXPECT_EQ(route, (std::vector<QString>{"bold", "italic", "underline", "color", "picture",
                                               "text"}));
        QTest::keyClicks(edit, "c");
        QApplication::clipboard()->setText(QString::fromUtf8("bell\a, escape\x1b\x1b\tand tab"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(edit->toPlainText(), "a\tbcbell, escape\tand tab");
        EXPECT_EQ(LastMessage(), "An entry cannot keep control characters; 3 of them (U+0007, "
                                 "U+001B) were not taken.");
        dialog.done(QDialog::Rejected);
    });
}

TEST_F(NewEntryDlgTest, PickedFontIsRememberedEvenWhenDiscardedButTypedFontsApplyNothing)
{
    // A face that is not installed is still named in the box.
    CSettings::WriteProfileString("Font Name", "No Such Face");
    Run([](CNewEntryDlg& dialog) {
        auto* size = Child<QComboBox>(dialog, "fontSize");
        size->setFocus();
        QTest::keyClick(size, Qt::Key_Down); // "12" -> "14"
        EXPECT_EQ(dialog.focusWidget(), Text(dialog));
        ClickAnswering(dialog, "discard", kYes);
    });
    EXPECT_EQ(CSettings::GetProfileInt("Font Size", 0), 14);

    Run([](CNewEntryDlg& dialog) {
        CEntryRichEdit* edit = Text(dialog);
        auto* size = Child<QComboBox>(dialog, "fontSize");
        auto* name = Child<QComboBox>(dialog, "fontName");
        EXPECT_EQ(size->currentText(), "14");
        QTest::keyClicks(edit, "big");
        EXPECT_EQ(edit->GetSelectionFontSize(), 14);
        EXPECT_EQ(name->currentText(), "No Such Face");
        EXPECT_EQ(edit->GetSelectionFontName(), "No Such Face");
        // The box follows the caret: the next lower even size, none off the list.
        const std::pair<int, int> cases[] = {{15, 3}, {7, 0}, {99, 45}, {6, -1}, {100, -1}};
        for (const auto& [points, index] : cases) {
            edit->SetSelectionFontSize(points);
            QTest::keyClicks(edit, "x");
            EXPECT_EQ(size->currentIndex(), index) << points;
        }

        // Typing in the boxes is not overwritten by the caret and applies
        // nothing, even a listed size or face typed in full once the user
        // leaves: only picking from the list applies and remembers.
        const int typedSize = edit->GetSelectionFontSize();
        size->setFocus();
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), "13");
        edit->moveCursor(QTextCursor::Start);
        EXPECT_EQ(size->currentText(), "13");
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), "20");
        name->setFocus();
        const QString face = name->itemText(name->itemText(0) == "No Such Face" ? 1 : 0);
        name->lineEdit()->selectAll();
        QTest::keyClicks(name->lineEdit(), face);
        edit->setFocus();
        edit->moveCursor(QTextCursor::End);
        QTest::keyClicks(edit, "y");
        EXPECT_EQ(edit->GetSelectionFontSize(), typedSize);
        EXPECT_EQ(edit->GetSelectionFontName(), "No Such Face");
        EXPECT_EQ(CSettings::GetProfileInt("Font Size", 0), 14);
        EXPECT_EQ(CSettings::GetProfileString("Font Name"), "No Such Face");
        // Enter in the field is the dialog's Enter: it offers to save.
        size->setFocus();
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), "24");
        QTest::keyClick(size->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(LastMessage(), "Save this diary entry?");
        EXPECT_EQ(CSettings::GetProfileInt("Font Size", 0), 14);
        dialog.done(QDialog::Rejected);
    });
}

TEST_F(NewEntryDlgTest, DeclinedQuestionsBadMeasurementsAndFileErrorsKeepTheDialogOpenWithTheText)
{
    const CNewEntryDlg::Outcome result = Run([this](CNewEntryDlg& dialog) {
        CEntryRichEdit* edit = Text(dialog);
        QTest::keyClicks(edit, "Measured");
        Step(dialog, "dreamSpin", 1);
        CMessageBox::PushAnswer(kNo);
        QTest::keyClick(edit, Qt::Key_Escape);
        ClickAnswering(dialog, "save", kNo);
        CMessageBox::PushAnswer(kNo);
        dialog.close(); // the window's close button

        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(edit->toPlainText(), "Measured");
        EXPECT_EQ(Child<QLabel>(dialog, "dreamLabel")->text(), "Amusing");
        const QString caption = "New Entry - Dayloom v2.21 | ";
        ASSERT_EQ(widgettest::Shown(), (QStringList{caption + "Discard this diary entry?",
                                                    caption + "Save this diary entry?",
                                                    caption + "Discard this diary entry?"}));
        EXPECT_EQ(CMessageBox::History()[0].icon, CMessageBox::Icon::Question);
        EXPECT_EQ(CMessageBox::History()[0].buttons, CMessageBox::Buttons::YesNo);
        EXPECT_TRUE(ReadDiary().empty());

        auto* weight = Child<QLineEdit>(dialog, "weight");
        auto* temperature = Child<QLineEdit>(dialog, "temperature");
        weight->clear();
        ClickAnswering(dialog, "save", kYes);
        EXPECT_EQ(LastMessage(), "Please enter an integer.");
        EXPECT_EQ(CMessageBox::History().back().caption, CAppInfo::Title());
        EXPECT_EQ(dialog.focusWidget(), weight);
        EXPECT_TRUE(dialog.isVisible());

        QTest::keyClicks(weight, "7x2"); // the box takes digits only
        EXPECT_EQ(weight->text(), "72");
        temperature->selectAll();
        QTest::keyClicks(temperature, "warm");
        ClickAnswering(dialog, "save", kYes);
        EXPECT_EQ(LastMessage(), "Please enter a number.");
        EXPECT_EQ(dialog.focusWidget(), temperature);
        EXPECT_EQ(temperature->selectedText(), "warm");
        EXPECT_TRUE(ReadDiary().empty());

        QTest::keyClicks(temperature, "36,6"); // replaces the selection

        // A file error while storing is said by the editor alone.
        std::vector<std::string> reported;
        const StoreMessageHandler previous =
            SetStoreMessageHandler([&](const std::string& m) { reported.push_back(m); });
        SaveFailing(dialog, FileOp::Write, m_dir.filePath("travel.dlm"));
        SaveFailing(dialog, FileOp::OpenWritable, m_dir.filePath("travel.ilm"));
        EXPECT_TRUE(reported.empty());
        SetStoreMessageHandler(previous);
        ClickAnswering(dialog, "save", kYes);
    });
    EXPECT_TRUE(result.saved);
    const std::vector<DiaryEntry> entries = ReadDiary();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].weight, 72);
    EXPECT_EQ(entries[0].dream, 1);
    EXPECT_FLOAT_EQ(entries[0].temperature, 36.6f);
    EXPECT_EQ(RtfToPlainText(entries[0].text).trimmed(), "Measured");

    // An encrypted diary is written once per command, after the editor's
    // store is done; a failed write leaves no file.
    const QString path = m_dir.filePath("travel.dayloom");
    CDiarySession session(NameOf(path));
    ASSERT_TRUE(session.Encrypted()->Create("secret", KdfParams::Cheapest()).ok());
    session.SetPassword("secret");
    widgettest::PushDriver<CNewEntryDlg>([&](CNewEntryDlg& dialog) {
        QTest::keyClicks(Text(dialog), "Sealed");
        SaveFailing(dialog, FileOp::Rename, path);
        EXPECT_FALSE(QFile::exists(path));
        ClickAnswering(dialog, "save", kYes);
    });
    EXPECT_TRUE(CNewEntryDlg::Run(nullptr, session, std::nullopt, Morning()).saved);
    CDiarySession reopened(NameOf(path));
    ASSERT_TRUE(reopened.Unlock("secret"));
    const auto store = reopened.MakeStore(0);
    ASSERT_TRUE(store->ReadEntry());
    EXPECT_EQ(RtfToPlainText(store->entry.text).trimmed(), "Sealed");
}

TEST_F(NewEntryDlgTest, DatesTemperaturesAndFontsOfferedOrTakenAreOnlyUsableOnes)
{
    const CDiarySession none{CDiaryName()};
    // Berlin is ahead of UTC: 1970-01-01 00:30 there is still 1969 in UTC.
    CNewEntryDlg halfPastMidnight(nullptr, none, LocalTime(2024, 3, 15, 0, 30, 0));
    EXPECT_EQ(halfPastMidnight.MinimumDate(), QDate(1970, 1, 2));
    CNewEntryDlg morning(nullptr, none, Morning());
    // The last storable second is 2106-02-07 07:28:15 in Berlin.
    auto* picker = morning.findChild<QDateEdit*>("date");
    EXPECT_EQ(picker->minimumDate(), QDate(1970, 1, 1));
    EXPECT_EQ(picker->maximumDate(), QDate(2106, 2, 6));
    CNewEntryDlg early(nullptr, none, LocalTime(2024, 3, 15, 7, 0, 0));
    EXPECT_EQ(early.MaximumDate(), QDate(2106, 2, 7));

    EXPECT_FALSE(CNewEntryDlg::ComposeTime(QDate(1969, 12, 31), Morning()).has_value());
    EXPECT_FALSE(CNewEntryDlg::ComposeTime(QDate(2106, 2, 8), Morning()).has_value());
    EXPECT_EQ(*CNewEntryDlg::ComposeTime(QDate(2106, 2, 7), LocalTime(2024, 1, 1, 7, 28, 15)),
              4294967295LL);

    // West of UTC the first day is 1969-12-31 in the evening.
    widgettest::PinTimeZone("America/New_York");
    CNewEntryDlg evening(nullptr, none, LocalTime(2024, 3, 15, 20, 0, 0));
    EXPECT_EQ(evening.MinimumDate(), QDate(1969, 12, 31));

    // Temperatures take a point or a comma; the font list names each family once.
    const std::pair<const char*, float> good[] = {
        {"36.6", 36.6f}, {"36,6", 36.6f}, {" 37 ", 37.0f}, {"-0.5", -0.5f}, {"1e2", 100.0f}};
    for (const auto& [text, value] : good) {
        EXPECT_FLOAT_EQ(CNewEntryDlg::ParseTemperature(text).value_or(-999), value) << text;
    }
    for (const char* bad :
         {"", "  ", "abc", "36.6.1", "36,6,1", "1,000.5", "36.6°", "1e50", "inf", "nan", "--1"}) {
        EXPECT_FALSE(CNewEntryDlg::ParseTemperature(bad).has_value()) << bad;
    }
    EXPECT_EQ(CNewEntryDlg::FontFamilyList({"Noto Sans [GOOG]", "DejaVu Sans", "noto sans",
                                            "Noto Sans [Monotype]", "Arial", "DejaVu Sans"}),
              (QStringList{"Arial", "DejaVu Sans", "Noto Sans"}));
}

TEST_F(NewEntryDlgTest, EntriesLandInDateOrderWithTheirValuesAndAnEditKeepsFormattingAndMoves)
{
    WriteDiary(m_path,
               {{LocalTime(2024, 3, 12, 20, 0, 0), "{\\rtf1 older}"},
                {LocalTime(2024, 3, 15, 7, 0, 0), "{\\rtf1 today}"}},
               "secret");
    const CNewEntryDlg::Outcome added = Run([](CNewEntryDlg& dialog) {
        Child<QDateEdit>(dialog, "date")->setDate(QDate(2024, 3, 14));
        // The time of day changes by the keyboard.
        auto* time = Child<QTimeEdit>(dialog, "time");
        time->setFocus();
        time->setCurrentSection(QDateTimeEdit::HourSection);
        for (int hour = 9; hour < 21; ++hour) {
            QTest::keyClick(time, Qt::Key_Up);
        }
        EXPECT_EQ(time->text(), "21:05:07");
        QTest::keyClicks(Text(dialog), "Dear diary, ");
        QTest::keyClick(Text(dialog), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClicks(Text(dialog), "long");
        Step(dialog, "moodSpin", 2);
        Step(dialog, "fatigueSpin", -1);
        Step(dialog, "shapeSpin", -3);
        Step(dialog, "dreamSpin", -2);
        auto* weight = Child<QLineEdit>(dialog, "weight");
        weight->selectAll();
        QTest::keyClicks(weight, "81");
        auto* temperature = Child<QLineEdit>(dialog, "temperature");
        temperature->selectAll();
        QTest::keyClicks(temperature, "37.2");
        QTest::keyClick(Child<QCheckBox>(dialog, "menstruus"), Qt::Key_Space);
        CMessageBox::PushAnswer(kYes);
        QTest::keyClick(weight, Qt::Key_Return); // Enter in a field saves
    });
    ASSERT_TRUE(added.saved);
    EXPECT_EQ(added.savedIndex, 1u);
    std::vector<DiaryEntry> entries = ReadDiary();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "{\\rtf1 older}");
    EXPECT_EQ(entries[2].text, "{\\rtf1 today}");
    const DiaryEntry& mine = entries[1];
    EXPECT_EQ(mine.time, LocalTime(2024, 3, 14, 21, 5, 7));
    EXPECT_EQ(std::vector<int>({mine.mood, mine.fatigue, mine.shape, mine.dream, mine.weight,
                                mine.menstruus, mine.copulation}),
              std::vector<int>({2, -1, -3, -2, 81, 1, 0}));
    EXPECT_FLOAT_EQ(mine.temperature, 37.2f);
    EXPECT_STREQ(mine.password, "secret");
    EXPECT_EQ(RtfToPlainText(mine.text).trimmed(), "Dear diary, long");

    // Edit it: everything is there, then moved to a date before the first entry.
    const CNewEntryDlg::Outcome result = Run(
        [](CNewEntryDlg& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Edit Entry - Dayloom v2.21");
            EXPECT_EQ(Child<QDateEdit>(dialog, "date")->date(), QDate(2024, 3, 14));
            // Its own time of day, not the present one.
            EXPECT_EQ(Child<QTimeEdit>(dialog, "time")->text(), "21:05:07");
            EXPECT_EQ(Child<QLabel>(dialog, "moodLabel")->text(), "Very Good");
            EXPECT_EQ(Child<QLineEdit>(dialog, "temperature")->text(), "37.2");
            CEntryRichEdit* edit = Text(dialog);
            EXPECT_EQ(edit->toPlainText(), "Dear diary, long");
            QTest::keyClick(edit, Qt::Key_End);
            QTest::keyClicks(edit, "er");
            Child<QDateEdit>(dialog, "date")->setDate(QDate(2024, 3, 1));
            CMessageBox::PushAnswer(kYes);
            QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
        },
        1u);
    EXPECT_EQ(CMessageBox::History().back().caption, "Edit Entry - Dayloom v2.21");
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(result.replacedIndex, 1u);
    EXPECT_EQ(result.savedIndex, 0u);
    entries = ReadDiary();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].time, LocalTime(2024, 3, 1, 21, 5, 7));
    EXPECT_EQ(entries[0].mood, 2);
    EXPECT_FLOAT_EQ(entries[0].temperature, 37.2f);
    EXPECT_EQ(entries[1].text, "{\\rtf1 older}");
    // The bold word (and the letters typed after it) are still bold.
    CEntryRichEdit view;
    view.StreamInRtf(entries[0].text);
    EXPECT_EQ(view.toPlainText(), "Dear diary, longer");
    EXPECT_EQ(BoldPerCharacter(&view, 10, 18), (std::vector<bool>{0, 0, 1, 1, 1, 1, 1, 1}));
}

TEST_F(NewEntryDlgTest,
       DraftIsWrittenSealedRestoredAfterACrashAndRemovedBySaveDiscardOrDiscardDraft)
{
    {
        // The editor is destroyed without SAVE or DISCARD, as in a crash.
        CDiarySession session(Name());
        session.SetPassword("secret");
        CNewEntryDlg dialog(nullptr, session, Morning());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* timer = Child<QTimer>(dialog, "draftTimer");
        EXPECT_FALSE(timer->isActive()); // nothing runs at rest
        QTest::keyClicks(Text(dialog), "Secret thoughts");
        Step(dialog, "dreamSpin", 1);
        QTest::keyClick(Child<QCheckBox>(dialog, "copulation"), Qt::Key_Space);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 10000);
        EXPECT_FALSE(QFile::exists(DraftPath()));
        timer->start(0);
        QTRY_VERIFY(QFile::exists(DraftPath()));
        // A change then the editor losing the focus also writes it.
        QTest::keyClicks(Text(dialog), " more");
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!dialog.isActiveWindow());
    }
    QFile file(DraftPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("thoughts")) << "the draft holds plain text";

    const CNewEntryDlg::Outcome result = Run([](CNewEntryDlg& dialog) {
        EXPECT_EQ(Text(dialog)->toPlainText(), "Secret thoughts more");
        EXPECT_EQ(Child<QLabel>(dialog, "dreamLabel")->text(), "Amusing");
        EXPECT_TRUE(Child<QCheckBox>(dialog, "copulation")->isChecked());
        Child<QDateEdit>(dialog, "date")->setDate(QDate(2024, 3, 12));
        ClickAnswering(dialog, "save", kYes);
    });
    EXPECT_EQ(widgettest::Shown().front(),
              "New Entry - Dayloom v2.21 | A draft of a new entry from Friday, March 15, 2024 "
              "09:06:07 was not saved. Restore it?");
    EXPECT_EQ(CMessageBox::History().front().choices,
              (std::vector<QString>{"Restore", "Discard draft"}));
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(QFile::exists(DraftPath())); // SAVE removes it
    ASSERT_EQ(ReadDiary().size(), 1u);
    EXPECT_EQ(ReadDiary()[0].copulation, 1);

    // A draft of an edit follows its entry.
    auto writeDraftAndCrash = [&](std::optional<uint32_t> edit) {
        Run(
            [&](CNewEntryDlg& dialog) {
                QTest::keyClicks(Text(dialog), " changed");
                Child<QTimer>(dialog, "draftTimer")->start(0);
                QTRY_VERIFY(QFile::exists(DraftPath()));
                dialog.done(QDialog::Rejected); // no question: as good as a crash
            },
            edit);
    };
    writeDraftAndCrash(0u);
    // Opening a new entry restores the edit the draft belongs to, named by
    // its entry's day ...
    CMessageBox::ClearHistory();
    Run([](CNewEntryDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Edit Entry - Dayloom v2.21");
        EXPECT_EQ(Text(dialog)->toPlainText(), "Secret thoughts more changed");
        CMessageBox::PushAnswer(kYes);
        QTest::keyClick(Text(dialog), Qt::Key_Escape);
    });
    EXPECT_TRUE(CMessageBox::History().front().text.startsWith(
        "A draft of the entry of 12 Mar 2024 from Friday, March 15, 2024 "));
    EXPECT_EQ(LastMessage(), "Discard the changes to this diary entry?");
    EXPECT_FALSE(QFile::exists(DraftPath())); // DISCARD removes it
    EXPECT_EQ(RtfToPlainText(ReadDiary()[0].text).trimmed(), "Secret thoughts more");

    // ... and "Discard draft" throws it away and opens what was asked for.
    writeDraftAndCrash(std::nullopt);
    CMessageBox::PushChoice(1);
    Run([](CNewEntryDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "New Entry - Dayloom v2.21");
        EXPECT_EQ(Text(dialog)->toPlainText(), "");
        dialog.done(QDialog::Rejected);
    });
    EXPECT_FALSE(QFile::exists(DraftPath()));
}

TEST_F(NewEntryDlgTest, PicturesGoInByButtonAndPasteAndAreStoredBadOnesAreRefused)
{
    const QString file = m_dir.filePath("beach.png");
    ASSERT_TRUE(Stripes(30, 20).save(file));
    ASSERT_TRUE(Run([&file](CNewEntryDlg& dialog) {
                    CEntryRichEdit* edit = Text(dialog);
                    QTest::keyClicks(edit, "Beach ");
                    CFileDialogs::PushFile(file);
                    Click(dialog, "picture");
                    QApplication::clipboard()->setImage(Stripes(16, 12));
                    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                    QTest::keyClicks(edit, " and sea");
                    // Ctrl+Shift+P asks for a file; cancelled, nothing changes.
                    CFileDialogs::PushFile(std::nullopt);
                    QTest::keyClick(edit, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
                    EXPECT_EQ(edit->toPlainText(), QStringLiteral("Beach \uFFFC\uFFFC and sea"));
                    auto* count = Child<QLabel>(dialog, "wordCount");
                    EXPECT_TRUE(QTest::qWaitFor([count] { return count->text() == "3 words"; }));
                    ClickAnswering(dialog, "save", kYes);
                }).saved);
    ASSERT_EQ(ReadDiary().size(), 1u);
    const std::string rtf = ReadDiary()[0].text;
    EXPECT_EQ(RtfToPlainText(rtf).trimmed(), QStringLiteral("Beach \uFFFC\uFFFC and sea"));
    QTextDocument document;
    RtfToDocument(rtf, document);
    std::vector<QImage> pictures;
    for (const QTextFormat& format : document.allFormats()) {
        if (const auto picture = RtfPicture::FromFormat(format.toImageFormat())) {
            pictures.push_back(picture->Decode().convertToFormat(QImage::Format_RGB32));
        }
    }
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0], Stripes(30, 20));
    EXPECT_EQ(pictures[1], Stripes(16, 12));

    // A file that is no picture, and one too large, are refused with a message.
    const QString junk = m_dir.filePath("notes.png");
    {
        QFile out(junk);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("not a picture");
    }
    QImage noise(1600, 1600, QImage::Format_RGB888); // rows without padding
    QRandomGenerator(3).fillRange(reinterpret_cast<quint32*>(noise.bits()),
                                  noise.sizeInBytes() / 4);
    Run([&](CNewEntryDlg& dialog) {
        CEntryRichEdit* edit = Text(dialog);
        CFileDialogs::PushFile(junk);
        Click(dialog, "picture");
        EXPECT_EQ(LastMessage(), "This is no picture Dayloom can read.");
        QApplication::clipboard()->setImage(noise);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(LastMessage(), "The picture is larger than 2 MB even when made no larger than "
                                 "1600 pixels, so it was not inserted.");
        EXPECT_TRUE(edit->toPlainText().isEmpty());
        CMessageBox::PushAnswer(kYes);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(ReadDiary().size(), 1u);
}

// A draft that outlived a password change is offered with a request for the
// earlier password, as long as the user wants to try, instead of being set aside.
TEST_F(NewEntryDlgTest, ADraftUnderAnEarlierPasswordOpensWithThatPassword)
{
    WriteDiary(m_path, {{LocalTime(2026, 12, 1, 9), Rtf("Saved.")}}, "oldpw");
    CDiarySession session(NameOf(m_path));
    ASSERT_TRUE(session.ReadFirstEntry() && session.Unlock("oldpw"));
    EntryDraft draft;
    draft.rtf = "{\\rtf1 unsaved words}";
    const CDraftFile file(session.Name());
    ASSERT_TRUE(file.Write(draft, *CDraftSealer::ForSession(session)).ok());
    // A change the draft did not follow.
    ASSERT_TRUE(session.MakeStore()->ChangePassword("newpw"));
    ASSERT_TRUE(session.SetPassword(Passphrase("newpw")));

    // A wrong password is said and asked again; the right one restores it.
    CMessageBox::ClearHistory();
    for (const QString typed : {"wrongpw", "oldpw"}) {
        CModal::PushHandler([typed](QDialog& dialog) {
            auto& prompt = dynamic_cast<CSecurityDlg&>(dialog);
            QTest::keyClicks(prompt.PasswordField(), typed);
            QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
        });
    }
    const std::optional<EntryDraft> offered =
        CNewEntryDlgDraft::Offer(nullptr, session, QStringLiteral("New Entry"));
    ASSERT_TRUE(offered.has_value());
    EXPECT_EQ(offered->rtf, draft.rtf);
    ASSERT_EQ(CMessageBox::History().size(), 3u);
    EXPECT_TRUE(CMessageBox::History()[0].text.startsWith(
        "The unsaved draft was sealed under an earlier password of this diary."));
    EXPECT_EQ(CMessageBox::History()[1].text,
              "That password does not open the draft. Try another?");
    EXPECT_TRUE(CMessageBox::History()[2].text.endsWith("was not saved. Restore it?"));
    EXPECT_TRUE(CModal::Unanswered().empty());

    // Setting it aside keeps it under another name, as a damaged draft is kept.
    CMessageBox::ClearHistory();
    CMessageBox::PushChoice(1);
    EXPECT_FALSE(CNewEntryDlgDraft::Offer(nullptr, session, QStringLiteral("New Entry")));
    EXPECT_EQ(CMessageBox::History().back().text,
              QString("The unsaved draft could not be read; it was kept as %1.")
                  .arg(DraftPath() + ".damaged"));
    EXPECT_FALSE(file.Exists());
    EXPECT_TRUE(QFile::exists(DraftPath() + ".damaged"));
}

} // namespace
