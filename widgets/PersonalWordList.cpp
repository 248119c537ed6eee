#include "widgets/PersonalWordList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <sys/stat.h>

namespace {
// Longer than any word; a line past it is not a word the user added.
constexpr int kMaxWordLength = 100;
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;
} // namespace

CPersonalWordList::CPersonalWordList(const QString& path) : m_strPath(path)
{
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && word.size() <= kMaxWordLength) {
            m_words.insert(word);
        }
    }
}

bool CPersonalWordList::Add(const QString& word)
{
    if (word.isEmpty() || word.size() > kMaxWordLength || word.contains(QLatin1Char('\n'))) {
        return false;
    }
    m_words.insert(word);
    QStringList sorted(m_words.begin(), m_words.end());
    std::sort(sorted.begin(), sorted.end());

    QDir().mkpath(QFileInfo(m_strPath).absolutePath());
    QSaveFile file(m_strPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // The temporary file becomes the list: owner only before a word is in it.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        file.cancelWriting();
        return false;
    }
    file.write((sorted.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}
