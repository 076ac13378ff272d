#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include "render/PlotRenderer.h"
#include "support/TempDir.h"

using namespace lumaret;

TEST(PlotPrintTest, ThePlotPrintsOnOneNonEmptyPage) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.path() / "plot.pdf").string());
  const display::PlotState state = display::MakePlotState(display::CoordinateMode::Polar, display::DrawSetting{}, false);
  display::PlotCurve curve;
  curve.colour = 0x0000FF;
  for (int a = -180; a <= 180; a += 5) curve.points.push_back(display::PolarPoint(state, a, -10.0f, 0.0f));
  const render::PlotPicture picture =
      render::MakePlotPicture(state, QSize(400, 300), display::GridColours{}, false, {curve});
  {
    QPdfWriter pdf(path);
    pdf.setResolution(300);
    QPainter painter(&pdf);
    render::PaintPlotOnPage(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), picture);
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
  EXPECT_GT(bytes.size(), 10000) << "the page carries the rendered plot";
}
