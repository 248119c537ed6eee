#pragma once
// Hands web addresses, mail addresses and documents to the desktop
// (QDesktopServices). In scripted mode the requests are only recorded.

#include <QString>
#include <vector>

class CShell
{
public:
    // "www.x.org" gets "http://"; a plain mail address gets "mailto:".
    static bool Open(const QString& target);

    static void SetScripted(bool scripted);
    static const std::vector<QString>& Opened();
    static void Reset();
};
