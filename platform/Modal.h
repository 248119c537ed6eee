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

class CModal
{
public:
    using Handler = std::function<void(QDialog&)>;

    static int Exec(QDialog& dialog);

    static void SetScripted(bool scripted);
    static void PushHandler(Handler handler);
    static int Pending();
    // objectName()/windowTitle() of each dialog that found no handler.
    static const std::vector<QString>& Unanswered();
    static void Reset(); // drops handlers and the unanswered list
};
