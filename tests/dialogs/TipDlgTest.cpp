// The tip of the day driven through its window: which line of TIPS.TXT is
// shown, where the next showing continues, and what is stored for it.
#include "dialogs/TipDlg.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {
// Friday, 6 December 2002, 14:03:55 in the pinned zone (UTC).
constexpr int64_t kModified = 1039183435;

class TipDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        ASSERT_TRUE(m_dir.isValid());
        CAppInfo::SetDataDir(m_dir.path());
        QSettings(CSettings::FileName(), QSettings::IniFormat).remove(QStringLiteral("Settings"));
        CMessageBox::ClearHistory();
        CModal::Reset();
    }

    void TearDown() override
    {
        CAppInfo::SetDataDir(QString());
        std::setlocale(LC_ALL, "C");
    }

    void WriteTips(const QByteArray& bytes, int64_t modified = kModified)
    {
        QFile file(m_dir.filePath(QStringLiteral("TIPS.TXT")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(modified),
                                     QFileDevice::FileModificationTime));
    }

    // One showing from the Help menu: the dialog opens and the user reads the
    // tip and presses "&Close".
    static QString ShowAndClose()
    {
        QString shown;
        CModal::PushHandler([&shown](QDialog& dialog) {
            shown = dialog.findChild<QLabel*>(QStringLiteral("TipText"))->text();
            CloseButton(dialog)->click();
        });
        CTipDlg dialog(nullptr);
        EXPECT_EQ(CModal::Exec(dialog), QDialog::Accepted);
        return shown;
    }

    static QPushButton* Button(QDialog& dialog, const QString& text)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
    static QPushButton* CloseButton(QDialog& dialog) { return Button(dialog, "&Close"); }
    static QPushButton* NextButton(QDialog& dialog) { return Button(dialog, "&Next Tip"); }
    static QCheckBox* ShowCheck(QDialog& dialog) { return dialog.findChild<QCheckBox*>(); }

    static bool HasKey(const QString& key)
    {
        return QSettings(CSettings::FileName(), QSettings::IniFormat)
            .contains(QStringLiteral("Settings/") + key);
    }

    QTemporaryDir m_dir;
};

const QByteArray kThreeTips = "; Tips for the test\n"
                              "Alpha tip\n"
                              "\n"
                              " indented, skipped\n"
                              "\tskipped too\n"
                              "; a comment\n"
                              "Beta tip\n"
                              "Gamma tip\n"
                              "; trailing comment\n";
} // namespace

TEST_F(TipDlgTest, ShowingsAndNextTipWalkThroughTheTipsAndWrapAround)
{
    WriteTips(kThreeTips);
    EXPECT_EQ(ShowAndClose(), "Alpha tip");
    EXPECT_EQ(CSettings::GetProfileInt("FilePos", -1), kThreeTips.indexOf("Alpha tip\n") + 10);
    // ctime form with English names, whatever the locale.
    EXPECT_EQ(CSettings::GetProfileString("TimeStamp"), "Fri Dec 06 14:03:55 2002");
    EXPECT_EQ(ShowAndClose(), "Beta tip");
    EXPECT_EQ(ShowAndClose(), "Gamma tip");
    EXPECT_EQ(ShowAndClose(), "Alpha tip");
    // Next Tip moves on; the next showing continues after the last tip read.
    CModal::PushHandler([](QDialog& dialog) {
        NextButton(dialog)->click();
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("TipText"))->text(), "Gamma tip");
        dialog.reject();
    });
    {
        CTipDlg dialog(nullptr);
        CModal::Exec(dialog);
    }
    EXPECT_EQ(ShowAndClose(), "Alpha tip");
    EXPECT_TRUE(CMessageBox::History().empty());
}

TEST_F(TipDlgTest, CarriageReturnsAreDroppedAndPositionsStayByteOffsets)
{
    const QByteArray crlf = "; comment\r\n\r\nFirst\r\nSecond\r\n";
    WriteTips(crlf);
    {
        CTipDlg dialog(nullptr);
        EXPECT_EQ(dialog.TipText(), "First\n");
    }
    EXPECT_EQ(CSettings::GetProfileInt("FilePos", -1), crlf.indexOf("Second"));
    CTipDlg dialog(nullptr);
    EXPECT_EQ(dialog.TipText(), "Second\n");
}

TEST_F(TipDlgTest, ChangedFileStartsAgainAtItsFirstTip)
{
    WriteTips(kThreeTips);
    ShowAndClose();
    ShowAndClose();
    WriteTips("New one\nNew two\n", kModified + 60);
    EXPECT_EQ(ShowAndClose(), "New one");
    EXPECT_EQ(CSettings::GetProfileString("TimeStamp"), "Fri Dec 06 14:04:55 2002");
}

TEST_F(TipDlgTest, PositionPastTheEndWrapsAndAnUnusableOneIsReportedAndRepaired)
{
    WriteTips(kThreeTips);
    {
        CTipDlg dialog(nullptr);
    } // records the time stamp
    CSettings::WriteProfileInt("FilePos", 100000);
    EXPECT_EQ(ShowAndClose(), "Alpha tip");

    CSettings::WriteProfileInt("FilePos", -7);
    {
        CTipDlg dialog(nullptr);
        EXPECT_TRUE(dialog.TipText().isEmpty());
        ASSERT_EQ(CMessageBox::History().size(), 1u);
        EXPECT_EQ(CMessageBox::History()[0].text, "Trouble reading the tips file");
        EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
    }
    EXPECT_EQ(CSettings::GetProfileInt("FilePos", -1), 0);
    EXPECT_EQ(ShowAndClose(), "Alpha tip");
}

TEST_F(TipDlgTest, LongLinesComeInPiecesOf999Characters)
{
    const QByteArray line(2100, 'x');
    WriteTips(line + "\nShort\n");
    CModal::PushHandler([](QDialog& dialog) {
        auto& tip = static_cast<CTipDlg&>(dialog);
        EXPECT_EQ(tip.TipText(), QString(999, 'x'));
        NextButton(dialog)->click();
        EXPECT_EQ(tip.TipText(), QString(999, 'x'));
        NextButton(dialog)->click();
        EXPECT_EQ(tip.TipText(), QString(102, 'x') + "\n");
        NextButton(dialog)->click();
        EXPECT_EQ(tip.TipText(), "Short\n");
        NextButton(dialog)->click();
        EXPECT_EQ(tip.TipText(), QString(999, 'x'));
    });
    CTipDlg dialog(nullptr);
    CModal::Exec(dialog);
}

TEST_F(TipDlgTest, FileWithoutTipLinesGivesAnEmptyTipInsteadOfHanging)
{
    for (const QByteArray& content : {QByteArray("; only\n\n  comments\n"), QByteArray()}) {
        WriteTips(content);
        CModal::PushHandler([](QDialog& dialog) {
            EXPECT_TRUE(static_cast<CTipDlg&>(dialog).TipText().isEmpty());
            NextButton(dialog)->click();
            EXPECT_TRUE(static_cast<CTipDlg&>(dialog).TipText().isEmpty());
            EXPECT_TRUE(NextButton(dialog)->isEnabled());
        });
        CTipDlg dialog(nullptr);
        CModal::Exec(dialog);
    }
    EXPECT_TRUE(CMessageBox::History().empty());
}

TEST_F(TipDlgTest, MissingFileShowsItsTextAndTouchesNoPosition)
{
    CSettings::WriteProfileInt("FilePos", 42);
    CModal::PushHandler([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("TipText"))->text(),
                  "Tips file does not exist. It must be placed in the same directory as "
                  "DAYLOOM.EXE and named TIPS.TXT");
        EXPECT_FALSE(NextButton(dialog)->isEnabled());
        CloseButton(dialog)->click();
    });
    {
        CTipDlg dialog(nullptr);
        EXPECT_FALSE(dialog.HasTipsFile());
        CModal::Exec(dialog);
    }
    EXPECT_EQ(CSettings::GetProfileInt("FilePos", -1), 42);
    EXPECT_FALSE(HasKey("TimeStamp"));
}

TEST_F(TipDlgTest, StartUpIsWrittenOnlyByClose)
{
    WriteTips(kThreeTips);
    EXPECT_TRUE(CTipDlg::ShouldShowAtStartup());

    // Unticked, then Esc: tips stay on at start-up.
    CModal::PushHandler([](QDialog& dialog) {
        EXPECT_TRUE(ShowCheck(dialog)->isChecked());
        QTest::mouseClick(ShowCheck(dialog), Qt::LeftButton);
        EXPECT_FALSE(ShowCheck(dialog)->isChecked());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    {
        CTipDlg dialog(nullptr);
        EXPECT_EQ(CModal::Exec(dialog), QDialog::Rejected);
    }
    EXPECT_FALSE(HasKey("StartUp"));
    EXPECT_TRUE(CTipDlg::ShouldShowAtStartup());

    // Unticked, Next Tip (which must not tick the box again), then Close.
    CModal::PushHandler([](QDialog& dialog) {
        QTest::mouseClick(ShowCheck(dialog), Qt::LeftButton);
        NextButton(dialog)->click();
        EXPECT_FALSE(ShowCheck(dialog)->isChecked());
        CloseButton(dialog)->click();
    });
    {
        CTipDlg dialog(nullptr);
        CModal::Exec(dialog);
    }
    EXPECT_EQ(CSettings::GetProfileInt("StartUp", -1), 1);
    EXPECT_FALSE(CTipDlg::ShouldShowAtStartup());

    // Ticked again and closed: back on.
    CModal::PushHandler([](QDialog& dialog) {
        EXPECT_FALSE(ShowCheck(dialog)->isChecked());
        QTest::mouseClick(ShowCheck(dialog), Qt::LeftButton);
        CloseButton(dialog)->click();
    });
    {
        CTipDlg dialog(nullptr);
        CModal::Exec(dialog);
    }
    EXPECT_EQ(CSettings::GetProfileInt("StartUp", -1), 0);
}

TEST_F(TipDlgTest, StartUpStepHonoursTheSwitchesAndStillMovesOn)
{
    WriteTips(kThreeTips);
    // Suppressed by the command line: nothing is read, nothing moves.
    CTipDlg::RunAtStartup(nullptr, {"dayloom", "/EMBEDDING"});
    CTipDlg::RunAtStartup(nullptr, {"dayloom", "-automation"});
    EXPECT_FALSE(HasKey("FilePos"));
    EXPECT_TRUE(CModal::Unanswered().empty());

    // Wanted: the dialog is shown with the first tip.
    QString shown;
    CModal::PushHandler([&shown](QDialog& dialog) {
        shown = static_cast<CTipDlg&>(dialog).TipText();
        QTest::mouseClick(ShowCheck(dialog), Qt::LeftButton);
        CloseButton(dialog)->click();
    });
    CTipDlg::RunAtStartup(nullptr, {"dayloom", "Embedding", "/other"});
    EXPECT_EQ(shown, "Alpha tip\n");
    EXPECT_EQ(CModal::Pending(), 0);

    // Switched off: not shown, but the tip it loaded is used up.
    CTipDlg::RunAtStartup(nullptr, {"dayloom"});
    EXPECT_TRUE(CModal::Unanswered().empty());
    EXPECT_EQ(ShowAndClose(), "Gamma tip");
}
