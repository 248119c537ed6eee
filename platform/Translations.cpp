#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kFolder = QStringLiteral(":/translations");

QLocale& InterfaceLocale()
{
    static QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString ProgramFile(const QString& language)
{
    return kFolder + QStringLiteral("/dayloom_") + language + QStringLiteral(".qm");
}

} // namespace

QStringList CTranslations::Available()
{
    QStringList languages;
    const QStringList files =
        QDir(kFolder).entryList({QStringLiteral("dayloom_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        languages << file.mid(8, file.size() - 8 - 3);
    }
    return languages;
}

QString CTranslations::Install(QCoreApplication& app, const QStringList& uiLanguages)
{
    for (const QString& wanted : uiLanguages) {
        // "de-CH" and "de_DE.UTF-8" both ask for German.
        const QString language = QLocale(wanted).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C")) {
            return QString(); // the source texts are English
        }
        if (!QFileInfo::exists(ProgramFile(language))) {
            continue;
        }
        auto* program = new QTranslator(&app);
        if (!program->load(ProgramFile(language))) {
            delete program;
            continue;
        }
        app.installTranslator(program);
        // Qt's own texts; without them (the package is optional) Qt's
        // buttons stay English and the rest is still translated.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            app.installTranslator(qt);
        } else {
            delete qt;
        }
        SetLocale(QLocale(wanted));
        return language;
    }
    return QString();
}

QLocale CTranslations::Locale()
{
    return InterfaceLocale();
}

void CTranslations::SetLocale(const QLocale& locale)
{
    InterfaceLocale() = locale;
}
