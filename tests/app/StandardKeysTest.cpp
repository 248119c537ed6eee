// The desktop's usual keys reach their commands, Delete included where it
// cannot mean "delete a character" (the search field keeps it: see the
// search tests), and no two items of a menu share a key.
#include "MainWindowFixture.h"
#include "dialogs/OptionsDlg.h"
#include "platform/PrintDialog.h"
#include "tests/support/InterfaceLanguage.h"

#include <QMenuBar>

TEST_F(MainWindowTest, StandardKeysReachTheirCommands)
{
    CDayloomDlg& window = OpenSample();
    ActiveWindow();
    const auto press = [&window](QKeySequence key) {
        QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keySequence(target, key);
    };
    QStringList opened;
    const auto record = [&opened](QDialog& dialog) {
        opened << dialog.metaObject()->className();
        dialog.reject();
    };

    CModal::PushHandler(record);
    press(QKeySequence(Qt::CTRL | Qt::Key_N));
    CModal::PushHandler(record);
    press(QKeySequence(Qt::Key_F2));
    CModal::PushHandler(record);
    press(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(opened, (QStringList{"CNewEntryDlg", "CNewEntryDlg", "COptionsDlg"}));
    CMessageBox::ClearHistory();

    CPrintDialog::PushAnswer(std::nullopt);
    press(QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(CPrintDialog::Shown(), 1);

    // Delete on the entry list and on the entry asks; No keeps the entry.
    for (QWidget* place :
         {static_cast<QWidget*>(window.EntryList()), static_cast<QWidget*>(window.EntryView())}) {
        place->setFocus();
        CMessageBox::PushAnswer(CMessageBox::Answer::No);
        QTest::keyClick(place, Qt::Key_Delete);
        EXPECT_TRUE(widgettest::LastMessage().startsWith("Delete current entry ("))
            << widgettest::LastMessage().toStdString();
        CMessageBox::ClearHistory();
    }
    EXPECT_EQ(RowCount(window), 4);
    // Ctrl+O opens the chooser: a new name opens a new diary.
    CFileDialogs::PushDiary(PathOf("second.ilm"));
    press(QKeySequence(Qt::CTRL | Qt::Key_O));
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_TRUE(window.Session()->IsNew());

    press(QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, NoTwoItemsOfAMenuShareAKey)
{
    // In every language: a translation picks its own letters.
    for (const char* language : {"en", "de", "ru"}) {
        SCOPED_TRACE(language);
        const widgettest::InterfaceLanguage shown(language);
        CDayloomDlg window;
        QStringList shortcuts;
        for (QMenu* menu : window.findChild<QMenuBar*>()->findChildren<QMenu*>()) {
            QStringList mnemonics;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) {
                    continue;
                }
                const QString text = action->text();
                const qsizetype amp = text.indexOf(QLatin1Char('&'));
                if (amp >= 0 && amp + 1 < text.size()) {
                    const QString letter = text.mid(amp + 1, 1).toLower();
                    EXPECT_FALSE(mnemonics.contains(letter)) << text.toStdString();
                    mnemonics << letter;
                }
                for (const QKeySequence& key : action->shortcuts()) {
                    EXPECT_FALSE(shortcuts.contains(key.toString()))
                        << key.toString().toStdString();
                    shortcuts << key.toString();
                }
            }
        }
        for (const char* key : {"Ctrl+O", "Ctrl+N", "F2", "Ctrl+P", "Ctrl+,", "Ctrl+Q"}) {
            EXPECT_TRUE(shortcuts.contains(QString::fromLatin1(key))) << key;
        }
    }
}
