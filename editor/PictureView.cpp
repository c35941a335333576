#include "editor/PictureView.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>

#include "model/MainForm.h"
#include "platform/Color.h"

int mouseButtonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int mouseButtonsCode(Qt::MouseButtons bs) {
  return (bs & Qt::LeftButton ? 1 : 0) + (bs & Qt::RightButton ? 2 : 0) +
         (bs & Qt::MiddleButton ? 4 : 0);
}

int modifierMask(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) + (m & Qt::ControlModifier ? 2 : 0) +
         (m & Qt::AltModifier ? 4 : 0);
}

PictureView::PictureView(Picture& picture, QWidget* parent, QPoint origin)
    : QWidget(parent), pic_(picture), origin_(origin) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setGeometry(QRect(origin_ + QPoint(pic_.left, pic_.top), QSize(pic_.width(), pic_.height())));
  pic_.takeDirty();
}

void PictureView::addShape(const Shape* shape, const bool* exists) {
  shapes_.push_back({shape, exists, {}, 0});
}

void PictureView::addHover(Picture* hover) { hovers_.push_back({hover, {}}); }

QRect PictureView::shapeRect(const ShapeOverlay& o) {
  const Shape& s = *o.shape;
  if (!s.visible || (o.exists && !*o.exists) || s.width <= 0 || s.height <= 0) return {};
  return QRect(s.left, s.top, s.width, s.height);
}

void PictureView::updateOutline(const QRect& r) {
  if (r.isEmpty()) return;
  update(QRect(r.left(), r.top(), r.width(), 1));
  update(QRect(r.left(), r.bottom(), r.width(), 1));
  update(QRect(r.left(), r.top(), 1, r.height()));
  update(QRect(r.right(), r.top(), 1, r.height()));
}

void PictureView::sync() {
  const QRect geo(origin_ + QPoint(pic_.left, pic_.top), QSize(pic_.width(), pic_.height()));
  if (geo != geometry()) {
    const bool resized = geo.size() != size();
    setGeometry(geo);
    if (resized) update();
  }
  if (isVisibleTo(parentWidget()) != pic_.visible) setVisible(pic_.visible);
  if (isEnabled() != pic_.enabled) setEnabled(pic_.enabled);

  const QRect dirty = pic_.takeDirty();
  if (!dirty.isEmpty()) update(dirty);

  for (HoverOverlay& h : hovers_) {
    const Picture& p = *h.picture;
    const QRect now = p.visible ? QRect(p.left, p.top, p.width(), p.height()) : QRect();
    const QRect changed = h.picture->takeDirty();
    if (now != h.shown) {
      update(h.shown);
      update(now);
      h.shown = now;
    } else if (!changed.isEmpty() && !now.isEmpty()) {
      update(changed.translated(now.topLeft()));
    }
  }
  for (ShapeOverlay& o : shapes_) {
    const QRect now = shapeRect(o);
    if (now != o.shown || (!now.isEmpty() && o.color != o.shape->borderColor)) {
      updateOutline(o.shown);
      updateOutline(now);
      o.shown = now;
      o.color = o.shape->borderColor;
    }
  }
}

void PictureView::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  const QColor back(toQRgb(pic_.backColor()));
  // A blank picture is all background: painting it must not give it pixels.
  const bool blank = pic_.isBlank();
  static const QImage none;
  const QImage& img = blank ? none : pic_.image();
  for (const QRect& r : e->region()) {
    const QRect c = blank ? QRect() : r & img.rect();
    if (!c.isEmpty()) painter.drawImage(c, img, c);
    // Past the image's edge (a widget not yet resized): the background colour.
    if (c != r) {
      QRegion rest(r);
      rest -= QRegion(c);
      for (const QRect& b : rest) painter.fillRect(b, back);
    }
  }
  // Shapes lie under the picture boxes of the same container: a hover preview
  // covers the cursor frame it sits on.
  for (const ShapeOverlay& o : shapes_) {
    if (o.shown.isEmpty()) continue;
    const QRect& s = o.shown;
    if (!e->region().intersects(s)) continue;
    const QColor c(toQRgb(o.color));
    painter.fillRect(QRect(s.left(), s.top(), s.width(), 1), c);
    painter.fillRect(QRect(s.left(), s.bottom(), s.width(), 1), c);
    painter.fillRect(QRect(s.left(), s.top(), 1, s.height()), c);
    painter.fillRect(QRect(s.right(), s.top(), 1, s.height()), c);
  }
  for (const HoverOverlay& h : hovers_) {
    if (h.shown.isEmpty()) continue;
    for (const QRect& r : e->region()) {
      const QRect c = r & h.shown;
      if (!c.isEmpty()) painter.drawImage(c, h.picture->image(), c.translated(-h.shown.topLeft()));
    }
  }
}

void PictureView::mousePressEvent(QMouseEvent* e) {
  const int b = mouseButtonCode(e->button());
  if (b && onMouseDown)
    onMouseDown(b, modifierMask(e->modifiers()), float(e->position().x()),
                float(e->position().y()));
}

// The second press of a double click is not a press of its own: the handlers
// see down, up, (double click), up, so a double click paints or pastes once.
void PictureView::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void PictureView::mouseMoveEvent(QMouseEvent* e) {
  if (onMouseMove)
    onMouseMove(mouseButtonsCode(e->buttons()), modifierMask(e->modifiers()),
                float(e->position().x()), float(e->position().y()));
}

void PictureView::mouseReleaseEvent(QMouseEvent* e) {
  const int b = mouseButtonCode(e->button());
  if (b && onMouseUp)
    onMouseUp(b, modifierMask(e->modifiers()), float(e->position().x()),
              float(e->position().y()));
}

namespace {

// The dragged files' paths, or nothing when the drag carries anything else
// (text, a web address): the drop handlers know only files.
std::vector<std::string> localFilePaths(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  std::vector<std::string> paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

}  // namespace

void PictureView::acceptFileDrops(FileDropHandler handler) {
  onFileDrop_ = std::move(handler);
  setAcceptDrops(bool(onFileDrop_));
}

// A view takes a drag only while it takes the mouse, and only of files.
void PictureView::offerDrop(QDropEvent* e) {
  if (onFileDrop_ && isEnabled() && !localFilePaths(e->mimeData()).empty())
    e->acceptProposedAction();
  else
    e->ignore();
}

void PictureView::dragEnterEvent(QDragEnterEvent* e) { offerDrop(e); }

void PictureView::dragMoveEvent(QDragMoveEvent* e) { offerDrop(e); }

void PictureView::dropEvent(QDropEvent* e) {
  std::vector<std::string> paths = localFilePaths(e->mimeData());
  if (!onFileDrop_ || !isEnabled() || paths.empty()) {
    e->ignore();
    return;
  }
  e->acceptProposedAction();
  // The loaders may show message boxes; inside the drop event the program
  // that started the drag would wait for them.
  QMetaObject::invokeMethod(
      this, [this, paths = std::move(paths)] { if (onFileDrop_) onFileDrop_(paths); },
      Qt::QueuedConnection);
}
