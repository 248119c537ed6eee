#include "widgets/SpellMenu.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "widgets/SpellChecker.h"
#include "widgets/SpellHighlighter.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>

void CSpellMenu::AddWordActions(QMenu& menu, const QTextCursor& at, CSpellHighlighter& spelling)
{
    const QTextBlock block = at.block();
    const QString text = block.text();
    const int column = at.positionInBlock();
    LinkSpan found{-1, 0};
    for (const LinkSpan& word : spelling.FindMisspelt(text)) {
        // The pointer on a word's last letter puts the cursor just after it.
        if (column >= word.start && column <= word.start + word.length) {
            found = word;
            break;
        }
    }
    if (found.start < 0) {
        return;
    }
    const QString word = text.mid(found.start, found.length);
    QPointer<QTextDocument> document(at.document());
    const int position = block.position() + found.start;
    QPointer<CSpellHighlighter> highlighter(&spelling);
    QPointer<QWidget> owner(menu.parentWidget());

    QAction* first = menu.actions().value(0);
    QList<QAction*> actions;
    const QStringList suggestions = spelling.Checker().Suggest(word);
    for (const QString& suggestion : suggestions) {
        auto* action = new QAction(suggestion, &menu);
        QFont font = action->font();
        font.setBold(true);
        action->setFont(font);
        QObject::connect(action, &QAction::triggered, &menu, [=] {
            if (document.isNull()) {
                return;
            }
            QTextCursor cursor(document.data());
            cursor.setPosition(position);
            cursor.setPosition(position + found.length, QTextCursor::KeepAnchor);
            // Still the same word: the document may have changed under the menu.
            if (cursor.selectedText() == word) {
                cursor.insertText(suggestion);
            }
        });
        actions.append(action);
    }
    if (suggestions.isEmpty()) {
        auto* none = new QAction(tr("No suggestions"), &menu);
        none->setEnabled(false);
        actions.append(none);
    }
    auto* add = new QAction(tr("Add to dictionary"), &menu);
    QObject::connect(add, &QAction::triggered, &menu, [=] {
        if (highlighter.isNull()) {
            return;
        }
        if (!highlighter->Checker().AddToDictionary(word)) {
            CMessageBox::Show(owner.data(),
                              tr("The word could not be saved in your dictionary (%1).")
                                  .arg(highlighter->Checker().WordListPath()),
                              CAppInfo::AppName(), CMessageBox::Icon::Exclamation);
        }
        highlighter->rehighlight();
    });
    actions.append(add);
    auto* ignore = new QAction(tr("Ignore"), &menu);
    QObject::connect(ignore, &QAction::triggered, &menu, [=] {
        if (!highlighter.isNull()) {
            highlighter->Checker().Ignore(word);
            highlighter->rehighlight();
        }
    });
    actions.append(ignore);

    menu.insertActions(first, actions);
    if (first != nullptr) {
        menu.insertSeparator(first);
    }
}
