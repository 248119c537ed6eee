#pragma once
// Tells when the user has not touched the program (no key, click, wheel or
// mouse move in any of its windows) for a given number of minutes. Input
// only notes the time; one single-shot timer wakes when the quiet time
// could be up at the earliest and sleeps again for what is left, so the
// program stays idle while the user is.

#include <QObject>
#include <cstdint>
#include <functional>

class QTimer;

class CIdleWatch : public QObject
{
    Q_OBJECT
public:
    // `now` gives seconds (the program's clock; tests step it).
    CIdleWatch(QObject* parent, std::function<int64_t()> now);
    ~CIdleWatch() override;

    // Watching for `minutes` of quiet from now on; 0 stops watching.
    void Start(int minutes);
    void Stop();
    bool IsWatching() const;

    // What the timer does when it wakes (public for tests, which step the
    // clock instead of waiting): says idle() when the quiet time is up,
    // else sleeps for the rest of it.
    void Check();

signals:
    void idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SleepFor(int64_t seconds);

    std::function<int64_t()> m_now;
    QTimer* m_pTimer = nullptr;
    int64_t m_nLimit = 0; // seconds of quiet; 0 while not watching
    int64_t m_tLastInput = 0;
};
