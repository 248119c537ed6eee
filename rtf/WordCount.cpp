#include "rtf/WordCount.h"

int CountWords(QStringView text)
{
    int count = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool space = IsWordBreak(c);
        if (!space && !inWord) {
            ++count;
        }
        inWord = !space;
    }
    return count;
}
