#include "planning/TodayNotification.h"

#include "planning/DiaryRecords.h"
#include "planning/LocalDay.h"
#include "planning/ScriptText.h"
#include "platform/DesktopNotifications.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"

#include <QStringList>
#include <cstring>

QString CTodayNotification::Text(const std::vector<ReminderRecord>& reminders, int64_t now,
                                 bool encrypted)
{
    QStringList today;
    for (const ReminderRecord& reminder : reminders) {
        if (CLocalDay::Same(reminder.time, now)) {
            today << CScriptText::Of(reminder).trimmed();
        }
    }
    if (today.isEmpty()) {
        return QString();
    }
    if (encrypted) {
        return today.size() == 1 ? tr("1 reminder today")
                                 : tr("%n reminders today", "", int(today.size()));
    }
    return tr("Today: %1").arg(today.join(QStringLiteral(", ")));
}

bool CTodayNotification::Send(const CDiarySession& diary, int64_t now)
{
    if (CSettings::Get(CSettings::kNotifyReminders) == 0) {
        return false;
    }
    const QString text = Text(CDiaryRecords::Reminders(diary), now, diary.Encrypted() != nullptr);
    return !text.isEmpty() && CDesktopNotifications::Send(text, QString());
}
