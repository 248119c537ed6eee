// "Tools, Import from another program..." from the main window: its place
// in the menu, a new encrypted diary when none is open, and a second import
// of the same export that adds nothing.
#include "MainWindowFixture.h"
#include "import/ImportPreviewDlg.h"
#include "platform/Modal.h"

TEST_F(MainWindowTest, ImportFromAnotherProgramIntoANewEncryptedDiary)
{
    CDayloomDlg& window = Window();
    QMenu* tools = nullptr;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->title() == "&Tools") {
            tools = menu;
        }
    }
    ASSERT_NE(tools, nullptr);
    const QList<QAction*> actions = tools->actions();
    ASSERT_GE(actions.size(), 3);
    EXPECT_EQ(actions.at(actions.size() - 3)->text(), "&Import from another program...");
    EXPECT_EQ(actions.at(actions.size() - 2)->text(), "&Merge another diary...");
    EXPECT_EQ(actions.back()->text(), "Import from Dayloom v1.00");

    const QString sample = DAYLOOM_SOURCE_DIR "/tests/data/import/jrnl.json";
    const auto pressImport = [](QDialog& dialog) {
        ASSERT_NE(dynamic_cast<CImportPreviewDlg*>(&dialog), nullptr);
        QTest::mouseClick(dialog.findChild<QPushButton*>("import"), Qt::LeftButton);
    };
    CFileDialogs::PushFile(sample);
    CModal::PushHandler(pressImport);
    CFileDialogs::PushFile(PathOf("imported.dayloom"));
    AnswerPrompt("Open, sesame 42");
    actions.at(actions.size() - 3)->trigger();

    ASSERT_NE(window.Session(), nullptr);
    EXPECT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_FALSE(window.Session()->IsNew());
    EXPECT_EQ(CMessageBox::History().back().text, "3 entries added.");
    EXPECT_EQ(RowCount(window), 3);
    EXPECT_EQ(SelectedRow(window), 2);
    EXPECT_EQ(ViewText(window), "A day without a time\nТолько дата.");
    EXPECT_TRUE(QFileInfo::exists(PathOf("imported.dayloom")));

    // Again: everything is there already.
    CFileDialogs::PushFile(sample);
    actions.at(actions.size() - 3)->trigger();
    EXPECT_EQ(CMessageBox::History().back().text,
              "Nothing to import: the diary already holds all 3 entries of jrnl.json.");
    EXPECT_EQ(RowCount(window), 3);
}
