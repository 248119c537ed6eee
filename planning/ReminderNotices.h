#pragma once
// When today's reminders are announced on the desktop: once at start-up
// for the diary opened then, and again after each local midnight for the
// diary open at that moment (none while no diary is open).

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

class CDiarySession;

class CReminderNotices : public QObject
{
    Q_OBJECT
public:
    // `diary` gives the open diary, null while none is.
    explicit CReminderNotices(std::function<const CDiarySession*()> diary,
                              QObject* parent = nullptr);

    // Announces today's reminders now, then waits for midnight.
    void Start();
    // Milliseconds from `now` to a second past the next local midnight.
    static int64_t MsecsToMidnight(int64_t now);
    const QTimer& Timer() const { return m_timer; }
    // The timer's work: announce a day that has not been announced yet.
    void OnTimer();

private:
    void Announce(int64_t now);
    void Arm(int64_t now);

    std::function<const CDiarySession*()> m_diary;
    QTimer m_timer;
    int64_t m_nAnnouncedDay = -1; // local midnight of the day last announced
};
