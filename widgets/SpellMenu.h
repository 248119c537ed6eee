#pragma once
// The spelling part of the editor's context menu: for a misspelt word under
// the pointer (or the cursor, when the menu comes from the keyboard) up to
// five suggestions that replace it, "Add to dictionary" and "Ignore", above
// the usual editing commands.

#include <QCoreApplication>
#include <QTextCursor>

class QMenu;
class CSpellHighlighter;

class CSpellMenu
{
    Q_DECLARE_TR_FUNCTIONS(CSpellMenu)

public:
    // Adds nothing when the word at `at` is spelt right or there is none.
    static void AddWordActions(QMenu& menu, const QTextCursor& at, CSpellHighlighter& spelling);
};
