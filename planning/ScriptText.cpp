#include "planning/ScriptText.h"

#include "platform/AnsiCodec.h"

#include <QList>
#include <QTextBoundaryFinder>
#include <cstring>
#include <string_view>

namespace {

template <size_t N> QString Field(const std::string& text, const char (&field)[N])
{
    if (!text.empty())
        return QString::fromStdString(text);
    return CAnsiCodec::ToQString(std::string_view(field, strnlen(field, N - 1)));
}

// The character boundaries of text, its end included.
QList<qsizetype> Boundaries(const QString& text)
{
    QList<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() != -1)
        ends << finder.position();
    return ends;
}

} // namespace

QString CScriptText::Of(const ReminderRecord& reminder)
{
    return Field(reminder.text, reminder.description);
}

QString CScriptText::Of(const PlannerRecord& task)
{
    return Field(task.text, task.description);
}

int CScriptText::Length(const QString& text)
{
    return static_cast<int>(Boundaries(text).size());
}

QString CScriptText::Left(const QString& text, int count)
{
    const QList<qsizetype> ends = Boundaries(text);
    return count >= ends.size() ? text : text.left(count <= 0 ? 0 : ends[count - 1]);
}

std::string CScriptText::StoredForm(const QString& text)
{
    std::string stored;
    qsizetype start = 0;
    for (const qsizetype end : Boundaries(text)) {
        const QString one = text.mid(start, end - start).normalized(QString::NormalizationForm_C);
        const std::optional<std::string> byte = CAnsiCodec::FromQString(one);
        stored += byte && byte->size() == 1 ? *byte : std::string("?");
        start = end;
    }
    return stored;
}
