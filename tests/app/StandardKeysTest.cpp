// The desktop's usual keys reach their commands, from the search field too,
// Delete included where it cannot mean "delete a character"; and no two
// items of a menu share a key.
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
        opened << dialog.windowTitle();
        dialog.reject();
    };
    for (const QKeySequence key : {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2),
                                   QKeySequence(Qt::CTRL | Qt::Key_Comma)}) {
        CModal::PushHandler(record);
        press(key);
    }
    EXPECT_EQ(opened, (QStringList{CAppInfo::Caption("New Entry"), CAppInfo::Caption("New Entry"),
                                   CAppInfo::Caption("Options")}));
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

    // In the search field Ctrl+E (which a line edit takes as End) edits the
    // entry on view; Ctrl+A, Backspace and Delete still edit the field.
    ClickLine(window, 1);
    press(QKeySequence(Qt::CTRL | Qt::Key_F));
    auto* field = Part<QLineEdit>(window, "searchText");
    ASSERT_EQ(window.focusWidget(), field);
    opened.clear();
    CModal::PushHandler(record);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(opened, QStringList{CAppInfo::Caption("Edit Entry")});
    field->setFocus();
    QTest::keyClicks(field, "rain");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "");
    CMessageBox::ClearHistory();
    QTest::keyClicks(field, "Rain");
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->text(), "ain");
    EXPECT_TRUE(CMessageBox::History().empty());

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
    }
}
