#pragma once
// The monthly averages of the four ratings as a line chart: one line per
// rating in the graph panel's colours, months along the bottom.

#include "stats/MonthlyAverages.h"

#include <vector>

class QChart;

// Replaces the chart's series and axes. A month without a rating leaves a
// gap in that rating's line.
void FillMonthlyChart(QChart& chart, const std::vector<MonthAverage>& months);
