#include "app/ReloadedBar.h"

#include <QLabel>

CReloadedBar::CReloadedBar(QWidget* parent)
    : CNoticeBar(parent, QColor(0xDD, 0xEE, 0xFF),
                 tr("The diary was changed by another program and has been reloaded."))
{
    setObjectName(QStringLiteral("reloadedBar"));
    Text()->setObjectName(QStringLiteral("reloadedText"));
    hide();
}
