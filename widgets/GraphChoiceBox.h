#pragma once
// The "Choose graphs:" group: eight push-like toggle buttons that switch the
// graph's series on and off (and, in the main window, the matching fields of
// the entry view). Their states persist in the settings and are written all
// eight together whenever one of them changes.

#include "widgets/GraphSeries.h"

#include <QGroupBox>
#include <array>

class CGraphCtrl;
class QAbstractButton;

class CGraphChoiceBox : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int kSeriesCount = GraphSeriesSet::kCount;

    // Reads the eight settings and checks the buttons accordingly.
    explicit CGraphChoiceBox(QWidget* parent = nullptr);

    // The button's caption ("Mood" ... "Copulation"); its settings key is
    // CSettings::kGraphSeries.
    static QString Caption(GraphSeries series);

    bool IsShown(GraphSeries series) const;
    GraphSeriesSet Shown() const;
    // Sets a button without writing the settings or emitting a signal.
    void SetShown(GraphSeries series, bool shown);
    QAbstractButton* Button(GraphSeries series) const;

    // Copies the eight states into the graph's show flags. With a diary open
    // the graph renders again; without one it is left as it is.
    void ApplyTo(CGraphCtrl& graph, bool diaryOpen) const;

signals:
    // A button was toggled by the user; the settings are already written.
    void ShowFlagsChanged();

private:
    void OnToggled();
    void WriteSettings() const;

    std::array<QAbstractButton*, kSeriesCount> m_buttons{};
};
