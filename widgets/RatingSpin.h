#pragma once
// A horizontal up-down control without a buddy box: a left arrow that lowers
// the value, a right arrow that raises it, the arrow keys doing the same while
// it has the focus, and no wrap-around at the ends. The value is shown by
// whoever listens to ValueChanged, in a label the control is told of, so
// that a screen reader hears the value's text ("Mood, 2, Good").

#include <QPointer>
#include <QWidget>

class QLabel;
class QToolButton;

class CRatingSpin : public QWidget
{
    Q_OBJECT
public:
    CRatingSpin(int lowest, int highest, QWidget* parent = nullptr);

    int Value() const { return m_nValue; }
    int Lowest() const { return m_nLowest; }
    int Highest() const { return m_nHighest; }
    // Moves without emitting ValueChanged; clamped to the range.
    void SetValue(int value);
    // Moves as a user's steps would, emitting ValueChanged when it changed.
    void StepTo(int value);
    // The label that shows the value's text; ValueText() reads it.
    void SetValueLabel(QLabel* label);
    // The value as the user reads it: the label's text, else the number.
    QString ValueText() const;

    QToolButton* LeftArrow() const { return m_pLeft; }
    QToolButton* RightArrow() const { return m_pRight; }

signals:
    // Only for a step the user made that changed the value.
    void ValueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A focus frame around both arrows while the control has the focus, so
    // a keyboard user sees which rating the arrow keys change.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Step(int delta);
    void TellValueChanged();

    int m_nLowest;
    int m_nHighest;
    int m_nValue;
    QToolButton* m_pLeft;
    QToolButton* m_pRight;
    QPointer<QLabel> m_pValueLabel;
};
