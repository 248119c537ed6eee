#include "platform/ProgressDialog.h"

#include <QProgressDialog>

namespace {
struct Script
{
    bool scripted = false;
    int cancelAt = -1;
    std::vector<int> steps;
};

Script& State()
{
    static Script script;
    return script;
}
} // namespace

CProgressDialog::CProgressDialog(QWidget* parent, const QString& title, const QString& label,
                                 int maximum)
{
    if (State().scripted) {
        return;
    }
    m_dialog = std::make_unique<QProgressDialog>(label, tr("Cancel"), 0, maximum, parent);
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
}

CProgressDialog::~CProgressDialog() = default;

bool CProgressDialog::Step(int value)
{
    if (State().scripted) {
        State().steps.push_back(value);
        return State().cancelAt < 0 || value < State().cancelAt;
    }
    // A modal progress dialog handles its events (the Cancel button, Esc)
    // in setValue.
    m_dialog->setValue(value);
    return !m_dialog->wasCanceled();
}

void CProgressDialog::SetScripted(bool scripted)
{
    State().scripted = scripted;
}

void CProgressDialog::CancelAt(int value)
{
    State().cancelAt = value;
}

const std::vector<int>& CProgressDialog::Steps()
{
    return State().steps;
}

void CProgressDialog::Reset()
{
    State().cancelAt = -1;
    State().steps.clear();
}
