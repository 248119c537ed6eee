// The main window's side of printing and of the version-1 import.
#include "MainWindowFixture.h"
#include "platform/PrintDialog.h"

TEST_F(MainWindowTest, PrintingNeedsEntriesAndASelection)
{
    CDayloomDlg& window = Window();
    window.OnPrintCurrentEntry();
    window.OnPrintAllEntries();
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(CPrintDialog::Shown(), 0);

    OpenSample();
    window.EntryList()->clearSelection();
    Click("Print current entry");
    EXPECT_EQ(CMessageBox::History().back().text,
              "You must have an entry selected in order to print it!");

    // A PDF file holds the entry in plain text: the diary's password first,
    // and without it nothing is written.
    window.OnFirst();
    CPrintDialog::PushAnswer(PathOf("entry.pdf"));
    OnPrompt([](CSecurityDlg& prompt) { prompt.reject(); });
    Click("Print current entry");
    EXPECT_FALSE(QFileInfo::exists(PathOf("entry.pdf")));
    CPrintDialog::PushAnswer(PathOf("entry.pdf"));
    AnswerPrompt("Secret1");
    Click("Print current entry");
    EXPECT_GT(QFileInfo(PathOf("entry.pdf")).size(), 0);
    EXPECT_EQ(SelectedRow(window), 0);
}

TEST_F(MainWindowTest, ImportedEntriesAreListedInDateOrder)
{
    const QString folder = PathOf("old/DATA");
    QDir().mkpath(folder);
    for (const auto& [name, mood, text] : {std::tuple{"EL051430.22D", 2, "Later day"},
                                           std::tuple{"EL030800.00D", -1, "Earlier day"}}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(Version1File(0, mood, text)));
    }
    CFileDialogs::PushFolder(folder);
    CFileDialogs::PushDiary(PathOf("imported.ilm"));
    AnswerPrompt("OldPass");
    CDayloomDlg& window = Window();
    ActionOf(window, "Import from Dayloom v1.00")->trigger();

    EXPECT_EQ(CMessageBox::History().back().text, "Successfully converted 2 entries!");
    EXPECT_FALSE(window.Session()->IsNew());
    ASSERT_EQ(RowCount(window), 2);
    EXPECT_EQ(RowLine(window, 0), "03 - Dec\t - 2002, Tue,\t at 08:00:00");
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(ViewText(window), "Later day");
    EXPECT_TRUE(Panel(window).startsWith("Very Good|"));
}
