#pragma once
// The Statistics window of the open diary: a year in colours for one rating
// (with year and rating selectors), the monthly averages as a chart, and the
// figures of the whole diary beside them, always in view. A click or Enter
// on a day asks the main window to show that day's entry; "Save picture..."
// writes the year or the chart as a PNG file.

#include "ratings/RatingLabels.h"
#include "stats/DiaryFigures.h"
#include "store/DiarySession.h"

#include <QDialog>
#include <cstdint>
#include <vector>

class CWordCounter;
class CYearGridView;
class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;

// How many of the most used tags the figures list.
inline constexpr int kTopTags = 8;

class CStatisticsDlg : public QDialog
{
    Q_OBJECT

public:
    // now decides "today" for the streaks and the year shown first.
    CStatisticsDlg(const CDiarySession& session, int64_t now, QWidget* parent = nullptr);
    ~CStatisticsDlg() override;

    int Year() const;
    void SetYear(int year);
    void SetScale(RatingScale scale);

    // Asks for the picture's name and writes the page on view (the year or
    // the chart) there.
    void OnSavePicture();

    CYearGridView* Grid() const { return m_pGrid; }
    QChartView* ChartView() const { return m_pChartView; }
    QTabWidget* Pages() const { return m_pPages; }
    const std::vector<EntryHeader>& Headers() const { return m_headers; }

signals:
    // The entry at this index should be shown in the main window. The word
    // count pauses while the signal is handled, so the diary's files are free.
    void ShowEntryRequested(int entry);

private:
    void BuildLayout();
    void ShowYear();
    void ShowChart();
    void OnEntryRequested(int entry);
    // The average words and the most used tags, as far as they are counted.
    void ShowCounted();

    const CDiarySession& m_session;
    int64_t m_nNow;
    RatingLabels m_labels;
    std::vector<EntryHeader> m_headers;
    std::vector<int32_t> m_days;
    std::vector<int> m_years;

    QComboBox* m_pYear = nullptr;
    QComboBox* m_pScale = nullptr;
    QCheckBox* m_pAllYears = nullptr;
    QTabWidget* m_pPages = nullptr;
    CYearGridView* m_pGrid = nullptr;
    QChart* m_pChart = nullptr;
    QChartView* m_pChartView = nullptr;
    QLabel* m_pWords = nullptr;
    QLabel* m_pTags = nullptr;
    CWordCounter* m_pCounter = nullptr;
};
