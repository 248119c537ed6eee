#include "dialogs/TipTexts.h"

#include <QCoreApplication>
#include <iterator>

namespace {

// The tip lines of res/data/TIPS.TXT, word for word.
const char* const kTips[] = {
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Press F2 in the main window to write a new entry. If no diary is open "
                      "yet, Dayloom first asks you to open one or to create a new one."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "The first entry of a new diary sets its password. Choose one you will "
                      "remember: without it nobody, not even you, can read the diary again."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Passwords are case sensitive: \"Summer\" and \"summer\" are two different "
                      "passwords."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Tick \"Open last diary at startup\" in the Options dialog and Dayloom "
                      "asks for your password as soon as it starts."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "The First, Previous, Next and Last buttons, and the same commands in "
                      "the Entry menu, move through your diary one entry at a time."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Tick the Search box and type a word to find the entries whose text "
                      "contains it."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Every entry keeps four ratings: mood, fatigue, shape and last night's "
                      "dream. The graph panel draws them over time once your diary has at "
                      "least eight entries."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "The check boxes under \"Choose graphs:\" switch each series of the graph "
                      "on or off. The same switches show or hide the values in the entry "
                      "view."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Web addresses and mail addresses you type in an entry become links. "
                      "Click one to open it."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "In the New Entry editor you can change the font, its size and colour, "
                      "and make text bold, italic or underlined."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "The names of the rating values are yours: change \"Very good\", \"Tired\" "
                      "and the others in the Options dialog."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Reminders come back every year. Add birthdays and anniversaries once "
                      "in the Reminders dialog and the main window tells you when they are "
                      "near."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "The \"Soon\" window of the reminder summary is set in days in the "
                      "Options dialog; the change shows at the next start."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Keep track of what you want to get done in the Planner. Mark a task "
                      "done and Dayloom notes the date you finished it."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Change the password of your diary with Change Password. Every entry is "
                      "encrypted again with the new password."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Print the entry you are reading, or every entry of your diary, one "
                      "entry per print job."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Diaries written with Dayloom 1.00 can be imported: choose the DATA "
                      "folder that holds their files."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "A diary is a set of files that share one name. Copy all of them "
                      "together when you make a backup."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Press F1 in a dialog that has a \"HELP!\" button to read about that "
                      "dialog."),
    QT_TRANSLATE_NOOP("CTipTexts",
                      "Don't want to see these tips at start-up? Untick \"Show Tips on "
                      "StartUp\" and press Close. \"Tip of the Day...\" in the Help menu still "
                      "shows them."),
};

} // namespace

QString CTipTexts::Translated(const QString& tip)
{
    QString line = tip;
    while (line.endsWith(QLatin1Char('\r')) || line.endsWith(QLatin1Char('\n'))) {
        line.chop(1);
    }
    const QByteArray source = line.toUtf8();
    return QCoreApplication::translate("CTipTexts", source.constData());
}

int CTipTexts::Count()
{
    return static_cast<int>(std::size(kTips));
}

QString CTipTexts::English(int i)
{
    return QString::fromLatin1(kTips[i]);
}
