#include "widgets/WordCountLabel.h"

#include "rtf/WordCount.h"

#include <QTextCursor>
#include <QTextEdit>

CWordCountLabel::CWordCountLabel(QTextEdit* edit, QWidget* parent) : QLabel(parent), m_pEdit(edit)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &CWordCountLabel::Update);
    const auto later = [this] { m_timer.start(); };
    connect(edit, &QTextEdit::textChanged, this, later);
    connect(edit, &QTextEdit::selectionChanged, this, later);
    Update();
}

QString CWordCountLabel::Text(int words, int selected)
{
    QString text = words == 1 ? tr("1 word") : tr("%n words", "", words);
    if (selected >= 0) {
        text += tr(" (%1 selected)").arg(selected);
    }
    return text;
}

void CWordCountLabel::Update()
{
    m_timer.stop();
    const QTextCursor cursor = m_pEdit->textCursor();
    const int selected = cursor.hasSelection() ? CountWords(cursor.selectedText()) : -1;
    setText(Text(CountWords(m_pEdit->document()->toPlainText()), selected));
}
