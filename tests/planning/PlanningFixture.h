#pragma once
// Shared set-up of the planning tests: a pinned zone and clock, and an empty
// diary in a temporary folder that is also the working folder (rewrites' temporaries).

#include "platform/Clock.h"
#include "store/DiarySession.h"
#include "store/Records.h"
#include "tests/support/TestDiary.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/DatePicker.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

using widgettest::ClickRow;
using widgettest::Lines;
using widgettest::PinTimeZone;
using widgettest::Shown;
constexpr auto Type = widgettest::TypeText;

inline ReminderRecord Reminder(int64_t time, const char* description)
{
    ReminderRecord reminder;
    reminder.time = time;
    std::strncpy(reminder.description, description, sizeof reminder.description - 1);
    return reminder;
}

class PlanningTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PinTimeZone("Europe/Berlin");
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        CClock::SetFixed(LocalTime(2002, 12, 5, 10, 0));
    }
    void TearDown() override { QDir::setCurrent(m_oldDir); }

    const CDiarySession& Diary() const { return m_session; }
    // A sibling file's bytes: 'r' reminders, 'p' planner.
    QByteArray FileBytes(char which) const
    {
        QFile file(m_dir.filePath(QStringLiteral("diary.%1lm").arg(QChar(which))));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Picks a day in the drop-down calendar and confirms it with Enter.
    static void PickDate(CDatePicker* picker, QDate date)
    {
        QCalendarWidget* calendar = picker->calendarWidget();
        calendar->setSelectedDate(date);
        QTest::keyClick(calendar->findChild<QAbstractItemView*>(), Qt::Key_Return);
    }

    QTemporaryDir m_dir;
    CDiarySession m_session{NameOf(m_dir.filePath("diary.ilm"))};
    QString m_oldDir;
};
