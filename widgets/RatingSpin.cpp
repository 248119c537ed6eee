#include "widgets/RatingSpin.h"

#include "widgets/RatingSpinAccessible.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <algorithm>

CRatingSpin::CRatingSpin(int lowest, int highest, QWidget* parent)
    : QWidget(parent), m_nLowest(lowest), m_nHighest(std::max(lowest, highest)),
      m_nValue(std::clamp(0, lowest, std::max(lowest, highest))), m_pLeft(new QToolButton(this)),
      m_pRight(new QToolButton(this))
{
    CRatingSpinAccessible::Install();
    // Reached with Tab; a click on an arrow leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
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
    // Room for the focus frame around the arrows.
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    layout->addWidget(m_pLeft);
    layout->addWidget(m_pRight);
    connect(m_pLeft, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(m_pRight, &QToolButton::clicked, this, [this] { Step(+1); });
}

void CRatingSpin::SetValue(int value)
{
    m_nValue = std::clamp(value, m_nLowest, m_nHighest);
    TellValueChanged();
}

void CRatingSpin::StepTo(int value)
{
    Step(std::clamp(value, m_nLowest, m_nHighest) - m_nValue);
}

void CRatingSpin::SetValueLabel(QLabel* label)
{
    m_pValueLabel = label;
}

QString CRatingSpin::ValueText() const
{
    return m_pValueLabel && !m_pValueLabel->text().isEmpty() ? m_pValueLabel->text()
                                                             : QString::number(m_nValue);
}

void CRatingSpin::TellValueChanged()
{
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_nValue);
        QAccessible::updateAccessibility(&event);
    }
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

void CRatingSpin::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    // A plain frame in the highlight colour: some styles draw their focus
    // rectangle only for widgets they know, which this one is not.
    QPen pen(palette().color(QPalette::Highlight));
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void CRatingSpin::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void CRatingSpin::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CRatingSpin::Step(int delta)
{
    const int next = std::clamp(m_nValue + delta, m_nLowest, m_nHighest);
    if (next == m_nValue) {
        return;
    }
    m_nValue = next;
    emit ValueChanged(m_nValue);
    TellValueChanged();
}
