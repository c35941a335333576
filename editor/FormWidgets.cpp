#include "editor/FormWidgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "editor/PictureView.h"
#include "platform/Color.h"

ColorBox::ColorBox(const int32_t* color, QWidget* parent) : QWidget(parent), color_(color) {}

void ColorBox::sync() {
  if (*color_ != shown_) update();
}

void ColorBox::paintEvent(QPaintEvent*) {
  shown_ = *color_;
  QPainter p(this);
  p.fillRect(rect(), QColor(toQRgb(shown_)));
  p.setPen(palette().color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorBox::mouseReleaseEvent(QMouseEvent* e) {
  if (onClick && rect().contains(e->position().toPoint())) onClick(mouseButtonCode(e->button()));
}

TileBitsView::TileBitsView(const std::array<int32_t, 64>* bits, QWidget* parent)
    : QWidget(parent), bits_(bits) {
  shown_.fill(-1);
}

void TileBitsView::sync() {
  for (int i = 0; i < 64; ++i)
    if ((*bits_)[size_t(i)] != shown_[size_t(i)]) update(QRect(16 * (i % 8), 16 * (i / 8), 16, 16));
}

void TileBitsView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor frame = palette().color(QPalette::Dark);
  for (int i = 0; i < 64; ++i) {
    const int32_t c = (*bits_)[size_t(i)];
    shown_[size_t(i)] = c;
    const QRect box(16 * (i % 8), 16 * (i / 8), 16, 16);
    p.fillRect(box, QColor(toQRgb(c)));
    p.setPen(frame);
    p.drawRect(box.adjusted(0, 0, -1, -1));
  }
}

void TileBitsView::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (!onClick || !rect().contains(pt)) return;
  onClick(pt.x() / 16 + 8 * (pt.y() / 16), mouseButtonCode(e->button()));
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  QLabel::mouseReleaseEvent(e);
  if (onRelease && rect().contains(e->position().toPoint())) onRelease(mouseButtonCode(e->button()));
}

void ListBoxView::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    e->accept();
    return;
  }
  QListWidget::mousePressEvent(e);
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    e->accept();
    return;
  }
  QListWidget::mouseDoubleClickEvent(e);
}

void ListBoxView::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::RightButton) QListWidget::mouseReleaseEvent(e);
  const int b = mouseButtonCode(e->button());
  if (b && onMouseUp)
    onMouseUp(b, modifierMask(e->modifiers()), float(e->position().x()),
              float(e->position().y()));
}
