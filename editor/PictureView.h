#pragma once
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/Picture.h"

struct Shape;

// Mouse codes as the handlers take them: a press or release carries the one
// button that changed (1 left, 2 right, 4 middle), a move the sum of the
// buttons held; the mask is 1 Shift + 2 Ctrl + 4 Alt.
int mouseButtonCode(Qt::MouseButton b);
int mouseButtonsCode(Qt::MouseButtons bs);
int modifierMask(Qt::KeyboardModifiers m);

// Shows one picture box: its persistent image at its size, placed at the
// picture's left/top (plus a fixed origin inside the parent). Only the
// exposed part of the image is painted, straight from the image, so a huge
// map costs no more per repaint than the area that changed.
//
// Shapes and hover pictures lying on the picture are painted over it by this
// widget itself: they take no input, so every press reaches the picture at the
// mouse's own position.
class PictureView : public QWidget {
 public:
  using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

  PictureView(Picture& picture, QWidget* parent, QPoint origin = {});

  Picture& picture() { return pic_; }
  // exists: for control-array elements created at run time; nullptr = always.
  void addShape(const Shape* shape, const bool* exists = nullptr);
  void addHover(Picture* hover);

  // Brings the widget in line with the picture: place, size, visibility,
  // changed pixels, moved or recoloured overlays.
  void sync();

  MouseHandler onMouseDown, onMouseMove, onMouseUp;

  // Takes drags that carry local file paths and no other kind of data; the
  // handler gets the paths in the drag's order, once the drop has completed.
  using FileDropHandler = std::function<void(const std::vector<std::string>& paths)>;
  void acceptFileDrops(FileDropHandler handler);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void offerDrop(QDropEvent* e);
  struct ShapeOverlay {
    const Shape* shape;
    const bool* exists;
    QRect shown;  // empty when not drawn
    int32_t color = 0;
  };
  struct HoverOverlay {
    Picture* picture;
    QRect shown;
  };
  static QRect shapeRect(const ShapeOverlay& o);
  void updateOutline(const QRect& r);

  Picture& pic_;
  QPoint origin_;
  std::vector<ShapeOverlay> shapes_;
  std::vector<HoverOverlay> hovers_;
  FileDropHandler onFileDrop_;
};
