// File, Recent diaries as a user meets it: the diaries opened, their full
// paths as tips, one that is gone taken off with a message, and Clear list.
#include "MainWindowFixture.h"
#include "platform/RecentDiaries.h"

namespace {

// The menu's items as it shows them when opened: "text|tip".
QStringList Items(QMenu& menu)
{
    emit menu.aboutToShow();
    QStringList items;
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            items << action->text() + QLatin1Char('|') + action->toolTip() +
                         (action->isEnabled() ? "" : "|off");
        }
    }
    return items;
}

} // namespace

TEST_F(MainWindowTest, RecentDiariesReopenForgetTheMissingAndClear)
{
    CDayloomDlg& window = Window();
    auto* menu = window.findChild<QMenu*>("recentDiaries");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Items(*menu), QStringList{"&Clear list|Clear list|off"});

    const QString sample = MakeSampleDiary();
    OpenThroughMenu(sample);
    CFileDialogs::PushDiary(PathOf("fresh.ilm"));
    window.OnOpenCreateDiary(); // a new diary: no prompt
    EXPECT_EQ(Items(*menu), (QStringList{"&1 fresh.ilm|" + PathOf("fresh.ilm"),
                                         "&2 travel.ilm|" + sample, "&Clear list|Clear list"}));

    // Chosen from the list, the sample opens again (after its password).
    AnswerPrompt("Secret1");
    menu->actions()[1]->trigger();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(QString::fromStdString(window.Session()->Path()), sample);
    EXPECT_EQ(CRecentDiaries::Load().front(), sample);

    // A diary moved away since: chosen, it goes with a message.
    ASSERT_TRUE(QFile::remove(PathOf("fresh.ilm")));
    CMessageBox::ClearHistory();
    Items(*menu);
    menu->actions()[1]->trigger();
    EXPECT_EQ(Shown(),
              QStringList{CAppInfo::Caption("Recent Diaries") + " | " + PathOf("fresh.ilm") +
                          " is no longer there; it was taken off the list of recent "
                          "diaries."});
    EXPECT_EQ(CRecentDiaries::Load(), QStringList{sample});
    EXPECT_EQ(QString::fromStdString(window.Session()->Path()), sample) << "still open";

    Items(*menu);
    menu->actions().back()->trigger();
    EXPECT_TRUE(CRecentDiaries::Load().isEmpty());
}
