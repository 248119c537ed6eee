#pragma once
// SIGTERM, SIGHUP and SIGINT end Dayloom as closing its window would: the
// handler only writes a byte into a pipe; the event loop sees it and runs
// `onSignal` (by default leaving every event loop, so the windows unwind,
// the open diary is closed and its lock file removed).

#include <QObject>
#include <functional>

class QSocketNotifier;

class CTerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit CTerminationSignals(std::function<void()> onSignal = {});
    ~CTerminationSignals() override;
    CTerminationSignals(const CTerminationSignals&) = delete;
    CTerminationSignals& operator=(const CTerminationSignals&) = delete;

private:
    void OnReadable();

    std::function<void()> m_onSignal;
    QSocketNotifier* m_pNotifier = nullptr;
};
