#pragma once
// The words a user added to the spelling dictionary: a UTF-8 file, one word
// a line, sorted. Each addition rewrites the file beside the old one, flushes
// it and renames it over the old one, readable by its owner only.

#include <QSet>
#include <QString>

class CPersonalWordList
{
public:
    // Reads the list; a missing or unreadable file is an empty list.
    explicit CPersonalWordList(const QString& path);

    bool Contains(const QString& word) const { return m_words.contains(word); }
    // False when the file could not be written (the word is kept in memory).
    bool Add(const QString& word);
    const QString& Path() const { return m_strPath; }

private:
    QString m_strPath;
    QSet<QString> m_words;
};
