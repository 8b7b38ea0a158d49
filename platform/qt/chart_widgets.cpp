// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <utility>

#include "platform/chart_points.h"

namespace platform::qt {
namespace {

QList<QPointF> pointsOf(const std::vector<ChartPoint>& points) {
  QList<QPointF> shown;
  shown.reserve(static_cast<qsizetype>(points.size()));
  for (const ChartPoint& p : points)
    shown.append(QPointF(p.step, p.value));
  return shown;
}

class ChartWidget final : public Bound<QChartView> {
 public:
  ChartWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    for (auto [series, colour] :
         {std::pair{earlier_, QColor(70, 100, 170)}, std::pair{marked_, QColor(220, 80, 0)}}) {
      series->setPen(QPen(colour, 2));
      chart->addSeries(series);
    }
    x_->setLabelFormat("%d");
    y_->setLabelFormat("%.0f");
    chart->addAxis(x_, Qt::AlignBottom);
    chart->addAxis(y_, Qt::AlignLeft);
    for (QLineSeries* series : {earlier_, marked_}) {
      series->attachAxis(x_);
      series->attachAxis(y_);
    }
    // The view lets go of the chart it was made with rather than deleting it.
    QChart* made = this->chart();
    setChart(chart);
    delete made;
    setRenderHint(QPainter::Antialiasing);
    showLine();
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    const QString title = QString::fromStdString(control_.caption);
    if (chart()->title() != title) chart()->setTitle(title);
    earlier_->setName(QString::fromStdString(control_.chartName));
    marked_->setName(QString::fromStdString(control_.chartMarkName));
    if (control_.chartValues == shownValues_ && control_.chartMarkFrom == shownMark_) return;
    shownValues_ = control_.chartValues;
    shownMark_ = control_.chartMarkFrom;
    showLine();
  }

 private:
  void showLine() {
    const std::vector<double>& values = shownValues_;
    const std::size_t mark = std::min(shownMark_, values.size());
    // Four points a pixel column at the most for each part; more would not show.
    const std::size_t most = static_cast<std::size_t>(std::max(4 * toPixels(control_.geometry.width), 16));
    earlier_->replace(pointsOf(thinnedLine(values, 0, mark, most)));
    // The marked part starts at the last earlier value, so the line is whole.
    marked_->replace(pointsOf(thinnedLine(values, mark == 0 ? 0 : mark - 1, values.size(), most)));
    earlier_->setVisible(mark > 0);
    marked_->setVisible(mark < values.size());
    for (QLineSeries* series : {earlier_, marked_}) {
      for (QLegendMarker* marker : chart()->legend()->markers(series))
        marker->setVisible(series->isVisible());
    }
    double low = 0, high = 1;
    if (!values.empty()) {
      const auto [least, largest] = std::minmax_element(values.begin(), values.end());
      low = *least;
      high = *largest;
    }
    if (high - low < 1) high = low + 1;
    const double margin = (high - low) * 0.05;
    y_->setRange(low - margin, high + margin);
    x_->setRange(1, std::max<double>(2, static_cast<double>(values.size())));
    // Whole steps only: a short line gets as many ticks as it has values.
    x_->setTickCount(static_cast<int>(std::clamp<std::size_t>(values.size(), 2, 5)));
    // An empty chart shows its title alone, not axes of nothing.
    x_->setVisible(!values.empty());
    y_->setVisible(!values.empty());
  }

  QLineSeries* earlier_ = new QLineSeries;
  QLineSeries* marked_ = new QLineSeries;
  QValueAxis* x_ = new QValueAxis;
  QValueAxis* y_ = new QValueAxis;
  std::vector<double> shownValues_;
  std::size_t shownMark_ = 0;
};

constexpr WidgetMaker kChartWidgets[] = {
    {ControlKind::Chart, makeWidget<ChartWidget>},
};

}  // namespace

constexpr std::span<const WidgetMaker> chartWidgets = kChartWidgets;

}  // namespace platform::qt
