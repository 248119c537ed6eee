#pragma once
// Runs modal dialogs. In the program it is QDialog::exec(); in tests
// (scripted mode) a queued handler gets the dialog instead, drives it as a
// user would (type, click, accept or reject) and the dialog's result is
// returned. A dialog that finds no handler in scripted mode is rejected and
// counted in Unanswered().

#include <QString>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

class CModal
{
public:
    using Handler = std::function<void(QDialog&)>;

    static int Exec(QDialog& dialog);

    // True while a window other than `keep` (the main window, itself run
    // here) waits on the user, or a nested event loop no such window
    // accounts for runs (a file or print dialog, a context menu): the
    // command that asked is still on the stack.
    static bool Waiting(const QWidget* keep);
    // Ends every window but `keep` as its Cancel would (Rejected, a message
    // box's safe answer), without the questions a dialog's own Cancel may ask.
    static void CancelAll(const QWidget* keep);
    // Held around every wait on the user: `window` waits, in an event loop
    // of its own when `loop` (in the program; a script answers at once).
    class WaitScope
    {
    public:
        WaitScope(const QWidget* window, bool loop);
        ~WaitScope();
        WaitScope(const WaitScope&) = delete;
        WaitScope& operator=(const WaitScope&) = delete;
    };

    static void SetScripted(bool scripted);
    static void PushHandler(Handler handler);
    static int Pending();
    // objectName()/windowTitle() of each dialog that found no handler.
    static const std::vector<QString>& Unanswered();
    static void Reset(); // drops handlers and the unanswered list
};
