#pragma once
// Reminder and task descriptions as the user sees them: a record's text in
// any script when the diary keeps one, else its Windows-1252 field; their
// length counted in characters as the user sees them (grapheme clusters);
// and the field an encrypted diary stores for a text in any script.

#include "store/Records.h"

#include <QString>
#include <string>

class CScriptText
{
public:
    static QString Of(const ReminderRecord& reminder);
    static QString Of(const PlannerRecord& task);
    // Characters as the user sees them: "й" typed as two code points, or a
    // flag of two, counts one.
    static int Length(const QString& text);
    // The first `count` of those characters.
    static QString Left(const QString& text, int count);
    // The Windows-1252 field of `text`: one byte for each character that code
    // page holds (in its composed form), `?` for each it lacks.
    static std::string StoredForm(const QString& text);
};
