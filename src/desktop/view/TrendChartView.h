#pragma once

#include <QtCharts/QChartView>

#include "display/DirectivityTrend.h"

namespace lumaret::desktop {

// The directivity trend chart: one line per group of files, directivity over frequency,
// with its title and axis titles. It stands in for the plot until the plot is shown again.
class TrendChartView : public QChartView {
  Q_OBJECT
 public:
  explicit TrendChartView(QWidget* parent = nullptr);
  void Show(const std::vector<display::TrendSeries>& series);
};

}  // namespace lumaret::desktop
