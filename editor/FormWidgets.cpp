#include "editor/FormWidgets.h"

#include <qdrawutil.h>

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

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

void TileBitsView::mousePressEvent(QMouseEvent* e) {
  const QPointF pos = e->position();
  const QPoint pt = pos.toPoint();
  const int b = mouseButtonCode(e->button());
  if (!onMouseDown || !b || !rect().contains(pt)) return;
  const int col = pt.x() / 16, row = pt.y() / 16;
  lastPressed_ = col + 8 * row;
  onMouseDown(lastPressed_, b, modifierMask(e->modifiers()), float(pos.x() - 16 * col),
              float(pos.y() - 16 * row));
}

// The second press of a double click is no press of its own (the first one
// has already set the box), unless it fell on the neighbouring box.
void TileBitsView::mouseDoubleClickEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (rect().contains(pt) && pt.x() / 16 + 8 * (pt.y() / 16) != lastPressed_) mousePressEvent(e);
  e->accept();
}

namespace {
constexpr int kCaptionLeft = 6;  // where the caption breaks the top line
constexpr int kCaptionPad = 2;   // ground left clear on each side of its text
}  // namespace

FormFrame::FormFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

QRect FormFrame::captionRect() const {
  const QFontMetrics fm(font());
  return QRect(kCaptionLeft, 0, fm.horizontalAdvance(title()) + 2 * kCaptionPad, fm.height());
}

QRect FormFrame::borderRect() const { return rect().adjusted(0, captionRect().height() / 2, 0, 0); }

void FormFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Sunken shading of one pixel over a raised one: the etched line of a frame.
  qDrawShadeRect(&p, borderRect(), palette(), true, 1, 0);
  const QRect caption = captionRect();
  p.fillRect(caption, palette().color(QPalette::Window));
  style()->drawItemText(&p, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                        QPalette::WindowText);
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
