// Start-up: reopening the last diary or the one named on the command line, the
// show flags, the window's texts and keys.
#include "MainWindowFixture.h"
#include "app/CommandLine.h"
#include "app/DayloomApp.h"
#include "app/EntryLineDelegate.h"
#include "app/EntryListModel.h"
#include "store/Messages.h"
#include "tests/support/InterfaceLanguage.h"
#include "widgets/GraphChoiceBox.h"

#include <QFontMetrics>
#include <QScreen>
#include <QSettings>

class StartupTest : public MainWindowTest
{
protected:
    void RememberDiary(const QString& path, int openLast)
    {
        CSettings::WriteProfileInt("OpenLastDiary", openLast);
        CSettings::WriteProfileString("DiaryFile", path);
        CSettings::WriteProfileInt("ExtLoc", ExtLocOf(path));
        CSettings::WriteProfileString("shortFile", "travel");
    }

    // Starts a new main window on the remembered diary.
    CDayloomDlg& Restart()
    {
        m_window.reset();
        return Window();
    }
};

TEST_F(StartupTest, ReopensTheLastDiaryOnlyWithExactlyOneAndAUsableExtensionAndAsksAgain)
{
    const QString path = MakeSampleDiary();
    RememberDiary(path, 1);
    const QString remembered = Remembered();
    // The prompt is centred on the main window, itself placed first.
    QPoint promptCentre;
    OnPrompt([&](CSecurityDlg& prompt) {
        promptCentre = prompt.geometry().center();
        Type(prompt, "Secret1");
    });
    CDayloomDlg& window = Window();
    EXPECT_EQ(window.windowTitle(), "Dayloom v2.21 - travel");
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(SelectedRow(window), 3);
    EXPECT_TRUE(window.EntryList()->isEnabled());
    EXPECT_EQ(Remembered(), remembered); // reopening writes nothing
    const QPoint windowCentre = window.geometry().center();
    EXPECT_LE((promptCentre - windowCentre).manhattanLength(), 4);
    EXPECT_LE((windowCentre - window.screen()->availableGeometry().center()).manhattanLength(), 4);

    // Any other flag, or no usable extension position, opens nothing.
    const int extLoc = ExtLocOf(path);
    const std::pair<int, int> cases[] = {{0, extLoc}, {2, extLoc}, {1, 0}, {1, 3}, {1, 60000}};
    for (const auto& [openLast, ext] : cases) {
        SCOPED_TRACE(testing::Message() << "OpenLastDiary " << openLast << ", ExtLoc " << ext);
        RememberDiary(path, openLast);
        CSettings::WriteProfileInt("ExtLoc", ext);
        ExpectNoDiary(Restart());
        EXPECT_TRUE(CModal::Unanswered().empty()) << "no prompt";
    }

    // A wrong password or Cancel asks again next time.
    CMessageBox::ClearHistory();
    RememberDiary(path, 1);
    // Without a remembered title the prompt shows the new diary text.
    QSettings(CSettings::FileName(), QSettings::IniFormat).remove("Settings/shortFile");
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_EQ(prompt.FileField()->text(), "You are creating a new diary!");
        Type(prompt, "SECRET1");
        EXPECT_TRUE(prompt.isVisible()) << "another try";
    });
    ExpectNoDiary(Restart());
    EXPECT_EQ(Shown().size(), 1);

    OnPrompt(
        [](CSecurityDlg& prompt) { QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton); });
    EXPECT_EQ(Restart().Session(), nullptr);
    EXPECT_EQ(Shown().size(), 1) << "cancelled quietly";
    EXPECT_EQ(CSettings::GetProfileString("DiaryFile"), path);

    AnswerPrompt("Secret1");
    EXPECT_EQ(RowCount(Restart()), 4);
    EXPECT_EQ(Window().windowTitle(), CAppInfo::Title());
}

TEST_F(StartupTest, AnEmptyLastDiaryIsReopenedAsNewAndAJunkOneIsRefused)
{
    const QString path = PathOf("travel.ilm");
    QFile(path).open(QIODevice::WriteOnly);
    RememberDiary(path, 1);
    CDayloomDlg& window = Window();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(window.Session()->Path(), Encoded(path));
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_FALSE(window.EntryList()->isEnabled());
    EXPECT_EQ(window.windowTitle(), CAppInfo::Title());

    const QString junk = PathOf("junk.ilm");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(200, 'j'));
    file.close();
    RememberDiary(junk, 1);
    ExpectNoDiary(Restart());
    EXPECT_EQ(Shown(), QStringList{ByTitle("The file junk.ilm is not a Dayloom diary, or it is "
                                           "damaged. Nothing was opened.")});
    EXPECT_EQ(QFileInfo(junk).size(), 200);
    EXPECT_EQ(QDir(m_dir.path()).entryList({"junk*"}, QDir::Files), QStringList{"junk.ilm"});
}

// A diary named on the command line goes the way of one chosen in Open/Create.
TEST_F(StartupTest, TheDiaryNamedOnTheCommandLineOpensInPlaceOfTheLastOne)
{
    const QString path = MakeSampleDiary();
    WriteDiary(PathOf("other.ilm"), {{LocalTime(2026, 12, 1, 9), Rtf("Other."), 0, 0, 0, 0}},
               "Secret1");
    RememberDiary(PathOf("other.ilm"), 1);
    AnswerPrompt("Secret1"); // one prompt only: the named diary's
    CDayloomDlg window(nullptr, path);
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(QString::fromStdString(window.Session()->Path()), path);
    EXPECT_EQ(RowCount(window), 4);
}

TEST_F(StartupTest, AProblemWithTheNamedPathAndTheStoresMessagesAreShownCaptioned)
{
    CModal::PushHandler([](QDialog& dialog) { dialog.accept(); }); // the splash
    CModal::PushHandler([](QDialog& dialog) { dialog.reject(); }); // the tip
    CModal::PushHandler([](QDialog& dialog) {
        ExpectNoDiary(dynamic_cast<CDayloomDlg&>(dialog));
        dialog.accept();
    });
    CDayloomApp app;
    const QString problem = CCommandLine::DiaryProblem(m_dir.path());
    EXPECT_FALSE(app.InitInstance({"dayloom", m_dir.path()}, QString(), problem));
    EXPECT_EQ(Shown(), QStringList{CAppInfo::Caption("Open/Create Diary") + " | " + problem});

    // The program's start put the store's messages under its title.
    CMessageBox::ClearHistory();
    ShowStoreMessage("next(index): current_index");
    EXPECT_EQ(Shown(), QStringList{ByTitle("next(index): current_index")});
    EXPECT_EQ(CMessageBox::History()[0].icon, CMessageBox::Icon::Exclamation);
}

TEST_F(StartupTest, HiddenShowFlagsHideTheirFieldsAndTheChoiceBoxFollows)
{
    CSettings::WriteProfileInt("bShowMood", 0);
    CSettings::WriteProfileInt("bShowCopulation", 0);
    CDayloomDlg& window = OpenSample();
    const auto shown = [&](const char* name) { return Part(window, name)->isVisible(); };
    EXPECT_FALSE(shown("moodField"));
    EXPECT_FALSE(shown("facePicture"));
    EXPECT_FALSE(shown("Copulation"));
    EXPECT_TRUE(shown("fatigueField"));
    EXPECT_TRUE(Panel(window).startsWith("Excellent|")); // still filled
    EXPECT_EQ(window.Graph()->m_bShowMood, 0);

    auto* choices = window.findChild<CGraphChoiceBox*>();
    QTest::mouseClick(choices->Button(GraphSeries::Mood), Qt::LeftButton);
    QTest::mouseClick(choices->Button(GraphSeries::Weight), Qt::LeftButton);
    EXPECT_TRUE(shown("moodField"));
    EXPECT_TRUE(shown("facePicture"));
    EXPECT_FALSE(shown("weightField"));
    EXPECT_EQ(window.Graph()->m_bShowMood, 1);
    EXPECT_EQ(window.Graph()->m_bShowWeight, 0);
}

TEST_F(StartupTest, WithoutADiaryItsCommandsAskForOneAndACancelledChoiceForgetsTheLastOne)
{
    CSettings::WriteProfileString("DiaryFile", "old");
    CDayloomDlg& window = ActiveWindow();
    ExpectNoDiary(window);
    EXPECT_FALSE(Part<QLineEdit>(window, "searchText")->isEnabled());
    EXPECT_FALSE(Part<QAbstractButton>(window, "Go to first")->icon().isNull());
    // Picture-only buttons are named for screen readers by their tips.
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text().isEmpty()) {
            EXPECT_EQ(button->accessibleName(), button->toolTip())
                << button->objectName().toStdString();
        }
    }
    window.OnOpenCreateDiary(); // nothing queued: cancelled
    EXPECT_EQ(CSettings::GetProfileString("DiaryFile", "x"), QString());
    EXPECT_EQ(CSettings::GetProfileInt("ExtLoc", -1), 0);

    // New entry asks for a diary first (cancelled: quietly); F3 and F4 say they need one.
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_TRUE(CModal::Unanswered().empty());
    QTest::keyClick(&window, Qt::Key_F3);
    QTest::keyClick(&window, Qt::Key_F4);
    EXPECT_EQ(Shown(),
              (QStringList{ByTitle("You must open or create a diary to use the reminder!"),
                           ByTitle("You must open or create a diary to use the planners!")}));
    // Esc does not end the program.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(StartupTest, EntryLinesAlignTheirColumnsAndFollowTheInterfacesLanguageNotTheDesktops)
{
    // Tabs align the columns whatever the month.
    const QFontMetrics metrics(QApplication::font());
    const int stop = CEntryLineDelegate::TabStopWidth(metrics);
    const QString may = CEntryListModel::FormatEntryLine(LocalTime(2026, 5, 11, 8));
    const QString december = CEntryListModel::FormatEntryLine(LocalTime(2026, 12, 31, 23, 59));
    const QVector<int> a = CEntryLineDelegate::PartOffsets(may, metrics, stop);
    ASSERT_EQ(a.size(), 3);
    EXPECT_EQ(a, CEntryLineDelegate::PartOffsets(december, metrics, stop));
    EXPECT_EQ(a[1] % stop, 0);
    EXPECT_GT(a[1], metrics.horizontalAdvance("11 - May"));

    // Dates in the interface's language on a German desktop; decimal points stay.
    const QString path = MakeSampleDiary();
    const widgettest::GermanDesktop german("Europe/Berlin");
    for (const auto& [language, line] : {std::pair{"en", "06 - Dec\t - 2026, Sun,\t at 10:00:00"},
                                         std::pair{"de", "06 - Dez.\t - 2026, So.,\t um 10:00:00"},
                                         std::pair{"ru", "06 - дек.\t - 2026, вс,\t в 10:00:00"}}) {
        SCOPED_TRACE(language);
        const widgettest::InterfaceLanguage shown(language);
        m_window.reset();
        CDayloomDlg& window = OpenThroughMenu(path);
        ClickLine(window, 1);
        EXPECT_EQ(RowLine(window, 1), QString::fromUtf8(line));
        EXPECT_EQ(FieldText(window, "temperatureField"), "36.6");
    }
}
