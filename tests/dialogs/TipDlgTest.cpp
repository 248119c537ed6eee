// The tip of the day driven through its window: which tip, and what is stored.
#include "dialogs/TipDlg.h"

#include "dialogs/TipTexts.h"
#include "platform/AppInfo.h"
#include "platform/Settings.h"
#include "tests/support/WidgetTestSupport.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Friday, 6 December 2002, 14:03:55 in the pinned zone (UTC).
constexpr int64_t kModified = 1039183435;

const QByteArray kThreeTips = "; Tips for the test\nAlpha tip\n\n indented, skipped\n"
                              "\tskipped too\n; a comment\nBeta tip\nGamma tip\n; trailing\n";

QPushButton* Button(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}
class TipDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        widgettest::PinTimeZone("UTC");
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        CAppInfo::SetDataDir(m_dir.path());
    }

    static QPushButton* Close(QDialog& dialog) { return Button(dialog, "&Close"); }
    static QPushButton* Next(QDialog& dialog) { return Button(dialog, "&Next Tip"); }
    static QCheckBox* ShowCheck(QDialog& dialog) { return dialog.findChild<QCheckBox*>(); }
    static QString Shown(QDialog& dialog) { return dialog.findChild<QLabel*>("TipText")->text(); }
    static bool HasKey(const QString& key)
    {
        return QSettings(CSettings::FileName(), QSettings::IniFormat).contains("Settings/" + key);
    }

    void WriteTips(const QByteArray& bytes, int64_t modified = kModified)
    {
        QFile file(m_dir.filePath(QStringLiteral("TIPS.TXT")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close(); // a later flush would move the time again
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(modified),
                                     QFileDevice::FileModificationTime));
    }

    // One showing with `drive` acting as the user.
    static int Showing(std::function<void(CTipDlg&)> drive)
    {
        CTipDlg dialog(nullptr);
        return widgettest::RunModal<CTipDlg>(dialog, std::move(drive));
    }
    // One showing from the Help menu: the user reads the tip and closes.
    static QString ShowAndClose()
    {
        QString shown;
        EXPECT_EQ(Showing([&shown](CTipDlg& dialog) {
                      shown = Shown(dialog);
                      Close(dialog)->click();
                  }),
                  QDialog::Accepted);
        return shown;
    }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(TipDlgTest, ShowingsAndNextTipWalkThroughTheTipsAndWrapAroundFromAnyPosition)
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
    Showing([](CTipDlg& dialog) {
        Next(dialog)->click();
        EXPECT_EQ(Shown(dialog), "Gamma tip");
        dialog.reject();
    });
    EXPECT_EQ(ShowAndClose(), "Alpha tip");
    EXPECT_TRUE(CMessageBox::History().empty());

    // A changed file starts again at its first tip.
    WriteTips("New one\nNew two\nNew three\nNew four\n", kModified + 60);
    EXPECT_EQ(ShowAndClose(), "New one");
    EXPECT_EQ(CSettings::GetProfileString("TimeStamp"), "Fri Dec 06 14:04:55 2002");

    // A position past the end wraps; an unusable one is reported and repaired.
    CSettings::WriteProfileInt("FilePos", 100000);
    EXPECT_EQ(ShowAndClose(), "New one");
    CSettings::WriteProfileInt("FilePos", -7);
    EXPECT_TRUE(CTipDlg(nullptr).TipText().isEmpty());
    EXPECT_EQ(widgettest::Shown(),
              QStringList{CAppInfo::Title() + " | Trouble reading the tips file"});
    EXPECT_EQ(CSettings::GetProfileInt("FilePos", -1), 0);
    EXPECT_EQ(ShowAndClose(), "New one");
}

TEST_F(TipDlgTest, CarriageReturnsAreDroppedLongLinesComeIn999CharacterPiecesNoTipsAreEmpty)
{
    const QByteArray crlf = "; comment\r\n\r\nFirst\r\nSecond\r\n";
    WriteTips(crlf);
    EXPECT_EQ(CTipDlg(nullptr).TipText(), "First\n");
    EXPECT_EQ(CSettings::GetProfileInt("FilePos", -1), crlf.indexOf("Second"));
    EXPECT_EQ(CTipDlg(nullptr).TipText(), "Second\n");

    WriteTips(QByteArray(2100, 'x') + "\nShort\n", kModified + 1);
    Showing([](CTipDlg& dialog) {
        for (const QString& piece :
             {QString(999, 'x'), QString(999, 'x'), QString(102, 'x') + "\n", QString("Short\n")}) {
            EXPECT_EQ(dialog.TipText(), piece);
            Next(dialog)->click();
        }
        EXPECT_EQ(dialog.TipText(), QString(999, 'x'));
    });

    // No tip lines give an empty tip, and a missing file its notice.
    for (const QByteArray& content : {QByteArray("; only\n\n  comments\n"), QByteArray()}) {
        WriteTips(content);
        Showing([](CTipDlg& dialog) {
            EXPECT_TRUE(dialog.TipText().isEmpty());
            Next(dialog)->click(); // must not hang
            EXPECT_TRUE(dialog.TipText().isEmpty());
            EXPECT_TRUE(Next(dialog)->isEnabled());
        });
    }
    EXPECT_TRUE(CMessageBox::History().empty());

    QFile::remove(m_dir.filePath(QStringLiteral("TIPS.TXT")));
    QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
    CSettings::WriteProfileInt("FilePos", 42);
    Showing([](CTipDlg& dialog) {
        EXPECT_FALSE(dialog.HasTipsFile());
        EXPECT_EQ(Shown(dialog), "Tips file does not exist. It must be placed in the same "
                                 "directory as DAYLOOM.EXE and named TIPS.TXT");
        EXPECT_FALSE(Next(dialog)->isEnabled());
        Close(dialog)->click();
    });
    EXPECT_EQ(CSettings::GetProfileInt("FilePos", -1), 42);
    EXPECT_FALSE(HasKey("TimeStamp"));
}

TEST_F(TipDlgTest, StartUpStepHonoursTheSwitchesAndTheBoxIsWrittenOnlyByClose)
{
    WriteTips(kThreeTips);
    // Suppressed by the command line: nothing is read, nothing moves.
    CTipDlg::RunAtStartup(nullptr, {"dayloom", "/EMBEDDING"});
    CTipDlg::RunAtStartup(nullptr, {"dayloom", "-automation"});
    EXPECT_FALSE(HasKey("FilePos"));
    EXPECT_TRUE(CModal::Unanswered().empty());

    // Unticked, then Esc: tips stay on at start-up.
    EXPECT_EQ(Showing([](CTipDlg& dialog) {
                  EXPECT_TRUE(ShowCheck(dialog)->isChecked());
                  QTest::mouseClick(ShowCheck(dialog), Qt::LeftButton);
                  QTest::keyClick(&dialog, Qt::Key_Escape);
              }),
              QDialog::Rejected);
    EXPECT_FALSE(HasKey("StartUp"));
    EXPECT_TRUE(CTipDlg::ShouldShowAtStartup());

    // Wanted: shown with the next tip; unticked, Next Tip (which must not
    // tick the box again), then Close.
    QString shown;
    widgettest::PushDriver<CTipDlg>([&shown](CTipDlg& dialog) {
        shown = dialog.TipText();
        QTest::mouseClick(ShowCheck(dialog), Qt::LeftButton);
        Next(dialog)->click();
        EXPECT_FALSE(ShowCheck(dialog)->isChecked());
        Close(dialog)->click();
    });
    CTipDlg::RunAtStartup(nullptr, {"dayloom", "Embedding", "/other"});
    EXPECT_EQ(shown, "Beta tip\n");
    EXPECT_EQ(CModal::Pending(), 0);
    EXPECT_EQ(CSettings::GetProfileInt("StartUp", -1), 1);
    EXPECT_FALSE(CTipDlg::ShouldShowAtStartup());

    // Switched off: not shown, but the tip it loaded (Alpha) is used up.
    CTipDlg::RunAtStartup(nullptr, {"dayloom"});
    EXPECT_TRUE(CModal::Unanswered().empty());
    // Ticked again and closed: back on.
    Showing([](CTipDlg& dialog) {
        EXPECT_EQ(dialog.TipText(), "Beta tip\n");
        EXPECT_FALSE(ShowCheck(dialog)->isChecked());
        QTest::mouseClick(ShowCheck(dialog), Qt::LeftButton);
        Close(dialog)->click();
    });
    EXPECT_EQ(CSettings::GetProfileInt("StartUp", -1), 0);
}

TEST(TipTextsTest, TheTranslatedTableHoldsEveryTipOfTheShippedFile)
{
    // A tip of TIPS.TXT missing from the table would stay English in every translation.
    QFile file(QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data/TIPS.TXT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int tips = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !QByteArrayLiteral(" \t;\r").contains(line[0])) {
            ASSERT_LT(tips, CTipTexts::Count()) << line.toStdString();
            EXPECT_EQ(CTipTexts::English(tips++), QString::fromUtf8(line).trimmed());
        }
    }
    EXPECT_EQ(tips, CTipTexts::Count());
}
