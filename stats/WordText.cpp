#include "stats/WordText.h"

#include <QCoreApplication>
#include <QStringList>

QString FirstWords(QStringView text, int words)
{
    QStringList taken;
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (true) {
        while (at < size && IsWordBreak(text[at])) {
            ++at;
        }
        if (at == size) {
            break;
        }
        if (taken.size() == words) {
            return taken.join(QLatin1Char(' ')) + QStringLiteral("...");
        }
        const qsizetype start = at;
        while (at < size && !IsWordBreak(text[at])) {
            ++at;
        }
        taken.append(text.mid(start, at - start).toString());
    }
    return taken.join(QLatin1Char(' '));
}

QString OnThisDayText(int yearsAgo, const QString& preview)
{
    if (yearsAgo == 1) {
        return QCoreApplication::translate("CWordText", "1 year ago: ") + preview;
    }
    return QCoreApplication::translate("CWordText", "%n years ago: ", "", yearsAgo) + preview;
}
