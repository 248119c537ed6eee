#pragma once
// The help viewer: the program's HTML help pages, opened at the contents or
// at a numbered context (65537...). In scripted mode requests are recorded.

#include <QString>
#include <vector>

class QWidget;

class CHelp
{
public:
    static constexpr int kContents = 0;
    // Shows "Failed to launch help." when the help files are missing.
    static bool Show(QWidget* parent, int context = kContents);
    static void SetHelpFolder(const QString& folder); // default: the data folder's "help"

    static void SetScripted(bool scripted);
    static const std::vector<int>& Requests();
    static void Reset();
};
