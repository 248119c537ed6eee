#include "platform/RecentDiaries.h"

#include "platform/Settings.h"

namespace {

QString KeyOf(int number)
{
    return QStringLiteral("RecentDiary%1").arg(number);
}

} // namespace

QStringList CRecentDiaries::Added(const QStringList& list, const QString& path)
{
    QStringList added;
    if (!path.isEmpty()) {
        added.append(path);
    }
    for (const QString& other : list) {
        if (added.size() == kMaximum) {
            break;
        }
        if (!other.isEmpty() && !added.contains(other)) {
            added.append(other);
        }
    }
    return added;
}

QStringList CRecentDiaries::Load()
{
    QStringList list;
    for (int number = 1; number <= kMaximum; ++number) {
        list.append(CSettings::GetProfileString(KeyOf(number)));
    }
    return Added(list, QString());
}

void CRecentDiaries::Add(const QString& path)
{
    Save(Added(Load(), path));
}

void CRecentDiaries::Remove(const QString& path)
{
    QStringList list = Load();
    list.removeAll(path);
    Save(list);
}

void CRecentDiaries::Clear()
{
    Save({});
}

void CRecentDiaries::Save(const QStringList& list)
{
    for (int number = 1; number <= kMaximum; ++number) {
        CSettings::WriteProfileString(KeyOf(number),
                                      number <= list.size() ? list[number - 1] : QString());
    }
}
