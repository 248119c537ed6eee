#include "app/LockedView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CLockedView::CLockedView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("lockedView"));
    auto* heading = new QLabel(tr("This diary is locked. Type its password to go on."), this);
    heading->setAlignment(Qt::AlignCenter);
    auto* caption = new QLabel(tr("&Password:"), this);
    m_pPassword = new QLineEdit(this);
    m_pPassword->setObjectName(QStringLiteral("lockPassword"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setAccessibleName(tr("Password"));
    m_pPassword->setMinimumWidth(240);
    caption->setBuddy(m_pPassword);
    m_pUnlock = new QPushButton(tr("Unlock"), this);
    m_pUnlock->setObjectName(QStringLiteral("unlock"));
    m_pUnlock->setAutoDefault(false);
    m_pMessage = new QLabel(this);
    m_pMessage->setObjectName(QStringLiteral("lockMessage"));
    m_pMessage->setAlignment(Qt::AlignCenter);
    m_pMessage->setWordWrap(true);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(caption);
    row->addWidget(m_pPassword);
    row->addWidget(m_pUnlock);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(heading);
    layout->addLayout(row);
    layout->addWidget(m_pMessage);
    layout->addStretch(2);
    setTabOrder(m_pPassword, m_pUnlock);

    connect(m_pPassword, &QLineEdit::returnPressed, this, &CLockedView::Submit);
    connect(m_pUnlock, &QPushButton::clicked, this, &CLockedView::Submit);
}

void CLockedView::Reset()
{
    m_pPassword->setText(QString());
    m_pMessage->clear();
    m_pPassword->setFocus();
}

void CLockedView::Refuse(const QString& why)
{
    m_pMessage->setText(why);
    m_pPassword->setFocus();
    m_pPassword->selectAll();
}

void CLockedView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CLockedView::Submit()
{
    emit unlockRequested(m_pPassword->text());
}
