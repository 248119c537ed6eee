#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
struct Script
{
    bool scripted = false;
    std::vector<QString> opened;
};

Script& State()
{
    static Script script;
    return script;
}

QUrl ToUrl(const QString& target)
{
    const QString text = target.trimmed();
    if (text.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
        return QUrl(QStringLiteral("http://") + text);
    }
    if (text.startsWith(QStringLiteral("ftp."), Qt::CaseInsensitive)) {
        return QUrl(QStringLiteral("ftp://") + text);
    }
    const QUrl url(text);
    if (!url.scheme().isEmpty() && url.scheme().size() > 1) {
        return url;
    }
    if (text.contains(QLatin1Char('@')) && !text.contains(QLatin1Char('/'))) {
        return QUrl(QStringLiteral("mailto:") + text);
    }
    return QUrl::fromUserInput(text);
}
} // namespace

bool CShell::Open(const QString& target)
{
    Script& script = State();
    if (script.scripted) {
        script.opened.push_back(target);
        return true;
    }
    return QDesktopServices::openUrl(ToUrl(target));
}

void CShell::SetScripted(bool scripted)
{
    State().scripted = scripted;
}

const std::vector<QString>& CShell::Opened()
{
    return State().opened;
}

void CShell::Reset()
{
    State().opened.clear();
}
