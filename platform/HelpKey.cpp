#include "platform/HelpKey.h"

#include "platform/Help.h"

#include <QKeyEvent>
#include <QWidget>

CHelpKey::CHelpKey(QWidget* window, HelpContext helpContext)
    : QObject(window), m_pWindow(window), m_nHelpContext(helpContext)
{
    // A key a control ignores travels up to the window, so watching the
    // window alone also catches F1 pressed in its text boxes.
    window->installEventFilter(this);
}

void CHelpKey::Show() const
{
    CHelp::Show(m_pWindow, m_nHelpContext);
}

bool CHelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWindow && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            Show();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
