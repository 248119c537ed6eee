// F1 on a window opens its help page, also from a text box inside it; F1
// with a modifier and other keys leave the help alone.
#include "platform/HelpKey.h"

#include "platform/Help.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(HelpKeyTest, OnlyPlainF1OpensTheWindowsPage)
{
    CHelp::Reset();
    QDialog window;
    auto* edit = new QLineEdit(&window);
    new CHelpKey(&window, 65539);

    QTest::keyClick(edit, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(CHelp::Requests(), (std::vector<int>{65539, 65539}));

    QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_F2);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(CHelp::Requests().size(), 2u);
    EXPECT_EQ(edit->text(), QStringLiteral("a")); // other keys still reach the box
}
