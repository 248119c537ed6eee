#pragma once
// How many words a text has, counted the same way everywhere: in the editor
// as you type and in Statistics.

#include <QStringView>

// Runs of characters between white space; a picture (its object replacement
// character) is no word and parts words like a space.
int CountWords(QStringView text);

// True for the characters that separate words.
inline bool IsWordBreak(QChar c)
{
    return c.isSpace() || c == QChar::ObjectReplacementCharacter;
}
