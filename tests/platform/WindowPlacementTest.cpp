// Windows kept within reach of the screen, and put back where they were left.
#include "platform/WindowPlacement.h"

#include "platform/Settings.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

TEST(WindowPlacementTest, FitShrinksToTheAvailableAreaAndMovesTheLeastDistance)
{
    const QRect screen(0, 0, 1400, 870); // a 1400 x 900 screen under a 30-pixel panel
    const QRect second(1400, 0, 1024, 768);
    const struct
    {
        QRect frame, available, fitted;
    } cases[] = {
        {{100, 100, 800, 600}, screen, {100, 100, 800, 600}},  // fits: left alone
        {{-37, 20, 1473, 700}, screen, {0, 20, 1400, 700}},    // wider than the screen
        {{300, 400, 900, 1800}, screen, {300, 0, 900, 870}},   // taller than the screen
        {{-50, -50, 3000, 2000}, screen, screen},              // larger both ways
        {{1000, 700, 600, 400}, screen, {800, 470, 600, 400}}, // off the bottom right
        {{-200, -10, 600, 400}, screen, {0, 0, 600, 400}},     // off the top left
        {{1300, 100, 1100, 900}, second, second},              // onto the second screen
    };
    for (const auto& c : cases) {
        const QRect fitted = CWindowPlacement::Fit(c.frame, c.available);
        EXPECT_EQ(fitted, c.fitted) << c.frame.x() << "," << c.frame.y() << " " << c.frame.width()
                                    << "x" << c.frame.height();
        EXPECT_TRUE(c.available.contains(fitted));
    }
}

TEST(WindowPlacementTest, AWindowIsShrunkOntoTheScreenAndComesBackWhereItWas)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QDialog dialog;
    dialog.setMinimumSize(available.width() + 400, available.height() + 300);
    dialog.move(available.left() - 37, available.top() - 20);
    CWindowPlacement::KeepOnScreen(dialog);
    EXPECT_TRUE(available.contains(dialog.geometry())) << dialog.geometry().width();
    EXPECT_LE(dialog.minimumWidth(), available.width());
    // A window not yet placed only shrinks: the window system centres it.
    QDialog unplaced;
    unplaced.resize(available.width() * 2, 100);
    CWindowPlacement::KeepOnScreen(unplaced);
    EXPECT_LT(unplaced.width(), available.width());
    EXPECT_FALSE(unplaced.testAttribute(Qt::WA_Moved));

    // Size and place come back under the window's name.
    QDialog first;
    first.setObjectName("OptionsDlg");
    EXPECT_FALSE(CWindowPlacement::Restore(first)) << "nothing saved yet";
    first.setGeometry(available.left() + 40, available.top() + 50, 320, 240);
    CWindowPlacement::Save(first);
    EXPECT_FALSE(CSettings::GetProfileString("GeometryOptionsDlg").isEmpty());

    QDialog again;
    again.setObjectName("OptionsDlg");
    EXPECT_TRUE(CWindowPlacement::Restore(again));
    EXPECT_EQ(again.size(), QSize(320, 240));
    EXPECT_TRUE(available.contains(again.geometry()));

    QDialog unnamed;
    CWindowPlacement::Save(unnamed); // nothing to save it under
    CSettings::WriteProfileString("GeometryBroken", "not a geometry");
    unnamed.setObjectName("Broken");
    EXPECT_FALSE(CWindowPlacement::Restore(unnamed));
}
