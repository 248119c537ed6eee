#pragma once
// The diaries opened last, most recent first, at most eight, kept in the
// settings as "RecentDiary1" ... "RecentDiary8" (full paths).

#include <QString>
#include <QStringList>

class CRecentDiaries
{
public:
    static constexpr int kMaximum = 8;

    // `list` with `path` at its front: taken out of where it was before,
    // empty names dropped, the ninth and later cut off.
    static QStringList Added(const QStringList& list, const QString& path);

    static QStringList Load();
    static void Add(const QString& path);
    static void Remove(const QString& path);
    static void Clear();

private:
    static void Save(const QStringList& list);
};
