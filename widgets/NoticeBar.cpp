#include "widgets/NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

CNoticeBar::CNoticeBar(QWidget* parent, const QColor& background, const QString& text)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    m_pText = new QLabel(text, this);
    m_pText->setWordWrap(true);
    m_pClose = new QToolButton(this);
    m_pClose->setObjectName(QStringLiteral("closeButton"));
    m_pClose->setText(QStringLiteral("\u00D7"));
    m_pClose->setAutoRaise(true);
    m_pClose->setToolTip(tr("Close"));
    m_pClose->setAccessibleName(tr("Close"));

    m_pLayout = new QHBoxLayout(this);
    m_pLayout->setContentsMargins(8, 4, 4, 4);
    m_pLayout->addWidget(m_pText, 1);
    m_pLayout->addWidget(m_pClose);
    connect(m_pClose, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
}

void CNoticeBar::AddButton(QWidget* widget)
{
    m_pLayout->insertWidget(m_pLayout->indexOf(m_pClose), widget);
}
