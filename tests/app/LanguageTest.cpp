// The interface in German and Russian: the language chosen, plural forms,
// dates and messages translated, and no German text cut.
#include "MainWindowFixture.h"
#include "app/SearchResultModel.h"
#include "dialogs/TipTexts.h"
#include "platform/StoreMessageText.h"
#include "platform/Translations.h"
#include "stats/YearGridView.h"
#include "tests/support/InterfaceLanguage.h"
#include "widgets/WordCountLabel.h"

#include <QAbstractButton>
#include <QGroupBox>

using widgettest::InterfaceLanguage;

namespace {

// "Class 'text': 40 < 57" for each visible label, button, box too narrow.
QStringList CutTexts(QWidget& root)
{
    QStringList cut;
    const auto check = [&cut](QWidget* widget, const QString& text, int needed) {
        if (widget->isVisible() && !text.isEmpty() && widget->width() < needed) {
            cut << QStringLiteral("%1 '%2': %3 < %4")
                       .arg(widget->metaObject()->className(), text)
                       .arg(widget->width())
                       .arg(needed);
        }
    };
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->wordWrap() && label->pixmap().isNull()) {
            check(label, label->text(), label->minimumSizeHint().width());
        }
    }
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        check(button, button->text(), button->sizeHint().width());
    }
    for (QGroupBox* box : root.findChildren<QGroupBox*>()) {
        check(box, box->title(), box->fontMetrics().horizontalAdvance(box->title()) + 16);
    }
    return cut;
}

} // namespace

using LanguageTest = MainWindowTest;

TEST_F(LanguageTest, TheFirstLanguageTheProgramHasIsChosenUnlessEnglishComesFirst)
{
    EXPECT_EQ(CTranslations::Available(), QStringList({"de", "ru"}));
    for (const auto& [asked, chosen] :
         std::vector<std::pair<QStringList, QString>>{{{"fr-FR", "de-CH", "ru"}, "de"},
                                                      {{"ru_RU.UTF-8"}, "ru"},
                                                      {{"en-GB", "de"}, ""},
                                                      {{"fr", "it"}, ""}}) {
        const QString loaded = CTranslations::Install(*qApp, asked);
        EXPECT_EQ(loaded, chosen) << asked.join(',').toStdString();
        EXPECT_EQ(CTranslations::Locale().name().left(2), chosen.isEmpty() ? "en" : chosen);
        // The program's texts and Qt's own.
        const auto translators =
            qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_EQ(translators.size(), chosen.isEmpty() ? 0 : 2);
        qDeleteAll(translators);
        CTranslations::SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
}

TEST_F(LanguageTest, PluralsAndTheYearsDaysTakeEachLanguagesForms)
{
    YearGrid year;
    year.year = 2024;
    CYearGridView view;
    view.SetGrid(year);
    const std::pair<const char*, QStringList> languages[] = {
        {"en",
         {"No entry found / 0 words", "1 entry found / 1 word", "2 entries found / 2 words",
          "5 entries found / 5 words", "21 entries found / 21 words", "March 8, 2024\nNo entry"}},
        {"de",
         {"Kein Eintrag gefunden / 0 Wörter", "1 Eintrag gefunden / 1 Wort",
          "2 Einträge gefunden / 2 Wörter", "5 Einträge gefunden / 5 Wörter",
          "21 Einträge gefunden / 21 Wörter", "8. März 2024\nKein Eintrag"}},
        {"ru",
         {"Записей не найдено / 0 слов", "Найдена 1 запись / 1 слово", "Найдено 2 записи / 2 слова",
          "Найдено 5 записей / 5 слов", "Найдена 21 запись / 21 слово",
          "8 марта 2024\nНет записи"}}};
    for (const auto& [language, expected] : languages) {
        const InterfaceLanguage shown(language);
        QStringList texts;
        for (int n : {0, 1, 2, 5, 21}) {
            texts << CSearchResultModel::FoundText(n) + " / " + CWordCountLabel::Text(n, -1);
        }
        EXPECT_EQ(texts << view.DayText(3, 8), expected) << language;
    }
}

TEST_F(LanguageTest, StoreMessagesAndTipsAreTranslatedWhereTheyAreShown)
{
    const InterfaceLanguage german("de");
    EXPECT_EQ(CStoreMessageText::Translated("Access to /home/a b/Tagebuch.ilm was denied."),
              "Der Zugriff auf /home/a b/Tagebuch.ilm wurde verweigert.");
    EXPECT_EQ(CStoreMessageText::Translated("This diary was made by a newer Dayloom and cannot "
                                            "be opened here."),
              "Dieses Tagebuch stammt von einem neueren Dayloom und kann hier nicht geöffnet "
              "werden.");
    // A text of no pattern, and a pattern's ends without anything between.
    EXPECT_EQ(CStoreMessageText::Translated("next(index): current_index"),
              "next(index): current_index");
    EXPECT_EQ(CStoreMessageText::Translated("Access to  was denied."),
              "Der Zugriff auf  wurde verweigert.");
    for (int i = 0; i < CTipTexts::Count(); ++i) {
        EXPECT_NE(CTipTexts::Translated(CTipTexts::English(i) + "\r\n"), CTipTexts::English(i));
    }
    EXPECT_EQ(CTipTexts::Translated("My own tip"), "My own tip");
}

TEST_F(LanguageTest, NoLabelOrButtonIsCutInGerman)
{
    const InterfaceLanguage german("de");
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_EQ(CutTexts(prompt), QStringList());
        Type(prompt, "Secret1");
    });
    CFileDialogs::PushDiary(MakeSampleDiary());
    Window().OnOpenCreateDiary();
    EXPECT_EQ(CutTexts(Window()), QStringList()) << "the main window";
    Window().OnFind();
    EXPECT_EQ(CutTexts(Window()), QStringList()) << "the main window in search mode";
    Window().OnFind();

    for (const char* item : {"&New entry...\tF2", "&Edit entry...\tCtrl+E", "O&ptions...",
                             "&Change password...", "&Reminders...\tF3", "&Planner...\tF4",
                             "&Statistics...\tF5", "Tip of the Day...", "&About Dayloom..."}) {
        SCOPED_TRACE(item);
        bool walked = false;
        CModal::PushHandler([&walked](QDialog& dialog) {
            EXPECT_EQ(CutTexts(dialog), QStringList()) << dialog.metaObject()->className();
            walked = true;
            dialog.reject();
        });
        QAction* action = ActionOf(Window(), QCoreApplication::translate("CMainMenu", item));
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_TRUE(walked);
    }

    ActionOf(Window(), QCoreApplication::translate("CMainMenu", "&Lock diary"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            const auto* field = Window().findChild<QLineEdit*>("lockPassword");
            return field != nullptr && field->isVisible();
        },
        2000));
    EXPECT_EQ(CutTexts(Window()), QStringList()) << "the locked window";
}
