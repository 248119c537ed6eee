#include "app/MergeTexts.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace {

// "12 entries, 1 reminder and 2 tasks" (empty when nothing is counted).
QString Listed(const CDiaryMerge::Plan& plan)
{
    QStringList parts;
    if (const size_t n = plan.Count(CDiaryMerge::Change::Kind::Add)) {
        parts << (n == 1 ? CMergeTexts::tr("1 entry")
                         : CMergeTexts::tr("%n entries", "", static_cast<int>(n)));
    }
    if (const size_t n = plan.reminders.size()) {
        parts << (n == 1 ? CMergeTexts::tr("1 reminder")
                         : CMergeTexts::tr("%n reminders", "", static_cast<int>(n)));
    }
    if (const size_t n = plan.tasks.size()) {
        parts << (n == 1 ? CMergeTexts::tr("1 task")
                         : CMergeTexts::tr("%n tasks", "", static_cast<int>(n)));
    }
    if (parts.size() < 2) {
        return parts.join(QString());
    }
    const QString last = parts.takeLast();
    return CMergeTexts::tr("%1 and %2").arg(parts.join(QStringLiteral(", ")), last);
}

size_t Counted(const CDiaryMerge::Plan& plan)
{
    return plan.Count(CDiaryMerge::Change::Kind::Add) + plan.reminders.size() + plan.tasks.size();
}

QString When(int64_t time)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(time), QLocale::ShortFormat);
}

} // namespace

QString CMergeTexts::Preview(const CDiaryMerge::Plan& plan)
{
    using Kind = CDiaryMerge::Change::Kind;
    QStringList text;
    const size_t added = Counted(plan);
    if (added == 0) {
        text << tr("Nothing will be added: this diary already holds everything the other copy "
                   "holds.");
    } else {
        text << tr("%1 will be added.").arg(Listed(plan));
    }
    if (const size_t n = plan.Count(Kind::Replace)) {
        text << (n == 1 ? tr("1 entry will be replaced by a newer version.")
                        : tr("%n entries will be replaced by a newer version.", "",
                             static_cast<int>(n)));
    }
    if (const size_t n = plan.Count(Kind::Delete)) {
        text << (n == 1 ? tr("1 entry will be deleted.")
                        : tr("%n entries will be deleted.", "", static_cast<int>(n)));
    }
    if (const size_t n = plan.conflicts.size()) {
        text << (n == 1 ? tr("1 entry was edited differently in both copies: both versions of "
                             "it will be kept.")
                        : tr("%n entries were edited differently in both copies: both versions "
                             "of each will be kept.",
                             "", static_cast<int>(n)));
    }
    if (plan.deletionsComeBack && added > 0) {
        text << tr("These copies keep no record of deletions: an entry deleted in only one of "
                   "them comes back.");
    }
    return text.join(QLatin1Char(' '));
}

QString CMergeTexts::Result(const CDiaryMerge::Plan& applied)
{
    using Kind = CDiaryMerge::Change::Kind;
    QStringList text;
    if (const size_t added = Counted(applied)) {
        text << (added == 1 ? tr("%1 was added.") : tr("%1 were added.")).arg(Listed(applied));
    }
    if (const size_t n = applied.Count(Kind::Replace)) {
        text << (n == 1
                     ? tr("1 entry was replaced by a newer version.")
                     : tr("%n entries were replaced by a newer version.", "", static_cast<int>(n)));
    }
    if (const size_t n = applied.Count(Kind::Delete)) {
        text << (n == 1 ? tr("1 entry was deleted.")
                        : tr("%n entries were deleted.", "", static_cast<int>(n)));
    }
    for (const auto& [first, second] : applied.conflicts) {
        text << tr("The entry of %1 was edited differently in both copies: both versions are "
                   "kept (%1 and %2).")
                    .arg(When(first), When(second));
    }
    return text.join(QLatin1Char(' '));
}
