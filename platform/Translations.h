#pragma once
// The interface's language: the program's own texts and Qt's (the buttons of
// standard dialogs, the text fields' menus) for the first language the user
// asked for that the program has.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

class CTranslations
{
public:
    // Loads the program's translation (`:/translations/dayloom_LANG.qm`) and
    // Qt's (`qtbase_LANG.qm` from Qt's translations folder) for the first of
    // `uiLanguages` (most wanted first, as QLocale::uiLanguages gives them)
    // the program has, and makes that language the interface's Locale(), so
    // the dates on screen follow it. English, or a language before any the
    // program has, loads nothing. The translators are children of `app`.
    // Returns the language loaded ("de"), or an empty string.
    static QString Install(QCoreApplication& app, const QStringList& uiLanguages);
    // The interface's language as a locale, for the dates and names the
    // windows show: the one Install chose, English (United States) before
    // and without one.
    static QLocale Locale();
    static void SetLocale(const QLocale& locale);
    // The languages the program has a translation for, besides English.
    static QStringList Available();
};
