#include "render/CommandIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace lumaret::render {

namespace {

// Every command icon is drawn on a 24-unit grid; the painter scales it to the pixmap size.
constexpr double kGrid = 24.0;
const QColor kInk(0x3c, 0x40, 0x46);
const QColor kAccent(0x1e, 0x78, 0xc8);

QPen InkPen(double width = 1.6) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QPen AccentPen(double width = 1.8) { return QPen(kAccent, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A filled arrow head whose tip is at `tip`, pointing along (dx, dy) (a unit vector).
void ArrowHead(QPainter& p, QPointF tip, double dx, double dy, double size = 3.4) {
  const QPointF back = tip - QPointF(dx, dy) * size;
  const QPointF side = QPointF(-dy, dx) * (size * 0.6);
  p.save();
  p.setPen(QPen(p.pen().color(), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(p.pen().color());
  p.drawPolygon(QPolygonF{tip, back + side, back - side});
  p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  const double dx = d.x() / length, dy = d.y() / length;
  p.drawLine(from, to - QPointF(dx, dy) * 2.0);
  ArrowHead(p, to, dx, dy);
}

// A main beam between `left` and `right` on the baseline y = `base`, peaking at `peak`.
QPainterPath Beam(double left, double right, double base, double peak) {
  const double mid = (left + right) / 2, quarter = (right - left) / 4;
  QPainterPath path(QPointF(left, base));
  path.cubicTo(left + quarter * 1.2, base, mid - quarter * 0.9, peak, mid, peak);
  path.cubicTo(mid + quarter * 0.9, peak, right - quarter * 1.2, base, right, base);
  return path;
}

// A polar lobe from `centre` out to `length` units upwards, `width` units across.
QPainterPath Lobe(QPointF centre, double length, double width) {
  const QPointF tip = centre - QPointF(0, length);
  QPainterPath path(centre);
  path.cubicTo(centre + QPointF(-width * 0.75, -length * 0.33), tip + QPointF(-width * 0.5, 0), tip);
  path.cubicTo(tip + QPointF(width * 0.5, 0), centre + QPointF(width * 0.75, -length * 0.33), centre);
  return path;
}

// A sheet of paper with a folded top-right corner.
void Document(QPainter& p, const QRectF& r) {
  const double fold = r.width() * 0.35;
  QPainterPath path(r.topLeft());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.bottomRight());
  path.lineTo(r.bottomLeft());
  path.closeSubpath();
  path.moveTo(r.right() - fold, r.top());
  path.lineTo(r.right() - fold, r.top() + fold);
  path.lineTo(r.right(), r.top() + fold);
  p.setBrush(Qt::white);
  p.drawPath(path);
  p.setBrush(Qt::NoBrush);
}

// Letters drawn as strokes (no font, so they look the same on every machine) in box `b`.
void Letter(QPainter& p, QChar c, const QRectF& b) {
  QPainterPath path;
  const double x = b.left(), y = b.top(), w = b.width(), h = b.height();
  switch (c.unicode()) {
    case 'C':
      path.arcMoveTo(b, 45);
      path.arcTo(b, 45, 270);
      break;
    case 'P':
      path.moveTo(x, y + h);
      path.lineTo(x, y);
      path.lineTo(x + w * 0.45, y);
      path.arcTo(QRectF(x + w * 0.1, y, w * 0.9, h * 0.55), 90, -180);
      path.lineTo(x, y + h * 0.55);
      break;
    case 'H':
      path.moveTo(x, y);
      path.lineTo(x, y + h);
      path.moveTo(x + w, y);
      path.lineTo(x + w, y + h);
      path.moveTo(x, y + h / 2);
      path.lineTo(x + w, y + h / 2);
      break;
    case 'V':
      path.moveTo(x, y);
      path.lineTo(x + w / 2, y + h);
      path.lineTo(x + w, y);
      break;
    case '+':
      path.moveTo(x + w / 2, y + (h - w) / 2);
      path.lineTo(x + w / 2, y + (h + w) / 2);
      [[fallthrough]];
    case '-':
      path.moveTo(x, y + h / 2);
      path.lineTo(x + w, y + h / 2);
      break;
    default:
      break;
  }
  p.drawPath(path);
}

// Two documents side by side, each with a letter, above the place of their link.
const QRectF kLeftDocument(1.5, 1.5, 9.5, 13.5);
const QRectF kRightDocument(13, 1.5, 9.5, 13.5);

void DocumentPair(QPainter& p, QChar left, QChar right) {
  p.setPen(InkPen(1.4));
  Document(p, kLeftDocument);
  Document(p, kRightDocument);
  p.setPen(InkPen(1.6));
  for (const auto& [doc, letter] : {std::pair{kLeftDocument, left}, std::pair{kRightDocument, right}})
    Letter(p, letter, QRectF(doc.center().x() - 2.5, doc.top() + 5, 5, 6.5));
}

// The accent link under the two documents of DocumentPair: a chain of two rings, tied
// to each document by a short line.
void Link(QPainter& p) {
  p.setPen(InkPen(1.4));
  p.drawLine(QPointF(kLeftDocument.center().x(), kLeftDocument.bottom()), QPointF(kLeftDocument.center().x(), 19.5));
  p.drawLine(QPointF(kRightDocument.center().x(), kRightDocument.bottom()),
             QPointF(kRightDocument.center().x(), 19.5));
  p.setPen(AccentPen(1.8));
  p.drawRoundedRect(QRectF(5, 17.5, 8, 4.5), 2.25, 2.25);
  p.drawRoundedRect(QRectF(11, 17.5, 8, 4.5), 2.25, 2.25);
}

using Painter = std::function<void(QPainter&)>;

struct IconDrawing {
  const char* name;
  Painter paint;
};

const std::array<IconDrawing, 18>& Drawings() {
  static const std::array<IconDrawing, 18> drawings{{
      {"open",
       [](QPainter& p) {
         p.setPen(InkPen());
         QPainterPath back(QPointF(2.5, 19.5));
         back.lineTo(2.5, 4.5);
         back.lineTo(8.5, 4.5);
         back.lineTo(10.5, 6.5);
         back.lineTo(18.5, 6.5);
         back.lineTo(18.5, 10);
         p.drawPath(back);
         p.setPen(AccentPen(1.6));
         p.setBrush(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 60));
         p.drawPolygon(QPolygonF{{2.5, 19.5}, {6, 10}, {21.5, 10}, {18, 19.5}});
       }},
      {"export",
       [](QPainter& p) {
         p.setPen(InkPen());
         Document(p, QRectF(3, 2.5, 12, 19));
         p.drawLine(QPointF(6, 10), QPointF(10, 10));
         p.drawLine(QPointF(6, 17), QPointF(11, 17));
         p.setPen(AccentPen(2.0));
         Arrow(p, QPointF(9, 13.5), QPointF(22, 13.5));
       }},
      {"screenshot",
       [](QPainter& p) {
         p.setPen(InkPen());
         QPainterPath body(QPointF(2.5, 8));
         body.lineTo(7.5, 8);
         body.lineTo(9, 5);
         body.lineTo(15, 5);
         body.lineTo(16.5, 8);
         body.lineTo(21.5, 8);
         body.lineTo(21.5, 19.5);
         body.lineTo(2.5, 19.5);
         body.closeSubpath();
         p.drawPath(body);
         p.drawPoint(QPointF(5, 10.5));
         p.setPen(AccentPen(2.0));
         p.drawEllipse(QPointF(12, 13.5), 3.8, 3.8);
       }},
      {"cartesian",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.drawPolyline(QPolygonF{{3.5, 2.5}, {3.5, 20.5}, {21.5, 20.5}});
         for (double t : {8.0, 13.0, 18.0}) p.drawLine(QPointF(t, 20.5), QPointF(t, 22));
         for (double t : {6.0, 11.0, 16.0}) p.drawLine(QPointF(2, t), QPointF(3.5, t));
         p.setPen(AccentPen(2.0));
         p.drawPath(Beam(5, 21, 18, 4));
       }},
      {"polar",
       [](QPainter& p) {
         const QPointF c(12, 12);
         p.setPen(InkPen(1.3));
         for (double r : {10.0, 6.5, 3.0}) p.drawEllipse(c, r, r);
         p.drawLine(QPointF(12, 1.5), QPointF(12, 22.5));
         p.drawLine(QPointF(1.5, 12), QPointF(22.5, 12));
         p.setPen(AccentPen(2.0));
         p.drawPath(Lobe(c, 9.5, 7.5));
       }},
      {"normalise",
       [](QPainter& p) {
         p.setPen(AccentPen(1.6));
         p.drawLine(QPointF(2, 3), QPointF(22, 3));
         p.setPen(InkPen());
         p.drawPath(Beam(2, 22, 21, 12));
         p.setPen(AccentPen(2.0));
         Arrow(p, QPointF(12, 11), QPointF(12, 4.2));
       }},
      {"zoom",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.drawEllipse(QPointF(10, 10), 7, 7);
         p.setPen(InkPen(3.0));
         p.drawLine(QPointF(15.3, 15.3), QPointF(21, 21));
         p.setPen(AccentPen(2.0));
         p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
         p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
       }},
      {"reset",
       [](QPainter& p) {
         p.setPen(InkPen());
         // Corner brackets: the whole plot.
         p.drawPolyline(QPolygonF{{2.5, 8}, {2.5, 2.5}, {8, 2.5}});
         p.drawPolyline(QPolygonF{{16, 2.5}, {21.5, 2.5}, {21.5, 8}});
         p.drawPolyline(QPolygonF{{21.5, 16}, {21.5, 21.5}, {16, 21.5}});
         p.drawPolyline(QPolygonF{{8, 21.5}, {2.5, 21.5}, {2.5, 16}});
         // A turning arrow inside: back to the start.
         p.setPen(AccentPen(1.9));
         const QRectF ring(7, 7, 10, 10);
         QPainterPath arc;
         arc.arcMoveTo(ring, 120);
         arc.arcTo(ring, 120, 270);
         p.drawPath(arc);
         ArrowHead(p, QPointF(9.6, 7.9), -0.9, 0.45, 3.6);
       }},
      {"crosshair",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
         p.drawLine(QPointF(12, 1.5), QPointF(12, 8.5));
         p.drawLine(QPointF(12, 15.5), QPointF(12, 22.5));
         p.drawLine(QPointF(1.5, 12), QPointF(8.5, 12));
         p.drawLine(QPointF(15.5, 12), QPointF(22.5, 12));
         p.setPen(Qt::NoPen);
         p.setBrush(kAccent);
         p.drawEllipse(QPointF(12, 12), 2.0, 2.0);
       }},
      {"markers",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.drawPath(Beam(1.5, 22.5, 21, 10));
         p.setPen(AccentPen(1.2));
         p.setBrush(kAccent);
         p.drawPolygon(QPolygonF{{12, 8}, {8.5, 2.5}, {15.5, 2.5}});
       }},
      {"envelope",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.drawPath(Beam(1.5, 22.5, 21, 9));
         // The mask above the curve, in steps, as envelope masks are drawn.
         p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
         p.drawPolyline(QPolygonF{{1.5, 14.5}, {5, 14.5}, {5, 9}, {8, 9}, {8, 4.5}, {16, 4.5}, {16, 9}, {19, 9},
                                  {19, 14.5}, {22.5, 14.5}});
       }},
      {"no-association",
       [](QPainter& p) {
         p.setPen(InkPen(1.4));
         Document(p, kLeftDocument);
         Document(p, kRightDocument);
         p.setPen(AccentPen(2.0));
         p.drawLine(QPointF(9.5, 16.5), QPointF(14.5, 21.5));
         p.drawLine(QPointF(14.5, 16.5), QPointF(9.5, 21.5));
       }},
      {"polar-partners",
       [](QPainter& p) {
         DocumentPair(p, 'C', 'P');
         Link(p);
       }},
      {"cut-partners",
       [](QPainter& p) {
         DocumentPair(p, 'H', 'V');
         Link(p);
       }},
      {"slant-partners",
       [](QPainter& p) {
         DocumentPair(p, '+', '-');
         Link(p);
       }},
      {"rotate",
       [](QPainter& p) {
         const QPointF c(12, 14);
         p.setPen(InkPen(1.6));
         p.save();
         p.translate(c);
         p.rotate(40);
         p.drawPath(Lobe(QPointF(0, 0), 9, 7));
         p.restore();
         p.setBrush(kInk);
         p.drawEllipse(c, 1.2, 1.2);
         p.setBrush(Qt::NoBrush);
         p.setPen(AccentPen(1.9));
         const QRectF ring(2, 3, 20, 20);
         QPainterPath arc;
         arc.arcMoveTo(ring, 215);
         arc.arcTo(ring, 215, -115);
         p.drawPath(arc);
         ArrowHead(p, QPointF(15.2, 3.6), 0.96, 0.28, 3.8);
       }},
      {"level",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.drawPath(Beam(1.5, 16.5, 21, 9));
         p.setPen(QPen(QColor(0x9a, 0xa1, 0xa9), 1.2, Qt::SolidLine, Qt::RoundCap));
         p.drawPath(Beam(1.5, 16.5, 15, 3));
         p.setPen(AccentPen(2.0));
         p.drawLine(QPointF(20, 6), QPointF(20, 18));
         ArrowHead(p, QPointF(20, 2.5), 0, -1, 3.8);
         ArrowHead(p, QPointF(20, 21.5), 0, 1, 3.8);
       }},
      {"drag",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.drawPath(Beam(1.5, 22.5, 22, 11));
         const QPointF c(12, 11);
         p.setPen(AccentPen(1.6));
         p.drawLine(c + QPointF(0, -7), c + QPointF(0, 7));
         p.drawLine(c + QPointF(-7, 0), c + QPointF(7, 0));
         ArrowHead(p, c + QPointF(0, -9.5), 0, -1, 3.2);
         ArrowHead(p, c + QPointF(0, 9.5), 0, 1, 3.2);
         ArrowHead(p, c + QPointF(-9.5, 0), -1, 0, 3.2);
         ArrowHead(p, c + QPointF(9.5, 0), 1, 0, 3.2);
         p.setPen(Qt::NoPen);
         p.setBrush(kAccent);
         p.drawEllipse(c, 1.8, 1.8);
       }},
  }};
  return drawings;
}

QPixmap Render(int size, double gridUnits, const std::function<void(QPainter&)>& paint) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / gridUnits, size / gridUnits);
  paint(p);
  p.end();
  return QPixmap::fromImage(image);
}

// The shapes of dist/lumaret.svg, on its 64-unit grid.
void PaintApplicationIcon(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(0xf4, 0xf6, 0xf8));
  p.drawRoundedRect(QRectF(3, 3, 58, 58), 11, 11);
  const QPointF c(32, 33);
  const QColor grid(0x9a, 0xa1, 0xa9);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(grid, 1.5));
  for (double r : {24.0, 16.0, 8.0}) p.drawEllipse(c, r, r);
  p.setPen(QPen(grid, 1.0));
  p.drawLine(QPointF(32, 9), QPointF(32, 57));
  p.drawLine(QPointF(8, 33), QPointF(56, 33));
  p.drawLine(QPointF(15, 16), QPointF(49, 50));
  p.drawLine(QPointF(49, 16), QPointF(15, 50));
  QColor fill = kAccent;
  fill.setAlphaF(0.35);
  p.setBrush(fill);
  QPainterPath main(c);
  main.cubicTo(20, 25, 21, 9, 32, 9);
  main.cubicTo(43, 9, 44, 25, 32, 33);
  p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(main);
  QPainterPath back(c);
  back.cubicTo(28, 37, 29, 43, 32, 43);
  back.cubicTo(35, 43, 36, 37, 32, 33);
  p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(back);
}

}  // namespace

QIcon CommandIcon(const QString& name) {
  for (const auto& d : Drawings()) {
    if (name != QLatin1String(d.name)) continue;
    QIcon icon;
    for (int size : {24, 48}) icon.addPixmap(Render(size, kGrid, d.paint));
    return icon;
  }
  return {};
}

QStringList CommandIconNames() {
  QStringList names;
  for (const auto& d : Drawings()) names << QString::fromLatin1(d.name);
  return names;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Render(size, 64.0, PaintApplicationIcon));
  return icon;
}

}  // namespace lumaret::render
