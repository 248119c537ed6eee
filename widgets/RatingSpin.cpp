#include "widgets/RatingSpin.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

CRatingSpin::CRatingSpin(int lowest, int highest, QWidget* parent)
    : QWidget(parent), m_nLowest(lowest), m_nHighest(std::max(lowest, highest)),
      m_nValue(std::clamp(0, lowest, std::max(lowest, highest))), m_pLeft(new QToolButton(this)),
      m_pRight(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    m_pLeft->setArrowType(Qt::LeftArrow);
    m_pRight->setArrowType(Qt::RightArrow);
    m_pLeft->setObjectName("left");
    m_pRight->setObjectName("right");
    for (QToolButton* arrow : {m_pLeft, m_pRight}) {
        // The arrows act like one control: clicking them must not pull the
        // focus away from wherever the dialog wants it.
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pLeft);
    layout->addWidget(m_pRight);
    connect(m_pLeft, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(m_pRight, &QToolButton::clicked, this, [this] { Step(+1); });
}

void CRatingSpin::SetValue(int value)
{
    m_nValue = std::clamp(value, m_nLowest, m_nHighest);
}

void CRatingSpin::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        Step(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        Step(+1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CRatingSpin::Step(int delta)
{
    const int next = std::clamp(m_nValue + delta, m_nLowest, m_nHighest);
    if (next == m_nValue) {
        return;
    }
    m_nValue = next;
    emit ValueChanged(m_nValue);
}
