// Placeholder until the help viewer lands: records requests in scripted mode.
#include "platform/Help.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"

namespace {
struct Script
{
    bool scripted = false;
    std::vector<int> requests;
    QString folder;
};

Script& State()
{
    static Script script;
    return script;
}
} // namespace

bool CHelp::Show(QWidget* parent, int context)
{
    if (State().scripted) {
        State().requests.push_back(context);
        return true;
    }
    CMessageBox::Show(parent, QStringLiteral("Failed to launch help."), CAppInfo::AppName());
    return false;
}

void CHelp::SetHelpFolder(const QString& folder)
{
    State().folder = folder;
}

void CHelp::SetScripted(bool scripted)
{
    State().scripted = scripted;
}

const std::vector<int>& CHelp::Requests()
{
    return State().requests;
}

void CHelp::Reset()
{
    State().requests.clear();
}
