#pragma once
// The main window's entry on view: its text (read-only, links clickable),
// the four rating labels with the mood face, the two marks and the two
// measurements. It only shows; it never writes to the diary.

#include "ratings/RatingLabels.h"
#include "widgets/GraphSeries.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

struct DiaryEntry;
class CEntryRichEdit;
class QCheckBox;
class QLabel;
class QLineEdit;

class CEntryPanel : public QWidget
{
    Q_OBJECT
public:
    explicit CEntryPanel(QWidget* parent);

    // The view's texts when no entry is shown: after start-up or opening,
    // and after the last entry has been deleted.
    static QString WelcomeText();
    static QString EmptyDiaryText();

    // The entry's text, labels, face, marks and measurements.
    void Display(const DiaryEntry& entry, const RatingLabels& labels);
    // A text of the program's own in the view, every field empty.
    void ShowMessage(const QString& text);
    // Selects `length` characters from `offset` of the text on view and
    // scrolls them into sight: a found text stays highlighted.
    void Highlight(qsizetype offset, qsizetype length);
    // Shows the fields (with their captions) of the series shown.
    void ApplyShown(const GraphSeriesSet& shown);

    CEntryRichEdit* View() const { return m_pView; }
    // The panel's controls in Tab order.
    std::vector<QWidget*> TabChain() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FieldRow
    {
        QLabel* caption = nullptr;
        QLineEdit* field = nullptr;
    };

    CEntryRichEdit* m_pView = nullptr;
    // Mood, fatigue, shape, dream, temperature, weight.
    FieldRow m_rows[6];
    QLabel* m_pFace = nullptr;
    QCheckBox* m_pCopulation = nullptr;
    QCheckBox* m_pMenstruus = nullptr;
    QPixmap m_faces[7];
};
