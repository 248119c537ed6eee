#pragma once
// What the main window shows while its diary is locked: a line saying so,
// one password field (which has the keyboard focus) and "Unlock"; Return
// in the field unlocks as the button does. A wrong password is said under
// the field, which keeps what was typed, selected for another try.

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class CLockedView : public QWidget
{
    Q_OBJECT
public:
    explicit CLockedView(QWidget* parent);

    // Ready for a password: the field empty, no message, the focus in it.
    void Reset();
    // Why the last password did not unlock; the field keeps it, selected.
    void Refuse(const QString& why);

    QLineEdit* PasswordField() const { return m_pPassword; }

signals:
    void unlockRequested(const QString& password);

protected:
    // Return stays here: the window behind would take it for a command on
    // the entry list the unlock has just focused.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Submit();

    QLineEdit* m_pPassword = nullptr;
    QPushButton* m_pUnlock = nullptr;
    QLabel* m_pMessage = nullptr;
};
