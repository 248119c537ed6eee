#include "app/ReloadedBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

CReloadedBar::CReloadedBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("reloadedBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xDD, 0xEE, 0xFF));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    auto* text =
        new QLabel(tr("The diary was changed by another program and has been reloaded."), this);
    text->setObjectName(QStringLiteral("reloadedText"));
    text->setWordWrap(true);
    m_pClose = new QToolButton(this);
    m_pClose->setObjectName(QStringLiteral("closeButton"));
    m_pClose->setText(QStringLiteral("\u00D7"));
    m_pClose->setAutoRaise(true);
    m_pClose->setToolTip(tr("Close"));
    m_pClose->setAccessibleName(tr("Close"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(text, 1);
    layout->addWidget(m_pClose);
    connect(m_pClose, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}
