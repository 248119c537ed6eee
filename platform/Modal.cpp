#include "platform/Modal.h"

#include "platform/Script.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QThread>

namespace {
// Handlers in, names of the dialogs that found none out.
CScript<CModal::Handler, QString>& Script()
{
    static CScript<CModal::Handler, QString> script;
    return script;
}

// The windows waiting on the user, innermost last, and whether each runs
// an event loop of its own.
struct Wait
{
    const QWidget* window;
    bool loop;
};
std::vector<Wait>& Waits()
{
    static std::vector<Wait> waits;
    return waits;
}
} // namespace

CModal::WaitScope::WaitScope(const QWidget* window, bool loop)
{
    Waits().push_back({window, loop});
}

CModal::WaitScope::~WaitScope()
{
    Waits().pop_back();
}

bool CModal::Waiting(const QWidget* keep)
{
    int loops = 0;
    for (const Wait& wait : Waits()) {
        if (wait.window != keep) {
            return true;
        }
        loops += wait.loop ? 1 : 0;
    }
    return QThread::currentThread()->loopLevel() > loops;
}

void CModal::CancelAll(const QWidget* keep)
{
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != keep && window->isVisible()) {
            windows.emplace_back(window);
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window.isNull()) {
            continue;
        }
        if (auto* dialog = qobject_cast<QDialog*>(window.data())) {
            dialog->QDialog::done(QDialog::Rejected);
        } else {
            window->close();
        }
    }
}

int CModal::Exec(QDialog& dialog)
{
    const WaitScope waiting(&dialog, !Script().IsOn());
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
