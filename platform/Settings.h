#pragma once
// The per-user settings: one INI file per program name under the user's
// config folder (XDG_CONFIG_HOME honoured), organisation "Orrinfield", every
// key in the section "Settings". Reads take a default for an absent key;
// writes go to disk at once.
//
// Every setting the program keeps is listed here once, with its type and
// its default; the names and values in the file are those the program has
// always written.

#include <QString>
#include <array>

// A whole-number setting (flags are 0 or 1).
struct IntSetting
{
    const char* key;
    int defaultValue;
};

// A text setting.
struct TextSetting
{
    const char* key;
    const char* defaultValue;
};

class CSettings
{
public:
    // The diary opened last, its extension position in the encoded path,
    // and its name without folder and extension (the title bar's).
    static constexpr TextSetting kDiaryFile{"DiaryFile", ""};
    static constexpr IntSetting kExtLoc{"ExtLoc", 0};
    static constexpr TextSetting kShortFile{"shortFile", ""};
    // Options.
    static constexpr IntSetting kOpenLastDiary{"OpenLastDiary", 0};
    static constexpr IntSetting kStartAlarmBefore{"StartAlarmBefore", 5}; // minutes
    static constexpr IntSetting kShowOnThisDay{"bShowOnThisDay", 1};
    static constexpr IntSetting kNotifyReminders{"bNotifyReminders", 1};
    // Minutes without input after which the open diary locks; 0 never.
    static constexpr IntSetting kLockAfterMinutes{"LockAfterMinutes", 10};
    // Spell checking in the editor, and its language ("" for the system's).
    static constexpr IntSetting kCheckSpelling{"bCheckSpelling", 1};
    static constexpr TextSetting kSpellingLanguage{"SpellingLanguage", ""};
    // The entry editor's font.
    static constexpr TextSetting kFontName{"Font Name", "Arial"};
    static constexpr IntSetting kFontSize{"Font Size", 12};
    // Tip of the day: 1 when no tip is shown at start-up, where the next tip
    // starts in the tips file, and the file's time stamp when it was read.
    static constexpr IntSetting kTipsOff{"StartUp", 0};
    static constexpr IntSetting kTipPosition{"FilePos", 0};
    static constexpr TextSetting kTipsStamp{"TimeStamp", ""};
    // Where the last backup went.
    static constexpr TextSetting kBackupFolder{"BackupFolder", ""};
    // Which series the graph shows: mood, fatigue, shape, dream, temperature,
    // weight, menstruation, intercourse.
    static constexpr std::array<IntSetting, 8> kGraphSeries = {{{"bShowMood", 1},
                                                                {"bShowFatigue", 1},
                                                                {"bShowShape", 1},
                                                                {"bShowDream", 1},
                                                                {"bShowTemp", 1},
                                                                {"bShowWeight", 1},
                                                                {"bShowMenstruus", 1},
                                                                {"bShowCopulation", 1}}};
    // The label of each rating value: mood -3..3, fatigue -2..0, shape
    // -3..0, dream -2..2. Until the user names them, the labels are these
    // defaults in the interface's language.
    static constexpr std::array<TextSetting, 19> kRatingLabels = {{
        {"MoodMThree", QT_TRANSLATE_NOOP("CSettings", "Depressed")},
        {"MoodMTwo", QT_TRANSLATE_NOOP("CSettings", "Sad")},
        {"MoodMOne", QT_TRANSLATE_NOOP("CSettings", "Not Good")},
        {"MoodZero", QT_TRANSLATE_NOOP("CSettings", "Neutral")},
        {"MoodPOne", QT_TRANSLATE_NOOP("CSettings", "Good")},
        {"MoodPTwo", QT_TRANSLATE_NOOP("CSettings", "Very Good")},
        {"MoodPThree", QT_TRANSLATE_NOOP("CSettings", "Excellent")},
        {"FatigueMTwo", QT_TRANSLATE_NOOP("CSettings", "Exhausted")},
        {"FatigueMOne", QT_TRANSLATE_NOOP("CSettings", "Tired")},
        {"FatigueZero", QT_TRANSLATE_NOOP("CSettings", "Normal")},
        {"ShapeMThree", QT_TRANSLATE_NOOP("CSettings", "Very Sick")},
        {"ShapeMTwo", QT_TRANSLATE_NOOP("CSettings", "Sick")},
        {"ShapeMOne", QT_TRANSLATE_NOOP("CSettings", "Not Well")},
        {"ShapeZero", QT_TRANSLATE_NOOP("CSettings", "Healthy")},
        {"DreamMTwo", QT_TRANSLATE_NOOP("CSettings", "Nightmare")},
        {"DreamMOne", QT_TRANSLATE_NOOP("CSettings", "Strange")},
        {"DreamZero", QT_TRANSLATE_NOOP("CSettings", "Neutral")},
        {"DreamPOne", QT_TRANSLATE_NOOP("CSettings", "Amusing")},
        {"DreamPTwo", QT_TRANSLATE_NOOP("CSettings", "Fun")},
    }};

    static int Get(const IntSetting& setting);
    static QString Get(const TextSetting& setting);
    static void Set(const IntSetting& setting, int value);
    static void Set(const TextSetting& setting, const QString& value);

    // By name, for the table's users above (and the tests' look at the file).
    static int GetProfileInt(const QString& key, int defaultValue);
    static QString GetProfileString(const QString& key, const QString& defaultValue = QString());
    static void WriteProfileInt(const QString& key, int value);
    static void WriteProfileString(const QString& key, const QString& value);
    // The INI file's path (for tests and the README).
    static QString FileName();
};
