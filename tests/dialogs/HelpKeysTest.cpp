// HELP! and F1 in every dialog that has them open that dialog's own help.
#include "dialogs/ChangePasswordDlg.h"
#include "dialogs/NewEntryDlg.h"
#include "dialogs/OptionsDlg.h"
#include "platform/Help.h"
#include "store/DiarySession.h"

#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(HelpKeysTest, HelpButtonAndF1OpenTheDialogsOwnContext)
{
    struct Case
    {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        int context;
    };
    static const CDiarySession none{CDiaryName()};
    const Case cases[] = {
        {"New Entry", [] { return std::make_unique<CNewEntryDlg>(nullptr, none, int64_t{0}); },
         65541},
        {"Options", [] { return std::make_unique<COptionsDlg>(nullptr); }, 65538},
        {"Change Password", [] { return std::make_unique<CChangePasswordDlg>(nullptr); }, 65543},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHelp::Reset();
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        ASSERT_NE(dialog->focusWidget(), nullptr);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F1);
        QTest::mouseClick(dialog->findChild<QPushButton*>("help"), Qt::LeftButton);
        EXPECT_EQ(CHelp::Requests(), (std::vector<int>{c.context, c.context}));
    }
}

} // namespace
