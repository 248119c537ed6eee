// Start-up: reopening the last diary, the show flags, and the window's
// fixed texts and keys.
#include "MainWindowFixture.h"
#include "app/DayloomApp.h"
#include "app/EntryLineDelegate.h"
#include "app/EntryListModel.h"
#include "store/Messages.h"
#include "widgets/GraphChoiceBox.h"

#include <QFontMetrics>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <clocale>

class StartupTest : public MainWindowTest
{
protected:
    void RememberDiary(const QString& path, int openLast)
    {
        CSettings::WriteProfileInt(QStringLiteral("OpenLastDiary"), openLast);
        CSettings::WriteProfileString(QStringLiteral("DiaryFile"), path);
        CSettings::WriteProfileInt(QStringLiteral("ExtLoc"), ExtLocOf(path));
        CSettings::WriteProfileString(QStringLiteral("shortFile"), QStringLiteral("travel"));
    }

    // Snapshot of the three keys naming the last diary.
    QStringList LastDiaryKeys() const
    {
        return {CSettings::GetProfileString(QStringLiteral("DiaryFile")),
                QString::number(CSettings::GetProfileInt(QStringLiteral("ExtLoc"), 0)),
                CSettings::GetProfileString(QStringLiteral("shortFile"))};
    }
};

TEST_F(StartupTest, ReopensTheLastDiaryOnlyWithExactlyOneAndAUsableExtension)
{
    const QString path = MakeSampleDiary();
    RememberDiary(path, 1);
    const QStringList keys = LastDiaryKeys();
    AnswerPrompt(QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21 - travel"));
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(SelectedRow(window), 3);
    EXPECT_TRUE(window.EntryList()->isEnabled());
    EXPECT_EQ(LastDiaryKeys(), keys); // reopening writes nothing

    // Any other flag, or no usable extension position, opens nothing.
    const int extLoc = ExtLocOf(path);
    const std::pair<int, int> cases[] = {{0, extLoc}, {2, extLoc}, {1, 0}, {1, 3}, {1, 60000}};
    for (const auto& [openLast, ext] : cases) {
        SCOPED_TRACE(
            QStringLiteral("OpenLastDiary %1, ExtLoc %2").arg(openLast).arg(ext).toStdString());
        m_window.reset();
        RememberDiary(path, openLast);
        CSettings::WriteProfileInt(QStringLiteral("ExtLoc"), ext);
        CDayloomDlg& other = Window();
        EXPECT_EQ(other.Session(), nullptr);
        EXPECT_EQ(RowCount(other), 0);
        EXPECT_EQ(other.windowTitle(), QStringLiteral("Dayloom v2.21"));
        EXPECT_TRUE(CModal::Unanswered().empty()) << "no prompt";
    }
}

TEST_F(StartupTest, TheStartUpPromptOpensOverTheMiddleOfTheMainWindow)
{
    // The prompt used to open in the screen's top left corner, centred on a
    // main window that had neither its size nor its place yet.
    const QString path = MakeSampleDiary();
    RememberDiary(path, 1);
    QPoint promptCentre;
    OnPrompt([&](CSecurityDlg& prompt) {
        promptCentre = prompt.geometry().center();
        Type(prompt, QStringLiteral("Secret1"));
    });
    CDayloomDlg& window = Window();
    ASSERT_EQ(RowCount(window), 4);
    const QPoint windowCentre = window.geometry().center();
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    EXPECT_LE((promptCentre - windowCentre).manhattanLength(), 4);
    EXPECT_LE((windowCentre - screenCentre).manhattanLength(), 4);
}

TEST_F(StartupTest, WrongPasswordAtStartUpAsksAgainNextTime)
{
    const QString path = MakeSampleDiary();
    RememberDiary(path, 1);
    AnswerPrompt(QStringLiteral("SECRET1"));
    CDayloomDlg& window = Window();
    EXPECT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(window.Session(), nullptr);
    EXPECT_EQ(RowCount(window), 0);

    m_window.reset();
    CancelPrompt();
    Window();
    EXPECT_EQ(CModal::Pending(), 0); // the prompt came again, and was cancelled quietly
    EXPECT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(Window().Session(), nullptr);
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile")), path);
}

TEST_F(StartupTest, AnEmptyLastDiaryIsReopenedAsNewWithoutAPrompt)
{
    const QString path = PathOf(QStringLiteral("travel.ilm"));
    QFile(path).open(QIODevice::WriteOnly);
    RememberDiary(path, 1);
    CDayloomDlg& window = Window();
    EXPECT_TRUE(CModal::Unanswered().empty());
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(window.Session()->Path(), Encoded(path));
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_FALSE(window.EntryList()->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21"));
}

TEST_F(StartupTest, AbsentShortFileShowsTheNewDiaryTextAndABareTitle)
{
    const QString path = MakeSampleDiary();
    RememberDiary(path, 1);
    QSettings(CSettings::FileName(), QSettings::IniFormat)
        .remove(QStringLiteral("Settings/shortFile"));
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_EQ(prompt.FileField()->text(), QStringLiteral("You are creating a new diary!"));
        Type(prompt, QStringLiteral("Secret1"));
    });
    CDayloomDlg& window = Window();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21"));
    EXPECT_EQ(RowCount(window), 4);
}

TEST_F(StartupTest, HiddenShowFlagsHideTheirFieldsAndTheChoiceBoxFollows)
{
    CSettings::WriteProfileInt(QStringLiteral("bShowMood"), 0);
    CSettings::WriteProfileInt(QStringLiteral("bShowCopulation"), 0);
    const QString path = MakeSampleDiary();
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    EXPECT_FALSE(Field(window, "moodField")->isVisible());
    EXPECT_FALSE(Part<QLabel>(window, "facePicture")->isVisible());
    EXPECT_FALSE(Part<QCheckBox>(window, "Copulation")->isVisible());
    EXPECT_TRUE(Field(window, "fatigueField")->isVisible());
    EXPECT_EQ(Field(window, "moodField")->text(), QStringLiteral("Excellent")); // still filled
    EXPECT_EQ(window.Graph()->m_bShowMood, 0);

    QTest::mouseClick(window.findChild<CGraphChoiceBox*>()->Button(GraphSeries::Mood),
                      Qt::LeftButton);
    QTest::mouseClick(window.findChild<CGraphChoiceBox*>()->Button(GraphSeries::Weight),
                      Qt::LeftButton);
    EXPECT_TRUE(Field(window, "moodField")->isVisible());
    EXPECT_TRUE(Part<QLabel>(window, "facePicture")->isVisible());
    EXPECT_FALSE(Field(window, "weightField")->isVisible());
    EXPECT_EQ(window.Graph()->m_bShowMood, 1);
    EXPECT_EQ(window.Graph()->m_bShowWeight, 0);
    EXPECT_EQ(CSettings::GetProfileInt(QStringLiteral("bShowWeight"), 1), 0);
}

TEST_F(StartupTest, KeysHelpItemsAndScreenReaderNames)
{
    CDayloomDlg& window = Window();
    EXPECT_FALSE(ButtonOf(window, QStringLiteral("Go to first"))->icon().isNull());
    // Picture-only buttons are named for screen readers by their tips.
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text().isEmpty()) {
            EXPECT_EQ(button->accessibleName(), button->toolTip())
                << button->objectName().toStdString();
        }
    }

    // F3 and F4 reach their commands, which need a diary first.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F3);
    QTest::keyClick(&window, Qt::Key_F4);
    EXPECT_EQ(MessageTexts(),
              (std::vector<QString>{
                  QStringLiteral("You must open or create a diary to use the reminder!"),
                  QStringLiteral("You must open or create a diary to use the planners!")}));
    EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());

    // Esc does not end the program; the help items open their pages.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    ActionOf(window, QStringLiteral("Help on main window"))->trigger();
    ActionOf(window, QStringLiteral("Contents\tF1"))->trigger();
    EXPECT_EQ(CHelp::Requests(), (std::vector<int>{65540, static_cast<int>(HelpContext::Contents)}));
}

TEST(EntryLineTest, TabsAlignTheColumnsWhateverTheMonth)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const QFontMetrics metrics(QApplication::font());
    const int stop = CEntryLineDelegate::TabStopWidth(metrics);
    const QString may = CEntryListModel::FormatEntryLine(LocalTime(2026, 5, 11, 8));
    const QString december = CEntryListModel::FormatEntryLine(LocalTime(2026, 12, 31, 23, 59));
    const QVector<int> a = CEntryLineDelegate::PartOffsets(may, metrics, stop);
    const QVector<int> b = CEntryLineDelegate::PartOffsets(december, metrics, stop);
    ASSERT_EQ(a.size(), 3);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a[1] % stop, 0);
    EXPECT_GT(a[1], metrics.horizontalAdvance(QStringLiteral("11 - May")));
}

TEST_F(StartupTest, GermanLocaleKeepsEnglishDatesAndDecimalPoints)
{
    const QString path = MakeSampleDiary();
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    window.OnFirst();
    window.OnNext();
    const QString line = RowLine(window, 1);
    const QString temperature = Field(window, "temperatureField")->text();

    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(line, QStringLiteral("06 - Dec\t - 2026, Sun,\t at 10:00:00"));
    EXPECT_EQ(temperature, QStringLiteral("36.6"));
}

TEST_F(StartupTest, StoreMessagesAreShownCaptionedWithTheProgramName)
{
    const StoreMessageHandler previous = SetStoreMessageHandler({});
    CDayloomApp::InstallStoreMessageHandler();
    ShowStoreMessage("next(index): current_index");
    SetStoreMessageHandler(previous);
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text, QStringLiteral("next(index): current_index"));
    EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
    EXPECT_EQ(CMessageBox::History()[0].icon, CMessageBox::Icon::Exclamation);
}
