#include "platform/Modal.h"

#include "platform/Script.h"
#include "platform/WindowPlacement.h"

#include <QDialog>

namespace {
// Handlers in, names of the dialogs that found none out.
CScript<CModal::Handler, QString>& Script()
{
    static CScript<CModal::Handler, QString> script;
    return script;
}
} // namespace

int CModal::Exec(QDialog& dialog)
{
    if (!Script().IsOn()) {
        // Where the user left it, and on the screen in any case.
        CWindowPlacement::Restore(dialog);
        const int result = dialog.exec();
        CWindowPlacement::Save(dialog);
        return result;
    }
    std::optional<Handler> handler = Script().Next();
    if (!handler) {
        Script().Record(dialog.objectName().isEmpty() ? dialog.windowTitle() : dialog.objectName());
        return QDialog::Rejected;
    }
    // The dialog is shown (offscreen in tests) so that the handler can type
    // and click as a user would; accept()/reject()/done() end it.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    (*handler)(dialog);
    const int result = dialog.result();
    if (dialog.isVisible()) {
        dialog.hide();
    }
    return result;
}

void CModal::SetScripted(bool scripted)
{
    Script().SetOn(scripted);
}

void CModal::PushHandler(Handler handler)
{
    Script().Push(std::move(handler));
}

int CModal::Pending()
{
    return Script().Pending();
}

const std::vector<QString>& CModal::Unanswered()
{
    return Script().Recorded();
}

void CModal::Reset()
{
    Script().Reset();
}
