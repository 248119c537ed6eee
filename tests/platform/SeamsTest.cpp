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

class MessageBoxTest : public ::testing::Test
{
protected:
    void SetUp() override { CMessageBox::ClearHistory(); }
    void TearDown() override { CMessageBox::ClearHistory(); }
};

TEST_F(MessageBoxTest, HistoryRecordsEveryMessageAsShown)
{
    CMessageBox::Show(nullptr, "Text one", "Dayloom v2.21");
    CMessageBox::Show(nullptr, "Text two", "dayloom", Icon::Error);
    CMessageBox::Ask(nullptr, "Delete?", "Delete Entry - Dayloom v2.21");

    const auto& shown = CMessageBox::History();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "Text one");
    EXPECT_EQ(shown[0].caption, "Dayloom v2.21");
    EXPECT_EQ(shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(shown[1].icon, Icon::Error);
    EXPECT_EQ(shown[2].text, "Delete?");
    EXPECT_EQ(shown[2].caption, "Delete Entry - Dayloom v2.21");
    EXPECT_EQ(shown[2].icon, Icon::Question);
    EXPECT_EQ(shown[2].buttons, Buttons::YesNo);
}

TEST_F(MessageBoxTest, QuestionsTakeQueuedAnswersInOrderAndSayNoWhenNoneIsLeft)
{
    CMessageBox::PushAnswer(Answer::Yes);
    CMessageBox::PushAnswer(Answer::No);
    CMessageBox::PushAnswer(Answer::Yes);
    EXPECT_TRUE(CMessageBox::Ask(nullptr, "1", "c"));
    EXPECT_FALSE(CMessageBox::Ask(nullptr, "2", "c"));
    EXPECT_EQ(CMessageBox::Show(nullptr, "3", "c", Icon::Question, Buttons::YesNo), Answer::Yes);
    EXPECT_FALSE(CMessageBox::Ask(nullptr, "4", "c"));
    EXPECT_EQ(CMessageBox::History().size(), 4u);
}

TEST_F(MessageBoxTest, OkBoxAnswersOkWhateverIsQueued)
{
    EXPECT_EQ(CMessageBox::Show(nullptr, "plain", "c"), Answer::Ok);
    CMessageBox::PushAnswer(Answer::Yes);
    EXPECT_EQ(CMessageBox::Show(nullptr, "still ok", "c"), Answer::Ok);
}

TEST_F(MessageBoxTest, ClearHistoryAlsoDropsQueuedAnswers)
{
    CMessageBox::PushAnswer(Answer::Yes);
    CMessageBox::Show(nullptr, "x", "c");
    CMessageBox::ClearHistory();
    EXPECT_TRUE(CMessageBox::History().empty());
    CMessageBox::PushAnswer(Answer::Yes);
    CMessageBox::ClearHistory();
    EXPECT_FALSE(CMessageBox::Ask(nullptr, "after clear", "c"));
}

// A small dialog with a text field and OK/Cancel, as the program's dialogs have.
class NameDialog : public QDialog
{
public:
    NameDialog()
    {
        setObjectName("NameDialog");
        setWindowTitle("Name - Dayloom v2.21");
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

TEST_F(ModalTest, HandlerDrivesTheDialogLikeAUser)
{
    CModal::PushHandler([](QDialog& dialog) {
        auto& names = dynamic_cast<NameDialog&>(dialog);
        EXPECT_TRUE(names.isVisible());
        QTest::keyClicks(names.m_pEdit, "Ada");
        QTest::mouseClick(names.m_pButtons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    NameDialog dialog;
    EXPECT_EQ(CModal::Exec(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.m_pEdit->text(), "Ada");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(CModal::Pending(), 0);
}

TEST_F(ModalTest, HandlersAnswerDialogsInOrder)
{
    CModal::PushHandler([](QDialog& dialog) { dialog.reject(); });
    CModal::PushHandler([](QDialog& dialog) { dialog.done(7); });
    EXPECT_EQ(CModal::Pending(), 2);
    NameDialog first;
    NameDialog second;
    EXPECT_EQ(CModal::Exec(first), QDialog::Rejected);
    EXPECT_EQ(CModal::Exec(second), 7);
    EXPECT_TRUE(CModal::Unanswered().empty());
}

TEST_F(ModalTest, HandlerThatLeavesTheDialogOpenGetsRejected)
{
    CModal::PushHandler([](QDialog&) {});
    NameDialog dialog;
    EXPECT_EQ(CModal::Exec(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ModalTest, DialogWithoutHandlerIsRejectedAndNamed)
{
    NameDialog named;
    QDialog untitled;
    untitled.setWindowTitle("Planner - Dayloom v2.21");
    EXPECT_EQ(CModal::Exec(named), QDialog::Rejected);
    EXPECT_EQ(CModal::Exec(untitled), QDialog::Rejected);
    ASSERT_EQ(CModal::Unanswered().size(), 2u);
    EXPECT_EQ(CModal::Unanswered()[0], "NameDialog");
    EXPECT_EQ(CModal::Unanswered()[1], "Planner - Dayloom v2.21");
}

TEST_F(ModalTest, DialogOpenedFromAHandlerTakesTheNextHandler)
{
    // An Options dialog that opens a colour chooser, say.
    CModal::PushHandler([](QDialog& outer) {
        NameDialog inner;
        EXPECT_EQ(CModal::Exec(inner), QDialog::Accepted);
        outer.accept();
    });
    CModal::PushHandler([](QDialog& inner) { inner.accept(); });
    NameDialog outer;
    EXPECT_EQ(CModal::Exec(outer), QDialog::Accepted);
    EXPECT_EQ(CModal::Pending(), 0);
}

class FileDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override { CFileDialogs::Reset(); }
    void TearDown() override { CFileDialogs::Reset(); }
};

TEST_F(FileDialogsTest, ExtensionPositionIsTheOffsetOfTheExtensionsFirstByte)
{
    const DiaryChoice choice = CFileDialogs::ChoiceFromPath("/home/me/travel.ilm");
    EXPECT_EQ(choice.path, "/home/me/travel.ilm");
    EXPECT_EQ(choice.extLoc, 16);
    EXPECT_EQ(choice.fileTitle, "travel");
    EXPECT_EQ(QFile::encodeName(choice.path).at(choice.extLoc), 'i');
}

TEST_F(FileDialogsTest, NameWithoutExtensionGetsIlm)
{
    // The folder's dot must not be taken for the file's.
    const DiaryChoice choice = CFileDialogs::ChoiceFromPath("/data/v2.old/travel");
    EXPECT_EQ(choice.path, "/data/v2.old/travel.ilm");
    EXPECT_EQ(choice.fileTitle, "travel");
    EXPECT_EQ(choice.extLoc, 20);
}

TEST_F(FileDialogsTest, ExtensionPositionCountsBytesOfTheEncodedPath)
{
    // The store swaps the byte at this offset of the encoded path, so
    // characters of several bytes before it must count with all their bytes.
    const DiaryChoice choice =
        CFileDialogs::ChoiceFromPath(QStringLiteral("/tmp/Tagebücher/café.ilm"));
    const QByteArray encoded = QFile::encodeName(choice.path);
    EXPECT_EQ(choice.fileTitle, QStringLiteral("café"));
    ASSERT_LT(choice.extLoc, encoded.size());
    EXPECT_EQ(encoded.mid(choice.extLoc), "ilm");
    EXPECT_EQ(encoded.at(choice.extLoc - 1), '.');
}

TEST_F(FileDialogsTest, OnlyTheLastDotStartsTheExtension)
{
    const DiaryChoice choice = CFileDialogs::ChoiceFromPath("/d/my.diary.2024.ilm");
    EXPECT_EQ(choice.fileTitle, "my.diary.2024");
    EXPECT_EQ(QFile::encodeName(choice.path).mid(choice.extLoc), "ilm");
}

TEST_F(FileDialogsTest, NameEndingInADotHasNoExtensionPosition)
{
    const DiaryChoice choice = CFileDialogs::ChoiceFromPath("/d/odd.");
    EXPECT_EQ(choice.extLoc, 0);
    EXPECT_EQ(choice.fileTitle, "odd");
}

TEST_F(FileDialogsTest, ScriptedChoicesComeInOrderAndCancelWhenNoneIsLeft)
{
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
