// The main window's side of printing and of the version-1 import.
#include "MainWindowFixture.h"
#include "platform/PrintDialog.h"

#include <tuple>

TEST_F(MainWindowTest, PrintingNeedsEntriesAndASelection)
{
    CPrintDialog::Reset();
    CDayloomDlg& window = Window();
    window.OnPrintCurrentEntry();
    window.OnPrintAllEntries();
    EXPECT_TRUE(CMessageBox::History().empty());
    EXPECT_EQ(CPrintDialog::Shown(), 0);

    OpenSample();
    window.EntryList()->clearSelection();
    QTest::mouseClick(ButtonOf(window, QStringLiteral("Print current entry")), Qt::LeftButton);
    EXPECT_EQ(MessageTexts(), std::vector<QString>{QStringLiteral(
                                  "You must have an entry selected in order to print it!")});

    window.OnFirst();
    const QString pdf = PathOf(QStringLiteral("entry.pdf"));
    CPrintDialog::PushAnswer(pdf);
    QTest::mouseClick(ButtonOf(window, QStringLiteral("Print current entry")), Qt::LeftButton);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_EQ(SelectedRow(window), 0);
}

TEST_F(MainWindowTest, ImportedEntriesAreListedInDateOrder)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("old/DATA"));
    const QString folder = PathOf(QStringLiteral("old/DATA"));
    for (const auto& [name, mood, text] : {std::tuple{"EL051430.22D", 2, "Later day"},
                                           std::tuple{"EL030800.00D", -1, "Earlier day"}}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(Version1File(0, mood, text)));
    }

    CFileDialogs::PushFolder(folder);
    CFileDialogs::PushDiary(PathOf(QStringLiteral("imported.ilm")));
    AnswerPrompt(QStringLiteral("OldPass"));
    CDayloomDlg& window = Window();
    ActionOf(window, QStringLiteral("Import from Dayloom v1.00"))->trigger();

    EXPECT_EQ(MessageTexts().back(), QStringLiteral("Successfully converted 2 entries!"));
    EXPECT_FALSE(window.Session()->IsNew());
    ASSERT_EQ(RowCount(window), 2);
    EXPECT_EQ(RowLine(window, 0), QStringLiteral("03 - Dec\t - 2002, Tue,\t at 08:00:00"));
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Later day"));
    EXPECT_EQ(Field(window, "moodField")->text(), QStringLiteral("Very Good"));
}
