// The real message box: its caption read in full, answered with its buttons.
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Shows real boxes for the length of one test.
class RealMessageBoxTest : public ::testing::Test
{
protected:
    void SetUp() override { CMessageBox::SetScripted(false); }
    void TearDown() override { CMessageBox::SetScripted(true); }

    // Once the box is up, notes its width and presses the button `answer`.
    void AnswerWhenShown(QMessageBox::StandardButton answer)
    {
        QTimer::singleShot(0, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            m_nWidth = box->width();
            QFont bold = box->font();
            bold.setBold(true);
            m_nCaptionWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
            box->button(answer)->click();
        });
    }

    int m_nWidth = 0;
    int m_nCaptionWidth = 0;
};

TEST_F(RealMessageBoxTest, ShortMessageUnderLongCaptionLeavesRoomForTheWholeCaption)
{
    AnswerWhenShown(QMessageBox::Yes);
    EXPECT_TRUE(CMessageBox::Ask(nullptr, QStringLiteral("Discard this diary entry?"),
                                 QStringLiteral("New Entry - Dayloom v2.21")));
    // The title bar's icon and three buttons need room beside the bold caption.
    EXPECT_GE(m_nWidth, m_nCaptionWidth + 100);

    AnswerWhenShown(QMessageBox::No);
    EXPECT_FALSE(CMessageBox::Ask(nullptr, QStringLiteral("Delete current entry?"),
                                  QStringLiteral("Delete Entry - Dayloom v2.21")));

    AnswerWhenShown(QMessageBox::Ok);
    EXPECT_EQ(CMessageBox::Show(nullptr, QStringLiteral("Successfully converted 4 entries!"),
                                QStringLiteral("dayloom")),
              CMessageBox::Answer::Ok);
}

} // namespace
