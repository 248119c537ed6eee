#pragma once
// The progress of a long command, with a Cancel button. In the program a
// window-modal QProgressDialog shows once the work takes longer than half a
// second; in tests (scripted mode) no window is shown, every step is
// recorded, and the user can be made to press Cancel at a given step.

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <vector>

class QProgressDialog;
class QWidget;

class CProgressDialog
{
    Q_DECLARE_TR_FUNCTIONS(CProgressDialog)

public:
    CProgressDialog(QWidget* parent, const QString& title, const QString& label, int maximum);
    ~CProgressDialog();
    CProgressDialog(const CProgressDialog&) = delete;
    CProgressDialog& operator=(const CProgressDialog&) = delete;

    // Shows how far the work is; false once the user has cancelled.
    bool Step(int value);

    static void SetScripted(bool scripted);
    // Scripted mode: Cancel is pressed when Step reaches value (-1: never).
    static void CancelAt(int value);
    static const std::vector<int>& Steps();
    static void Reset();

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};
