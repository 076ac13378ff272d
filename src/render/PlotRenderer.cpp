#include "render/PlotRenderer.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace lumaret::render {

namespace {

QColor ToQColor(display::Colour c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

// The logical-to-device mapping as a transform: device = viewport origin + (logical -
// window origin) x viewport extent / window extent, on each axis.
QTransform DeviceTransform(const display::PlotMapping& m) {
  const double sx = m.windowExtX != 0 ? static_cast<double>(m.viewportExtX) / m.windowExtX : 0.0;
  const double sy = m.windowExtY != 0 ? static_cast<double>(m.viewportExtY) / m.windowExtY : 0.0;
  return QTransform(sx, 0, 0, sy, m.viewportOrgX - m.windowOrgX * sx, m.viewportOrgY - m.windowOrgY * sy);
}

QPen ToQPen(const display::Pen& pen, const QTransform& toDevice) {
  QPen q(ToQColor(pen.colour));
  q.setStyle(pen.style == display::PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  // A width in logical units scales with the mapping; width 1 is one device pixel.
  q.setWidthF(pen.logicalWidth > 0 ? std::max(1.0, pen.logicalWidth * std::abs(toDevice.m11())) : 1.0);
  q.setCosmetic(true);
  return q;
}

QFont PlotFont(int pixelHeight) {
  QFont font;
  font.setFamilies({QString::fromUtf8(display::kPlotFontFamily), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Sans Serif")});
  font.setPixelSize(std::max(1, pixelHeight));
  return font;
}

QPointF Device(const QTransform& toDevice, display::LogicalPoint p) { return toDevice.map(QPointF(p.x, p.y)); }

// A label that would run past the right or bottom edge of the picture (a wider fallback
// font than the one the offsets were made for) is moved back inside it. A label whose
// anchor lies outside the picture (a zoom moved it away) stays where it is, out of sight,
// instead of being piled up at the edge.
QPointF KeptInside(QPointF at, const QSizeF& text, QSize area) {
  if (at.x() < 0 || at.y() < 0 || at.x() >= area.width() || at.y() >= area.height()) return at;
  at.setX(std::max(0.0, std::min(at.x(), area.width() - 2.0 - text.width())));
  at.setY(std::max(0.0, std::min(at.y(), area.height() - 1.0 - text.height())));
  return at;
}

void DrawItem(QPainter& painter, QSize area, const QTransform& toDevice, const display::GridItem& item) {
  using Kind = display::GridItem::Kind;
  switch (item.kind) {
    case Kind::Circle: {
      painter.setPen(ToQPen(item.pen, toDevice));
      painter.setBrush(Qt::NoBrush);
      const QPointF centre = Device(toDevice, item.from);
      painter.drawEllipse(centre, item.radius * std::abs(toDevice.m11()), item.radius * std::abs(toDevice.m22()));
      break;
    }
    case Kind::Line:
      painter.setPen(ToQPen(item.pen, toDevice));
      painter.drawLine(Device(toDevice, item.from), Device(toDevice, item.to));
      break;
    case Kind::Text: {
      painter.setPen(Qt::black);
      painter.setFont(PlotFont(item.fontPixelHeight));
      const QString text = QString::fromUtf8(item.text.c_str());
      const QSizeF extent = painter.fontMetrics().size(Qt::TextSingleLine, text);
      const QPointF at = KeptInside(Device(toDevice, item.from), extent, area);
      painter.drawText(QRectF(at, extent), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
      break;
    }
  }
}

QPen CosmeticPen(display::Colour colour, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(ToQColor(colour));
  pen.setCosmetic(true);
  pen.setWidthF(1.0);
  pen.setStyle(style);
  return pen;
}

QPolygonF DevicePolyline(const QTransform& toDevice, const std::vector<display::LogicalPoint>& points) {
  QPolygonF line;
  line.reserve(static_cast<qsizetype>(points.size()));
  for (const display::LogicalPoint& p : points) line.append(Device(toDevice, p));
  return line;
}

constexpr int kOverlayFontPixels = 12;
constexpr int kMarkerArm = 4;  // the cross spans 2 x 4 + 1 = 9 pixels
constexpr int kLabelGap = 6;

void DrawLabel(QPainter& painter, QSize area, QPointF at, const std::string& text) {
  const QString label = QString::fromUtf8(text.c_str());
  const QSizeF extent = painter.fontMetrics().size(Qt::TextSingleLine, label);
  painter.drawText(QRectF(KeptInside(at, extent, area), extent), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                   label);
}

}  // namespace

PlotPicture MakePlotPicture(const display::PlotState& state, QSize size, const display::GridColours& colours,
                            bool referenceLine, std::vector<display::PlotCurve> curves) {
  PlotPicture picture;
  picture.state = state;
  picture.mapping = display::ScreenMapping(state, size.width(), size.height());
  picture.gridColours = colours;
  picture.referenceLine = referenceLine;
  picture.curves = std::move(curves);
  return picture;
}

void DrawGrid(QPainter& painter, QSize size, const PlotPicture& picture) {
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QTransform toDevice = DeviceTransform(picture.mapping);
  const std::vector<display::GridItem> items =
      picture.state.mode == display::CoordinateMode::Polar
          ? display::PolarGrid(picture.state, picture.mapping, picture.gridColours, picture.referenceLine)
          : display::CartesianGrid(picture.state, picture.mapping, picture.gridColours, picture.referenceLine);
  for (const display::GridItem& item : items) DrawItem(painter, size, toDevice, item);
  painter.restore();
}

void DrawCurves(QPainter& painter, const PlotPicture& picture) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  const QTransform toDevice = DeviceTransform(picture.mapping);
  for (const display::PlotCurve& curve : picture.curves) {
    if (curve.points.empty()) continue;
    painter.setPen(CosmeticPen(curve.colour, curve.dotted ? Qt::DotLine : Qt::SolidLine));
    painter.drawPolyline(DevicePolyline(toDevice, curve.points));  // open: no segment back to the first sample
  }
  painter.restore();
}

void DrawOverlay(QPainter& painter, QSize size, const PlotPicture& picture) {
  const display::PlotOverlay& overlay = picture.overlay;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setFont(PlotFont(kOverlayFontPixels));
  const QTransform toDevice = DeviceTransform(picture.mapping);
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const display::PlotEnvelope& envelope : overlay.envelopes) {
    if (envelope.points.empty()) continue;
    painter.setPen(CosmeticPen(envelope.colour));
    painter.drawPolyline(DevicePolyline(toDevice, envelope.points));
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (overlay.spr) {
    painter.setPen(CosmeticPen(overlay.spr->colour, Qt::DashLine));
    for (const auto& [inner, outer] : overlay.spr->bounds)
      painter.drawLine(Device(toDevice, inner), Device(toDevice, outer));
    painter.setPen(CosmeticPen(overlay.spr->colour));
    if (!overlay.spr->text.empty())
      DrawLabel(painter, size, Device(toDevice, overlay.spr->textAt) + QPointF(kLabelGap, -2 * kLabelGap),
                overlay.spr->text);
  }
  for (const display::PlotMarker& marker : overlay.markers) {
    painter.setPen(CosmeticPen(marker.colour));
    const QPointF c = Device(toDevice, marker.at);
    const QPoint centre(static_cast<int>(std::lround(c.x())), static_cast<int>(std::lround(c.y())));
    painter.drawLine(centre - QPoint(kMarkerArm, 0), centre + QPoint(kMarkerArm, 0));
    painter.drawLine(centre - QPoint(0, kMarkerArm), centre + QPoint(0, kMarkerArm));
    DrawLabel(painter, size, QPointF(centre) + QPointF(kLabelGap, kLabelGap), marker.label);
  }
  painter.restore();
}

void PlotRenderer::Render(QPainter& painter, QSize size, const PlotPicture& picture) {
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const bool stale = grid_.isNull() || grid_.size() != size * ratio || !(gridState_ == picture.state) ||
                     !(gridMapping_ == picture.mapping) || !(gridColours_ == picture.gridColours) ||
                     gridReferenceLine_ != picture.referenceLine;
  if (stale) {
    grid_ = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
    grid_.setDevicePixelRatio(ratio);
    QPainter gridPainter(&grid_);
    DrawGrid(gridPainter, size, picture);
    gridState_ = picture.state;
    gridMapping_ = picture.mapping;
    gridColours_ = picture.gridColours;
    gridReferenceLine_ = picture.referenceLine;
    ++gridDraws_;
  }
  painter.drawImage(QPoint(0, 0), grid_);
  DrawCurves(painter, picture);
  DrawOverlay(painter, size, picture);
}

QImage RenderPlotImage(QSize size, const PlotPicture& picture) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawGrid(painter, size, picture);
  DrawCurves(painter, picture);
  DrawOverlay(painter, size, picture);
  return image;
}

void PaintPlotOnPage(QPainter& painter, const QRectF& page, const PlotPicture& picture, int resolution) {
  if (page.width() <= 0 || page.height() <= 0 || resolution <= 0) return;
  const double scale = resolution / std::max(page.width(), page.height());
  const QSize size(std::max(1, static_cast<int>(page.width() * scale)), std::max(1, static_cast<int>(page.height() * scale)));
  PlotPicture unzoomed = picture;
  unzoomed.mapping = display::ScreenMapping(picture.state, size.width(), size.height());
  painter.drawImage(page, RenderPlotImage(size, unzoomed));
}

}  // namespace lumaret::render
