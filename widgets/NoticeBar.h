#pragma once
// A coloured bar above the entry text with a message, room for buttons and
// a close button ("×") that hides it. The bars of the main window (a diary
// only scrambled, a diary reloaded after a change from outside) are made of
// it.
#include <QColor>
#include <QFrame>

class QHBoxLayout;
class QLabel;
class QToolButton;

class CNoticeBar : public QFrame
{
    Q_OBJECT

public:
    CNoticeBar(QWidget* parent, const QColor& background, const QString& text);

    QToolButton* CloseButton() const { return m_pClose; }

signals:
    // The close button was pressed (the bar has hidden itself).
    void closed();

protected:
    QLabel* Text() const { return m_pText; }
    // `widget` joins the bar between the message and the close button.
    void AddButton(QWidget* widget);

private:
    QLabel* m_pText = nullptr;
    QToolButton* m_pClose = nullptr;
    QHBoxLayout* m_pLayout = nullptr;
};
