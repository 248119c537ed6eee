#pragma once
// The interface in another language for as long as it lives, as
// `LANGUAGE=de dayloom` starts it: the program's and Qt's texts where the
// test program has them compiled in (test_app), the dates in any case.

#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace widgettest {

class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const char* language)
    {
        const QString wanted = QString::fromLatin1(language);
        if (CTranslations::Install(*QCoreApplication::instance(), {wanted}).isEmpty()) {
            CTranslations::SetLocale(QLocale(wanted));
        }
    }
    ~InterfaceLanguage()
    {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(
            QString(), Qt::FindDirectChildrenOnly));
        CTranslations::SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;
};

} // namespace widgettest
