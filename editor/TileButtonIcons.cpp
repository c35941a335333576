#include "editor/TileButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace {

// Every picture is drawn on a 16 x 16 grid, the button's icon size; the larger
// pixmap serves screens with a higher pixel ratio.
constexpr int kGrid = 16;

using Draw = std::function<void(QPainter&, const QColor&)>;

QPen line(const QColor& ink, qreal width = 1.5) {
  return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void triangle(QPainter& p, QPointF a, QPointF b, QPointF c, bool filled, const QColor& ink) {
  QPainterPath path;
  path.moveTo(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  p.setPen(line(ink, 1.2));
  p.setBrush(filled ? QBrush(ink) : Qt::NoBrush);
  p.drawPath(path);
}

// A filled triangle on the left of a dashed axis, its outline mirrored on the right.
void mirrorX(QPainter& p, const QColor& ink) {
  p.setPen(QPen(ink, 1, Qt::DashLine));
  p.drawLine(QPointF(8, 1), QPointF(8, 15));
  triangle(p, {6.5, 3.5}, {6.5, 12.5}, {1.5, 12.5}, true, ink);
  triangle(p, {9.5, 3.5}, {9.5, 12.5}, {14.5, 12.5}, false, ink);
}

// An arrow pointing up; the other directions turn it about the centre.
void arrowUp(QPainter& p, const QColor& ink) {
  p.setPen(line(ink, 2.5));
  p.drawLine(QPointF(8, 14), QPointF(8, 7));
  triangle(p, {8, 2}, {13, 8}, {3, 8}, true, ink);
}

Draw turned(Draw draw, qreal degrees) {
  return [draw, degrees](QPainter& p, const QColor& ink) {
    p.translate(8, 8);
    p.rotate(degrees);
    p.translate(-8, -8);
    draw(p, ink);
  };
}

// A square split on its diagonal into ink and ground.
void invert(QPainter& p, const QColor& ink) {
  QPainterPath half;
  half.moveTo(13.5, 2.5);
  half.lineTo(13.5, 13.5);
  half.lineTo(2.5, 13.5);
  half.closeSubpath();
  p.fillPath(half, ink);
  p.setPen(line(ink, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2.5, 2.5, 11, 11));
}

// Three quarters of a turn counter-clockwise from the top, arrow at the end.
void rotate(QPainter& p, const QColor& ink) {
  QPainterPath arc;
  const QRectF circle(3, 3, 10, 10);
  arc.arcMoveTo(circle, 90);
  arc.arcTo(circle, 90, 270);
  p.setPen(line(ink, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  triangle(p, {13, 3.5}, {15.5, 8.5}, {10.5, 8.5}, true, ink);
}

void deleteTile(QPainter& p, const QColor&) {
  p.setPen(line(QColor(176, 32, 32), 2.5));
  p.drawLine(QPointF(4, 4), QPointF(12, 12));
  p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

// A path bending back to the left, as undo is drawn elsewhere.
void undo(QPainter& p, const QColor& ink) {
  QPainterPath path;
  path.moveTo(13, 13);
  path.lineTo(13, 9);
  path.arcTo(QRectF(5, 4, 8, 10), 0, 180);
  p.setPen(line(ink, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  triangle(p, {5, 14}, {2, 9}, {8, 9}, true, ink);
}

const std::map<std::string, Draw>& pictures() {
  static const std::map<std::string, Draw> all = {
      {"cmdInvert", invert},
      {"cmdRotate", rotate},
      {"cmdMirrorX", mirrorX},
      {"cmdMirrorY", turned(mirrorX, 90)},
      {"cmdTileUp", arrowUp},
      {"cmdTileRight", turned(arrowUp, 90)},
      {"cmdTileDown", turned(arrowUp, 180)},
      {"cmdTileLeft", turned(arrowUp, 270)},
      {"cmdClear", deleteTile},
      {"cmdUndo", undo},
  };
  return all;
}

QPixmap render(const Draw& draw, const QColor& ink, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(qreal(size) / kGrid, qreal(size) / kGrid);
  draw(p, ink);
  return pm;
}

}  // namespace

QIcon TileButtonIcon(const std::string& controlName, const QColor& ink) {
  const auto it = pictures().find(controlName);
  if (it == pictures().end()) return {};
  QIcon icon;
  for (int size : {kGrid, 2 * kGrid}) icon.addPixmap(render(it->second, ink, size));
  return icon;
}
