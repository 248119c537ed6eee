// Helpers shared by the tests that drive the entry windows.
#pragma once

#include <QLocale>
#include <QString>
#include <QTest>
#include <QWidget>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace widgettest {

// Types text with characters beyond ASCII, which QTest::keyClicks cannot map
// to keys: one key event per character carrying that character.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

template <typename T> T* Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

inline void PinTimeZone(const char* zone)
{
    setenv("TZ", zone, 1);
    tzset();
}

// A time zone and a German desktop for as long as it lives: the program must
// still show English dates and decimal points.
class GermanDesktop
{
public:
    explicit GermanDesktop(const char* zone) : m_cLocale(std::setlocale(LC_ALL, nullptr))
    {
        if (const char* saved = std::getenv("TZ")) {
            m_zone = saved;
        }
        PinTimeZone(zone);
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanDesktop()
    {
        if (m_zone) {
            PinTimeZone(m_zone->c_str());
        } else {
            unsetenv("TZ");
            tzset();
        }
        std::setlocale(LC_ALL, m_cLocale.c_str());
        QLocale::setDefault(m_qtLocale);
    }
    GermanDesktop(const GermanDesktop&) = delete;
    GermanDesktop& operator=(const GermanDesktop&) = delete;

private:
    std::optional<std::string> m_zone;
    std::string m_cLocale;
    QLocale m_qtLocale;
};

} // namespace widgettest
