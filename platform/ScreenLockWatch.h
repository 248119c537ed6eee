#pragma once
// Tells when the desktop locks its screen or the computer is about to
// sleep, so that the open diary can lock too. It listens on D-Bus to the
// screen saver (org.freedesktop.ScreenSaver ActiveChanged) on the session
// bus and to logind (org.freedesktop.login1) on the system bus: this
// session's Lock and the manager's PrepareForSleep. Before sleep logind
// waits for a "delay" inhibitor this holds, which is let go once the diary
// has locked (SleepLockDone) and taken again after the computer wakes.
// Without the buses (a test machine) nothing is heard and nothing fails;
// tests call the handlers by hand.

#include <QDBusUnixFileDescriptor>
#include <QObject>

class QDBusPendingCallWatcher;

class CScreenLockWatch : public QObject
{
    Q_OBJECT
public:
    explicit CScreenLockWatch(QObject* parent);

    // Connects to the buses there are; false when neither is.
    bool Listen();
    // The diary is locked (or there was none to lock): sleep may go on.
    void SleepLockDone();
    bool HoldsSleepDelay() const { return m_sleepDelay.isValid(); }

public slots:
    // What the desktop says, as the buses deliver it.
    void OnScreenSaverActiveChanged(bool active);
    void OnSessionLock();
    void OnPrepareForSleep(bool sleeping);

signals:
    // The diary should lock now.
    void lockRequested();

private:
    void TakeSleepDelay();
    void ListenToSession();

    bool m_bSystemBus = false;
    QDBusUnixFileDescriptor m_sleepDelay;
};
