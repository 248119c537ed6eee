#pragma once
// Runs a piece of work that may take seconds (deriving a diary's key from
// its password, opening the file) on a worker thread, while a modal dialog
// with a short text ("Unlocking...") and Cancel keeps every window painting.
// Cancel (or Esc, or the close box) ends the wait at once: the work goes on
// to its end on the worker, and whatever it holds (the work function and
// everything it captured) is destroyed there when it finishes, unless the
// caller still holds it too. The caller keeps what it needs of the result
// in a shared_ptr captured by the work, and drops it when cancelled.

#include <QString>
#include <atomic>
#include <functional>

class QWidget;

class CBackgroundWork
{
public:
    // True when the work finished, false when the user cancelled first.
    static bool Run(QWidget* parent, const QString& text, std::function<void()> work);

    // Works still running, cancelled ones included (tests wait for none).
    static int Running() { return s_running.load(); }

private:
    static inline std::atomic<int> s_running{0};
};
