#pragma once
// F1 (without modifiers) on a window, or on any control in it that leaves
// the key alone, opens the help at the window's page. Lives as a child of
// the window it serves.

#include "platform/Help.h"

#include <QObject>

class QWidget;

class CHelpKey : public QObject
{
public:
    CHelpKey(QWidget* window, HelpContext helpContext);

    // Opens the help at the window's page, as F1 does; for HELP! buttons.
    void Show() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_pWindow;
    HelpContext m_nHelpContext;
};
