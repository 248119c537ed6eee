// "Import from another program..." driven as a user would, the main window a recording host.

#include "import/ForeignImporter.h"

#include "ImportTestSupport.h"
#include "import/ImportPreviewDlg.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileFaults.h"
#include "store/Messages.h"
#include "tests/support/TestDiary.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <gtest/gtest.h>
#include <memory>

using namespace importtest;
using widgettest::LastMessage;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

class ForeignImporterTest : public FolderTest
{
protected:
    // Runs the command on `file`, the preview answered by `user` (none: it must not appear);
    // what the preview shows is kept in m_shown.
    void Import(const QString& file, std::function<void(CImportPreviewDlg&)> user = nullptr)
    {
        CFileDialogs::PushFile(file);
        if (user) {
            CModal::PushHandler([this, user](QDialog& dialog) {
                m_shown = QStringList{dialog.findChild<QLabel*>("source")->text(),
                                      dialog.findChild<QLabel*>("summary")->text()} +
                          widgettest::Lines(dialog.findChild<QListWidget*>("entries"));
                if (auto* problems = dialog.findChild<QPlainTextEdit*>("problems")) {
                    m_shown.append(problems->toPlainText());
                }
                user(dynamic_cast<CImportPreviewDlg&>(dialog));
            });
        }
        CForeignImporter(m_host).Run();
        EXPECT_EQ(CModal::Pending(), 0);
        EXPECT_TRUE(CModal::Unanswered().empty());
    }
    static void PressImport(CImportPreviewDlg& dialog)
    {
        auto* import = dialog.findChild<QPushButton*>("import");
        EXPECT_TRUE(import->isDefault());
        QTest::mouseClick(import, Qt::LeftButton);
    }

    Entries DiaryEntries()
    {
        Entries entries;
        const auto store = m_host.session->MakeStore();
        for (store->current_index = 0; store->ReadEntry(); ++store->current_index) {
            entries.emplace_back(When(store->entry.time),
                                 RtfToPlainText(store->entry.text).toStdString());
            EXPECT_STREQ(store->entry.password, m_host.session->Password().c_str());
        }
        return entries;
    }

    CRecordingHost m_host;
    QStringList m_shown;
};

} // namespace

TEST_F(ForeignImporterTest, CancelWritesNothingThePreviewListsWhatImportAddsOrWhyNothingCan)
{
    // A diary with one entry under "Secret1", open in the host.
    const QString diary = m_dir.filePath("diary.ilm");
    WriteDiary(diary, {{LocalTime(2023, 1, 1, 9), Rtf("Before")}}, "Secret1");
    m_host.session = std::make_unique<CDiarySession>(NameOf(diary));
    ASSERT_TRUE(m_host.session->ReadFirstEntry());
    ASSERT_TRUE(m_host.session->Unlock("Secret1"));
    const auto cancel = [](CImportPreviewDlg& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    };
    const QString path =
        Put("mixed.json", "{\"entries\": [{\"date\": \"2023-05-01\", \"title\": \"Kept\"}, "
                          "{\"title\": \"Lost\"}, {\"date\": \"2023-01-01\", \"time\": \"09:00\", "
                          "\"title\": \"Before\"}]}");
    Import(path, cancel);
    // The third is the diary's own entry, by time and text.
    EXPECT_EQ(m_shown,
              (QStringList{"jrnl JSON: mixed.json",
                           "1 entry will be added, 1 skipped (already in the diary).",
                           "2023-05-01 12:00  Kept", "mixed.json, entry 2: it has no date"}));
    EXPECT_TRUE(CMessageBox::History().empty());

    // A text file alone, or its whole folder after a Yes.
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    Import(Sample("notes/journal.md"), cancel);
    EXPECT_EQ(LastMessage(), "Import all 4 Markdown and text files of this folder?");
    EXPECT_EQ(m_shown.mid(0, 2),
              (QStringList{"Markdown and text files: journal.md", "2 entries will be added."}));
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Import(Sample("notes/journal.md"), cancel);
    EXPECT_EQ(m_shown.at(1), "5 entries will be added.");
    EXPECT_TRUE(m_host.reloads.empty());
    EXPECT_EQ(DiaryEntries().size(), 1u);

    // Nothing readable at all: said, with why.
    Put("mixed.json", "not json, not text: \xff");
    Import(path);
    EXPECT_EQ(LastMessage(), "Nothing could be imported from mixed.json.\n\nCould not be read:\n"
                             "mixed.json: it is not UTF-8 text");

    // A jrnl export, imported.
    Import(Sample("jrnl.json"), PressImport);
    EXPECT_EQ(m_shown, (QStringList{"jrnl JSON: jrnl.json", "3 entries will be added.",
                                    "2023-03-26 03:30  Clocks went forward.",
                                    "2023-11-14 20:05  Café in Zürich.",
                                    "2023-12-31 12:00  A day without a time"}));
    EXPECT_EQ(LastMessage(), "3 entries added.");
    EXPECT_EQ(m_host.reloads, std::vector<bool>{true});
    // The clocks skipped 02:30 that night: it is read as 03:30.
    EXPECT_EQ(DiaryEntries(),
              (Entries{{"2023-01-01 09:00:00", "Before"},
                       {"2023-03-26 03:30:00", "Clocks went forward."},
                       {"2023-11-14 20:05:00", "Café in Zürich.\nTwo lines\nof plain text, *not* "
                                               "Markdown.\n#work #home #long_walk #starred"},
                       {"2023-12-31 12:00:00", "A day without a time\nТолько дата."}}));
}

TEST_F(ForeignImporterTest, WithoutAnOpenDiaryANewEncryptedOneIsMadeWholeOrNotAtAll)
{
    m_host.newDiary = m_dir.filePath("imported.dayloom");
    Import(Sample("dayone/Journal.json"), PressImport);
    EXPECT_EQ(LastMessage(), "3 entries added.\n\nCould not be read:\nJournal.json, entry 1: the "
                             "photo fedc9876.png is not in the export");
    EXPECT_EQ(m_host.reloads, std::vector<bool>{true});

    // The file holds them, under the password given.
    m_host.session = std::make_unique<CDiarySession>(NameOf(m_host.newDiary));
    ASSERT_TRUE(m_host.session->ReadFirstEntry());
    ASSERT_TRUE(m_host.session->Unlock("Sesame"));
    EXPECT_EQ(DiaryEntries().size(), 3u);

    // No place given for the new diary: nothing happens.
    m_host.session.reset();
    m_host.newDiary.clear();
    Import(Sample("jrnl.json"), PressImport);
    EXPECT_EQ(m_host.opens, 2); // no reload either: see the list below

    // A new diary that cannot be written is not left behind.
    m_host.newDiary = m_dir.filePath("unwritten.dayloom");
    CMessageBox::ClearHistory();
    std::string said;
    const StoreMessageHandler previous =
        SetStoreMessageHandler([&said](const std::string& message) { said += message; });
    CFileFaults::Install(
        [](FileOp op, const std::string&) { return op == FileOp::Rename ? EACCES : 0; });
    Import(Sample("jrnl.json"), PressImport);
    CFileFaults::Install({});
    SetStoreMessageHandler(previous);
    EXPECT_NE(said.find("unwritten.dayloom"), std::string::npos) << said;
    EXPECT_EQ(LastMessage(), kNewDiary) << "no closing message after a failure";
    EXPECT_EQ(m_host.reloads, (std::vector<bool>{true, false}));
    EXPECT_FALSE(QFileInfo::exists(m_host.newDiary));
}
