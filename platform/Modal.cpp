#include "platform/Modal.h"

#include <QDialog>
#include <deque>

namespace {
struct Script
{
    bool scripted = false;
    std::deque<CModal::Handler> handlers;
    std::vector<QString> unanswered;
};

Script& State()
{
    static Script script;
    return script;
}
} // namespace

int CModal::Exec(QDialog& dialog)
{
    Script& script = State();
    if (!script.scripted) {
        return dialog.exec();
    }
    if (script.handlers.empty()) {
        script.unanswered.push_back(dialog.objectName().isEmpty() ? dialog.windowTitle()
                                                                  : dialog.objectName());
        return QDialog::Rejected;
    }
    Handler handler = std::move(script.handlers.front());
    script.handlers.pop_front();
    // The dialog is shown (offscreen in tests) so that the handler can type
    // and click as a user would; accept()/reject()/done() end it.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    handler(dialog);
    const int result = dialog.result();
    if (dialog.isVisible()) {
        dialog.hide();
    }
    return result;
}

void CModal::SetScripted(bool scripted)
{
    State().scripted = scripted;
}

void CModal::PushHandler(Handler handler)
{
    State().handlers.push_back(std::move(handler));
}

int CModal::Pending()
{
    return static_cast<int>(State().handlers.size());
}

const std::vector<QString>& CModal::Unanswered()
{
    return State().unanswered;
}

void CModal::Reset()
{
    State().handlers.clear();
    State().unanswered.clear();
}
