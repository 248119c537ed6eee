#include "stats/WordText.h"

#include <QStringList>

int CountWords(QStringView text)
{
    int count = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool space = c.isSpace();
        if (!space && !inWord) {
            ++count;
        }
        inWord = !space;
    }
    return count;
}

QString FirstWords(QStringView text, int words)
{
    QStringList taken;
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (true) {
        while (at < size && text[at].isSpace()) {
            ++at;
        }
        if (at == size) {
            break;
        }
        if (taken.size() == words) {
            return taken.join(QLatin1Char(' ')) + QStringLiteral("...");
        }
        const qsizetype start = at;
        while (at < size && !text[at].isSpace()) {
            ++at;
        }
        taken.append(text.mid(start, at - start).toString());
    }
    return taken.join(QLatin1Char(' '));
}

QString OnThisDayText(int yearsAgo, const QString& preview)
{
    if (yearsAgo == 1) {
        return QStringLiteral("1 year ago: ") + preview;
    }
    return QStringLiteral("%1 years ago: ").arg(yearsAgo) + preview;
}
