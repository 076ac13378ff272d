// The plot renderer on a full-HD view: 25 displayed cuts of 1,441 points each (every
// 0.25 degrees), polar and Cartesian, with the grid image cached as in the view (the
// grid is drawn once before the timing starts).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "render/PlotRenderer.h"

namespace {

using namespace lumaret;

void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "lumaret_bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);  // lives for the rest of the process
  }
}

std::vector<display::PlotCurve> Curves(const display::PlotState& state) {
  std::vector<display::PlotCurve> curves(25);
  for (int c = 0; c < 25; ++c) {
    curves[c].colour = display::Rgb(10 * c, 0, 255 - 10 * c);
    for (int i = 0; i < 1441; ++i) {
      const float angle = -180.0f + 0.25f * static_cast<float>(i);
      const float level = static_cast<float>(-12.0 * std::pow(angle / 65.0, 2) - c * 0.5 + std::sin(i * 0.1));
      curves[c].points.push_back(state.mode == display::CoordinateMode::Polar
                                     ? display::PolarPoint(state, angle, level, 0.0f)
                                     : display::CartesianPoint(state, angle, level, 0.0f));
    }
  }
  return curves;
}

void RenderView(benchmark::State& bench, display::CoordinateMode mode) {
  EnsureGuiApplication();
  const QSize size(1920, 1080);
  const display::PlotState state = display::MakePlotState(mode, display::DrawSetting{}, false);
  const render::PlotPicture picture = render::MakePlotPicture(state, size, display::GridColours{}, true, Curves(state));
  QImage target(size, QImage::Format_ARGB32_Premultiplied);
  render::PlotRenderer renderer;
  {
    QPainter painter(&target);
    renderer.Render(painter, size, picture);
  }
  for (auto _ : bench) {
    QPainter painter(&target);
    renderer.Render(painter, size, picture);
  }
  bench.counters["grid_draws"] = renderer.GridDrawCount();
}

void BM_RenderPolar25Cuts(benchmark::State& s) { RenderView(s, display::CoordinateMode::Polar); }
void BM_RenderCartesian25Cuts(benchmark::State& s) { RenderView(s, display::CoordinateMode::Cartesian); }
BENCHMARK(BM_RenderPolar25Cuts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderCartesian25Cuts)->Unit(benchmark::kMillisecond);

}  // namespace
