// Helpers shared by the tests that drive the windows as a user would.
#pragma once

#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace widgettest {

// Types text key by key, characters beyond ASCII included (QTest's key
// clicks know only ASCII).
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        const QString typed = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

template <typename T> T* Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Left-clicks the button named `name` inside `parent`.
inline void Click(QWidget& parent, const char* name)
{
    QTest::mouseClick(Child<QAbstractButton>(parent, name), Qt::LeftButton);
}

inline void ClickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

inline QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

// The messages shown so far, each as "caption | text".
inline QStringList Shown()
{
    QStringList shown;
    for (const CMessageBox::Shown& message : CMessageBox::History()) {
        shown << message.caption + QStringLiteral(" | ") + message.text;
    }
    return shown;
}

inline QString LastMessage()
{
    return CMessageBox::History().empty() ? QString() : CMessageBox::History().back().text;
}

// Queues `drive` to act as the user in the next modal dialog, which is made
// the active window first (shortcuts and focus need that).
template <typename D> void PushDriver(std::function<void(D&)> drive)
{
    CModal::PushHandler([drive = std::move(drive)](QDialog& shown) {
        shown.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&shown));
        drive(static_cast<D&>(shown));
    });
}

// Runs `dialog` modally with `drive` acting as the user; returns its result.
template <typename D> int RunModal(D& dialog, std::function<void(D&)> drive)
{
    PushDriver<D>(std::move(drive));
    return CModal::Exec(dialog);
}

// Queues the answer to the question the click on button `name` asks.
inline void ClickAnswering(QWidget& parent, const char* name, CMessageBox::Answer answer)
{
    CMessageBox::PushAnswer(answer);
    Click(parent, name);
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
