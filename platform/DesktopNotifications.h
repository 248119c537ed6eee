#pragma once
// Desktop notifications through the session's notification service
// (org.freedesktop.Notifications over D-Bus). Without a session bus or a
// service nothing is shown and nothing waits. In scripted mode the
// notifications are only recorded, and whether a service is there is up to
// the test.

#include <QString>
#include <vector>

class CDesktopNotifications
{
public:
    // Sends one notification under the program's name and icon; false when
    // no notification service is there to show it.
    static bool Send(const QString& summary, const QString& body);

    static void SetScripted(bool scripted);
    // Scripted mode: whether a service answers (it does at first).
    static void SetServiceAvailable(bool available);
    // Scripted mode: what was sent, "summary|body" each.
    static const std::vector<QString>& Sent();
    static void Reset();
};
