#pragma once
// The one place that talks to Enchant: whether a word is spelt right in one
// language, what it may have been meant to be, and the words the user added
// or chose to ignore. Everything happens on this computer: Enchant reads the
// installed hunspell dictionaries and nothing is ever sent anywhere.
//
// The user's own words live in a plain list (one word a line, UTF-8) kept
// readable by its owner only; "Ignore" lasts as long as the checker. The
// last dictionary opened stays loaded for the next checker of its language,
// so opening the editor again does not read it again.

#include "widgets/PersonalWordList.h"

#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class CSpellChecker
{
public:
    static constexpr int kMaxSuggestions = 5;

    // Opens the dictionary of `language` ("en_US"). Without it the checker is
    // not ready and takes every word as spelt right.
    CSpellChecker(const QString& language, const QString& wordListPath);
    ~CSpellChecker();
    CSpellChecker(const CSpellChecker&) = delete;
    CSpellChecker& operator=(const CSpellChecker&) = delete;

    bool IsReady() const { return m_pDictionary != nullptr; }
    const QString& Language() const { return m_strLanguage; }

    bool IsCorrect(const QString& word);
    // At most kMaxSuggestions replacements, the likeliest first.
    QStringList Suggest(const QString& word) const;
    // Puts the word in the user's list for good; false when the list could
    // not be written (the word is still taken as right until the checker ends).
    bool AddToDictionary(const QString& word);
    void Ignore(const QString& word);
    QString WordListPath() const { return m_words.Path(); }

    // The languages of the installed dictionaries, sorted ("de_DE", "en_US").
    static QStringList InstalledLanguages();
    // The installed language that fits the locale best: the same language
    // and country, else the same language, else none.
    static QString DefaultLanguage(const QStringList& installed, const QLocale& locale);
    // The personal list in the user's configuration folder.
    static QString DefaultWordListPath();
    // The checker the settings ask for ("bCheckSpelling", "SpellingLanguage"),
    // or null when checking is off or no dictionary is installed.
    static std::unique_ptr<CSpellChecker> FromSettings();

private:
    struct Dictionary;
    static std::shared_ptr<Dictionary> OpenDictionary(const QString& language);

    QString m_strLanguage;
    std::shared_ptr<Dictionary> m_pDictionary;
    CPersonalWordList m_words;
    QSet<QString> m_ignored;
    // Answers already given: a diary repeats its words.
    QHash<QString, bool> m_known;
};
