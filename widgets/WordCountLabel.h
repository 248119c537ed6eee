#pragma once
// "N words" under the entry editor, and the selection's count when text is
// selected. Counted a moment after the typing pauses, so that a long entry
// never slows the typing down.

#include <QLabel>
#include <QTimer>

class QTextEdit;

class CWordCountLabel : public QLabel
{
    Q_OBJECT
public:
    // The pause after a change before the words are counted again.
    static constexpr int kDelayMs = 200;

    CWordCountLabel(QTextEdit* edit, QWidget* parent);

    // "1 word", "N words", "N words (M selected)"; selected < 0: no selection.
    static QString Text(int words, int selected);

    // Counts now.
    void Update();

private:
    QTextEdit* m_pEdit;
    QTimer m_timer;
};
