#include "desktop/view/TrendChartView.h"

#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "desktop/shell/Prompts.h"

namespace lumaret::desktop {

TrendChartView::TrendChartView(QWidget* parent) : QChartView(parent) {
  setObjectName("TrendChart");
  setRenderHint(QPainter::Antialiasing);
}

void TrendChartView::Show(const std::vector<display::TrendSeries>& series) {
  auto* chart = new QChart;
  chart->setTitle(ToQt(display::kTrendChartTitle));
  chart->legend()->setAlignment(Qt::AlignRight);
  auto* band = new QValueAxis;
  band->setTitleText(ToQt(display::kTrendAxisBand));
  band->setLabelFormat("%.0f");
  auto* directivity = new QValueAxis;
  directivity->setTitleText(ToQt(display::kTrendAxisDirectivity));
  directivity->setLabelFormat("%.2f");
  chart->addAxis(band, Qt::AlignBottom);
  chart->addAxis(directivity, Qt::AlignLeft);
  double minX = 0, maxX = 1, minY = 0, maxY = 1;
  bool first = true;
  for (const display::TrendSeries& s : series) {
    auto* line = new QLineSeries;
    line->setName(ToQt(s.name));
    line->setPointsVisible(true);
    for (const auto& [frequency, value] : s.points) {
      line->append(frequency, value);
      minX = first ? frequency : std::min(minX, frequency);
      maxX = first ? frequency : std::max(maxX, frequency);
      minY = first ? value : std::min(minY, value);
      maxY = first ? value : std::max(maxY, value);
      first = false;
    }
    chart->addSeries(line);
    line->attachAxis(band);
    line->attachAxis(directivity);
  }
  // A little room around the points, so that none sits on the frame.
  const double padX = std::max((maxX - minX) * 0.05, 5.0);
  const double padY = std::max((maxY - minY) * 0.1, 0.2);
  band->setRange(minX - padX, maxX + padX);
  directivity->setRange(minY - padY, maxY + padY);
  band->applyNiceNumbers();
  directivity->applyNiceNumbers();
  QChart* old = this->chart();
  setChart(chart);
  delete old;
}

}  // namespace lumaret::desktop
