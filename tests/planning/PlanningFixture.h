#pragma once
// Shared set-up of the planning tests: a pinned zone and clock, an empty
// diary in a temporary folder (also the working folder, where rewrites put
// their temporary file) and small helpers to drive the dialogs.

#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "store/DiarySession.h"
#include "store/Records.h"
#include "tests/support/TestDiary.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/DatePicker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

using widgettest::PinTimeZone;
// A local date and time in the pinned zone.
constexpr auto Local = [](int year, int month, int day, int hour, int minute = 0) {
    return LocalTime(year, month, day, hour, minute);
};

class PlanningTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PinTimeZone("Europe/Berlin");
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        CClock::SetFixed(Local(2002, 12, 5, 10, 0));
        CMessageBox::ClearHistory();
        CHelp::Reset();
    }
    void TearDown() override
    {
        CClock::Reset();
        QDir::setCurrent(m_oldDir);
    }

    QString DiaryFile() const { return m_dir.filePath(QStringLiteral("diary.ilm")); }
    std::string DiaryPath() const { return QFile::encodeName(DiaryFile()).toStdString(); }
    uint16_t ExtLoc() const { return static_cast<uint16_t>(DiaryPath().size() - 3); }
    const CDiarySession& Diary() const
    {
        if (!m_session)
            m_session = std::make_unique<CDiarySession>(DiaryPath(), ExtLoc());
        return *m_session;
    }
    // A sibling file's bytes: 'r' reminders, 'p' planner.
    QByteArray FileBytes(char which) const
    {
        QFile file(m_dir.filePath(QStringLiteral("diary.%1lm").arg(QChar(which))));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void ClickRow(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // Picks a day in the drop-down calendar and confirms it with Enter.
    static void PickDate(CDatePicker* picker, QDate date)
    {
        QCalendarWidget* calendar = picker->calendarWidget();
        calendar->setSelectedDate(date);
        QTest::keyClick(calendar->findChild<QAbstractItemView*>(), Qt::Key_Return);
    }
    // Types text key by key, accented letters and emoji included (QTest's
    // key clicks know only ASCII).
    static void Type(QWidget* widget, const QString& text)
    {
        for (const char32_t c : text.toUcs4()) {
            const QString typed = QString::fromUcs4(&c, 1);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }
    static QStringList Lines(const QListWidget* list)
    {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    // The messages shown so far, each as "caption | text".
    static QStringList Shown()
    {
        QStringList shown;
        for (const CMessageBox::Shown& message : CMessageBox::History())
            shown << message.caption + QStringLiteral(" | ") + message.text;
        return shown;
    }

    QTemporaryDir m_dir;
    mutable std::unique_ptr<CDiarySession> m_session;
    QString m_oldDir;
};
