#include "widgets/SpellChecker.h"

#include "platform/Settings.h"

#include <QStandardPaths>
#include <algorithm>
#include <enchant.h>

namespace {
// Longer words are no words a dictionary knows; they are not looked up.
constexpr int kMaxWordLength = 100;

void AddLanguage(const char* const tag, const char* const, const char* const, const char* const,
                 void* user)
{
    auto* languages = static_cast<QStringList*>(user);
    const QString language = QString::fromUtf8(tag);
    if (!languages->contains(language)) {
        languages->append(language);
    }
}
} // namespace

// One loaded dictionary, with the broker that loaded it.
struct CSpellChecker::Dictionary
{
    QString language;
    EnchantBroker* broker = nullptr;
    EnchantDict* dict = nullptr;

    ~Dictionary()
    {
        if (dict != nullptr) {
            enchant_broker_free_dict(broker, dict);
        }
        if (broker != nullptr) {
            enchant_broker_free(broker);
        }
    }
};

std::shared_ptr<CSpellChecker::Dictionary> CSpellChecker::OpenDictionary(const QString& language)
{
    static std::shared_ptr<Dictionary> last;
    if (last && last->language == language) {
        return last;
    }
    auto opened = std::make_shared<Dictionary>();
    opened->language = language;
    opened->broker = enchant_broker_init();
    if (opened->broker == nullptr || language.isEmpty()) {
        return nullptr;
    }
    const QByteArray tag = language.toUtf8();
    // Only an exact dictionary: Enchant would otherwise fall back to a
    // neighbouring one ("en" for "en_ZZ") the user did not choose.
    if (enchant_broker_dict_exists(opened->broker, tag.constData()) != 0) {
        opened->dict = enchant_broker_request_dict(opened->broker, tag.constData());
    }
    if (opened->dict == nullptr) {
        return nullptr;
    }
    last = opened;
    return opened;
}

CSpellChecker::CSpellChecker(const QString& language, const QString& wordListPath)
    : m_strLanguage(language), m_pDictionary(OpenDictionary(language)), m_words(wordListPath)
{
}

CSpellChecker::~CSpellChecker() = default;

bool CSpellChecker::IsCorrect(const QString& word)
{
    if (!m_pDictionary || word.isEmpty() || word.size() > kMaxWordLength) {
        return true;
    }
    const auto known = m_known.constFind(word);
    if (known != m_known.cend()) {
        return *known;
    }
    bool correct = m_words.Contains(word) || m_ignored.contains(word);
    if (!correct) {
        const QByteArray utf8 = word.toUtf8();
        correct = enchant_dict_check(m_pDictionary->dict, utf8.constData(), utf8.size()) == 0;
    }
    m_known.insert(word, correct);
    return correct;
}

QStringList CSpellChecker::Suggest(const QString& word) const
{
    QStringList suggestions;
    if (!m_pDictionary || word.isEmpty() || word.size() > kMaxWordLength) {
        return suggestions;
    }
    const QByteArray utf8 = word.toUtf8();
    size_t count = 0;
    EnchantDict* dict = m_pDictionary->dict;
    char** list = enchant_dict_suggest(dict, utf8.constData(), utf8.size(), &count);
    for (size_t i = 0; list != nullptr && i < count && suggestions.size() < kMaxSuggestions; ++i) {
        const QString suggestion = QString::fromUtf8(list[i]);
        if (!suggestion.isEmpty() && !suggestions.contains(suggestion)) {
            suggestions.append(suggestion);
        }
    }
    if (list != nullptr) {
        enchant_dict_free_string_list(dict, list);
    }
    return suggestions;
}

bool CSpellChecker::AddToDictionary(const QString& word)
{
    m_known.insert(word, true);
    return m_words.Add(word);
}

void CSpellChecker::Ignore(const QString& word)
{
    m_ignored.insert(word);
    m_known.insert(word, true);
}

QStringList CSpellChecker::InstalledLanguages()
{
    QStringList languages;
    EnchantBroker* broker = enchant_broker_init();
    if (broker == nullptr) {
        return languages;
    }
    enchant_broker_list_dicts(broker, AddLanguage, &languages);
    enchant_broker_free(broker);
    std::sort(languages.begin(), languages.end());
    return languages;
}

QString CSpellChecker::DefaultLanguage(const QStringList& installed, const QLocale& locale)
{
    // "de_AT"; the plain C locale is taken as American English.
    const QString name = locale.language() == QLocale::C ? QStringLiteral("en_US") : locale.name();
    if (installed.contains(name)) {
        return name;
    }
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (installed.contains(language)) {
        return language;
    }
    for (const QString& candidate : installed) {
        if (candidate.section(QLatin1Char('_'), 0, 0) == language) {
            return candidate;
        }
    }
    return {};
}

QString CSpellChecker::DefaultWordListPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Orrinfield/dayloom-words.txt");
}

std::unique_ptr<CSpellChecker> CSpellChecker::FromSettings()
{
    if (CSettings::Get(CSettings::kCheckSpelling) == 0) {
        return nullptr;
    }
    QString language = CSettings::Get(CSettings::kSpellingLanguage);
    const QStringList installed = InstalledLanguages();
    if (!installed.contains(language)) {
        language = DefaultLanguage(installed, QLocale::system());
    }
    if (language.isEmpty()) {
        return nullptr;
    }
    auto checker = std::make_unique<CSpellChecker>(language, DefaultWordListPath());
    if (!checker->IsReady()) {
        return nullptr;
    }
    return checker;
}
