#pragma once
// The desktop notification of the reminders that fall today. A four-file
// diary's reminders are named ("Today: Mother's birthday"); an encrypted
// diary's are only counted ("2 reminders today"), because notifications end
// up on lock screens and in notification histories, out of the diary's
// protection.

#include "store/Records.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <vector>

class CDiarySession;

class CTodayNotification
{
    Q_DECLARE_TR_FUNCTIONS(CTodayNotification)

public:
    // The text for the reminders on now's local day (as the reminder summary
    // counts them); empty when there are none.
    static QString Text(const std::vector<ReminderRecord>& reminders, int64_t now, bool encrypted);
    // Sends it for `diary` when the option "bNotifyReminders" is on and a
    // reminder falls today; true when a notification went out.
    static bool Send(const CDiarySession& diary, int64_t now);
};
