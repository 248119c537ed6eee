// The three File menu commands driven as a user would, through the seams.

#include "export/ExportCommands.h"

#include "platform/ProgressDialog.h"
#include "platform/Settings.h"
#include "tests/export/ExportTestSupport.h"

#include <QDateEdit>
#include <QRadioButton>

namespace {

using widgettest::LastMessage;
using ExportCommandsTest = TravelDiaryTest;

TEST_F(ExportCommandsTest,
       ExportAsksForTheEntriesThenTheFileAndCancellingTheProgressOrWarningWritesNothing)
{
    CModal::PushHandler([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Export Diary - Dayloom v2.21");
        auto radios = dialog.findChildren<QRadioButton*>();
        ASSERT_EQ(radios.size(), 2);
        EXPECT_TRUE(radios[0]->isChecked()) << "All entries comes preselected";
        const auto dates = dialog.findChildren<QDateEdit*>();
        ASSERT_EQ(dates.size(), 2);
        EXPECT_EQ(dates[0]->date(), QDate(2024, 2, 29));
        EXPECT_EQ(dates[1]->date(), QDate(2024, 3, 3));
        dialog.show();
        QTest::keyClick(radios[1], Qt::Key_Space); // "Entries dated"
        dates[0]->setDate(QDate(2024, 3, 2));
        // A range that ends before it begins keeps the dialog open.
        dates[1]->setDate(QDate(2024, 3, 1));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        dates[1]->setDate(QDate(2024, 3, 3));
        QTest::keyClick(&dialog, Qt::Key_Return); // OK is the default button
    });
    CFileDialogs::PushFile(PathOf("out.pdf"));
    CFileDialogs::PushFile(PathOf("out.csv"));
    CExportCommands::ExportDiary(nullptr, *m_session);

    EXPECT_EQ(CFileDialogs::LastProposed(), PathOf("out.pdf"));
    ASSERT_EQ(CMessageBox::History().size(), 3u);
    EXPECT_EQ(CMessageBox::History()[0].text, "The range ends before it begins.");
    EXPECT_TRUE(CMessageBox::History()[1].text.startsWith("The file's extension chooses"));
    EXPECT_EQ(LastMessage(), "2 entries were exported to " + PathOf("out.csv") + ".");
    EXPECT_EQ(CProgressDialog::Steps(), (std::vector<int>{0, 1, 2}));

    // Cancelled while writing: nothing is written.
    CModal::PushHandler([](QDialog& dialog) { dialog.accept(); });
    CFileDialogs::PushFile(PathOf("all.md"));
    CProgressDialog::CancelAt(1);
    CExportCommands::ExportDiary(nullptr, *m_session);
    EXPECT_EQ(CFileDialogs::LastProposed(), PathOf("travel.md"));
    EXPECT_EQ(LastMessage(), "The export was cancelled; no file was written.");
    EXPECT_FALSE(QFile::exists(PathOf("all.md")));

    // An encrypted diary: the user is told the export will not be, and says No.
    CMessageBox::ClearHistory();
    const CDiarySession sealed(CDiaryName(Encoded(PathOf("vault.dayloom")), 0));
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    CExportCommands::ExportDiary(nullptr, sealed);
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].buttons, CMessageBox::Buttons::YesNo);
    EXPECT_TRUE(CMessageBox::History()[0].text.startsWith("The exported file is not encrypted"));
    EXPECT_EQ(CModal::Pending(), 0);
    EXPECT_TRUE(CModal::Unanswered().empty());
}

TEST_F(ExportCommandsTest, BackUpRemembersItsFolderAndRestoreAsksBeforeReplacing)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("backups"));
    CFileDialogs::PushFile(PathOf("backups/travel-2024-03-05.zip"));
    CExportCommands::BackUpDiary(nullptr, *m_session, QDate(2024, 3, 5));
    EXPECT_EQ(CFileDialogs::LastProposed(), PathOf("travel-2024-03-05.zip"));
    EXPECT_EQ(CSettings::GetProfileString("BackupFolder"), PathOf("backups"));
    EXPECT_EQ(LastMessage(),
              "The diary was backed up to " + PathOf("backups/travel-2024-03-05.zip") + ".");
    CFileDialogs::PushFile(std::nullopt);
    CExportCommands::BackUpDiary(nullptr, *m_session, QDate(2024, 3, 6));
    EXPECT_EQ(CFileDialogs::LastProposed(), PathOf("backups/travel-2024-03-06.zip"));

    // Into the diary's own folder: a No keeps it (the menu test answers Yes).
    Put(m_diary, "changed since");
    CFileDialogs::PushFile(PathOf("backups/travel-2024-03-05.zip"));
    CFileDialogs::PushFolder(m_dir.path());
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    EXPECT_FALSE(CExportCommands::RestoreFromBackup(nullptr));
    EXPECT_EQ(CMessageBox::History().back().caption, "Restore from backup - Dayloom v2.21");
    EXPECT_EQ(ReadBytes(m_diary), "changed since");
}

} // namespace
