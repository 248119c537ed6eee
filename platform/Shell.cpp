#include "platform/Shell.h"

#include "platform/Script.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
// Nothing to answer; the targets handed over are recorded.
CScript<std::monostate, QString>& Script()
{
    static CScript<std::monostate, QString> script;
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
    if (Script().IsOn()) {
        Script().Record(target);
        return true;
    }
    return QDesktopServices::openUrl(ToUrl(target));
}

void CShell::SetScripted(bool scripted)
{
    Script().SetOn(scripted);
}

const std::vector<QString>& CShell::Opened()
{
    return Script().Recorded();
}

void CShell::Reset()
{
    Script().Reset();
}
