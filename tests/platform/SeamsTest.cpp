// The scripted seams that let window tests answer message boxes and modal
// dialogs, and the file and wait-cursor helpers.
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
using Answer = CMessageBox::Answer;
using Buttons = CMessageBox::Buttons;
using Icon = CMessageBox::Icon;

TEST(MessageBoxTest, HistoryRecordsEachBoxAndQuestionsTakeQueuedAnswersInOrder)
{
    CMessageBox::ClearHistory();
    EXPECT_EQ(CMessageBox::Show(nullptr, "Text one", "Dayloom v2.21"), Answer::Ok);
    CMessageBox::PushAnswer(Answer::Yes);
    CMessageBox::PushAnswer(Answer::No);
    CMessageBox::PushAnswer(Answer::Yes);
    EXPECT_TRUE(CMessageBox::Ask(nullptr, "Delete?", "Delete Entry - Dayloom v2.21"));
    EXPECT_FALSE(CMessageBox::Ask(nullptr, "2", "c"));
    EXPECT_EQ(CMessageBox::Show(nullptr, "3", "c", Icon::Error, Buttons::YesNo), Answer::Yes);
    EXPECT_FALSE(CMessageBox::Ask(nullptr, "none left", "c"));

    const auto& shown = CMessageBox::History();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].text, "Text one");
    EXPECT_EQ(shown[0].caption, "Dayloom v2.21");
    EXPECT_EQ(shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(shown[1].text, "Delete?");
    EXPECT_EQ(shown[1].caption, "Delete Entry - Dayloom v2.21");
    EXPECT_EQ(shown[1].icon, Icon::Question);
    EXPECT_EQ(shown[1].buttons, Buttons::YesNo);
    EXPECT_EQ(shown[3].icon, Icon::Error);

    // An OK box answers OK whatever is queued.
    CMessageBox::PushAnswer(Answer::Yes);
    EXPECT_EQ(CMessageBox::Show(nullptr, "still ok", "c"), Answer::Ok);
    // Clearing also drops answers still queued.
    CMessageBox::PushAnswer(Answer::Yes);
    CMessageBox::ClearHistory();
    EXPECT_FALSE(CMessageBox::Ask(nullptr, "after clear", "c"));
    EXPECT_EQ(CMessageBox::History().size(), 1u);
    CMessageBox::ClearHistory();
}

// A small dialog with a text field and OK/Cancel, as the program's dialogs have.
class NameDialog : public QDialog
{
public:
    NameDialog()
    {
        setObjectName("NameDialog");
        auto* layout = new QVBoxLayout(this);
        m_pEdit = new QLineEdit(this);
        m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        layout->addWidget(m_pEdit);
        layout->addWidget(m_pButtons);
        connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    QLineEdit* m_pEdit;
    QDialogButtonBox* m_pButtons;
};

class ModalTest : public ::testing::Test
{
protected:
    void SetUp() override { CModal::Reset(); }
    void TearDown() override { CModal::Reset(); }
};

TEST_F(ModalTest, HandlersDriveTheShownDialogsInOrderIncludingNestedOnes)
{
    CModal::PushHandler([](QDialog& dialog) {
        auto& names = dynamic_cast<NameDialog&>(dialog);
        EXPECT_TRUE(names.isVisible());
        QTest::keyClicks(names.m_pEdit, "Ada");
        QTest::mouseClick(names.m_pButtons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    // A dialog that opens another (Options opening a colour chooser, say):
    // the inner one takes the next handler.
    CModal::PushHandler([](QDialog& outer) {
        NameDialog inner;
        EXPECT_EQ(CModal::Exec(inner), 7);
        outer.accept();
    });
    CModal::PushHandler([](QDialog& inner) { inner.done(7); });
    CModal::PushHandler([](QDialog&) {}); // leaves the dialog open
    EXPECT_EQ(CModal::Pending(), 4);

    NameDialog first;
    EXPECT_EQ(CModal::Exec(first), QDialog::Accepted);
    EXPECT_EQ(first.m_pEdit->text(), "Ada");
    EXPECT_FALSE(first.isVisible());
    NameDialog outer;
    EXPECT_EQ(CModal::Exec(outer), QDialog::Accepted);
    NameDialog leftOpen;
    EXPECT_EQ(CModal::Exec(leftOpen), QDialog::Rejected);
    EXPECT_FALSE(leftOpen.isVisible());
    EXPECT_EQ(CModal::Pending(), 0);
    EXPECT_TRUE(CModal::Unanswered().empty());
}

TEST_F(ModalTest, DialogWithoutHandlerIsRejectedAndNamed)
{
    NameDialog named;
    QDialog untitled;
    untitled.setWindowTitle("Planner - Dayloom v2.21");
    EXPECT_EQ(CModal::Exec(named), QDialog::Rejected);
    EXPECT_EQ(CModal::Exec(untitled), QDialog::Rejected);
    EXPECT_EQ(CModal::Unanswered(),
              (std::vector<QString>{"NameDialog", "Planner - Dayloom v2.21"}));
}

TEST(FileDialogsTest, ExtensionPositionIsTheByteOffsetOfTheExtensionInTheEncodedPath)
{
    const struct
    {
        QString chosen;
        QString path;
        QString title;
        int extLoc; // -1: wherever "ilm" starts in the encoded path
    } cases[] = {
        {"/home/me/travel.ilm", "/home/me/travel.ilm", "travel", 16},
        // Without an extension it gets .ilm; the folder's dot is not the file's.
        {"/data/v2.old/travel", "/data/v2.old/travel.ilm", "travel", 20},
        // The store swaps the byte at this offset of the encoded path, so
        // characters of several bytes count with all their bytes.
        {QStringLiteral("/tmp/Tagebücher/café.ilm"), QStringLiteral("/tmp/Tagebücher/café.ilm"),
         QStringLiteral("café"), -1},
        {"/d/my.diary.2024.ilm", "/d/my.diary.2024.ilm", "my.diary.2024", -1},
        {"/d/odd.", "/d/odd.", "odd", 0}, // nothing after the dot
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        const DiaryChoice choice = CFileDialogs::ChoiceFromPath(c.chosen);
        EXPECT_EQ(choice.path, c.path);
        EXPECT_EQ(choice.fileTitle, c.title);
        const QByteArray encoded = QFile::encodeName(choice.path);
        if (c.extLoc >= 0) {
            EXPECT_EQ(choice.extLoc, c.extLoc);
        } else {
            EXPECT_EQ(encoded.mid(choice.extLoc), "ilm");
            EXPECT_EQ(encoded.at(choice.extLoc - 1), '.');
        }
    }
}

TEST(FileDialogsTest, ScriptedChoicesComeInOrderAndCancelWhenNoneIsLeft)
{
    CFileDialogs::Reset();
    CFileDialogs::PushDiary(QStringLiteral("/d/a.ilm"));
    CFileDialogs::PushDiary(std::nullopt);
    CFileDialogs::PushFolder(QStringLiteral("/old/DATA"));

    const auto first = CFileDialogs::OpenOrCreateDiary(nullptr);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->path, "/d/a.ilm");
    EXPECT_EQ(first->extLoc, 5);
    EXPECT_FALSE(CFileDialogs::OpenOrCreateDiary(nullptr).has_value());
    EXPECT_FALSE(CFileDialogs::OpenOrCreateDiary(nullptr).has_value());

    EXPECT_EQ(CFileDialogs::ChooseFolder(nullptr, "Import", "Import"), QStringLiteral("/old/DATA"));
    EXPECT_FALSE(CFileDialogs::ChooseFolder(nullptr, "Import", "Import").has_value());
}

TEST(WaitCursorTest, ShowsTheWaitCursorForItsLifetimeAndNests)
{
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        CWaitCursor outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            CWaitCursor inner;
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
} // namespace
