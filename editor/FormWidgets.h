#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

// A box showing one colour of the form's data (a palette swatch, the
// character colour), with a sunken border like a small picture box.
class ColorBox : public QWidget {
 public:
  ColorBox(const int32_t* color, QWidget* parent);
  void sync();
  std::function<void(int button)> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  const int32_t* color_;
  int32_t shown_ = -1;
};

// The tile editor's 8 x 8 grid of 16 x 16 boxes, box x + 8 y showing pixel
// (x, y) of the edited tile, as one widget. A press acts, with the position
// inside its box; moving with a button held paints nothing.
class TileBitsView : public QWidget {
 public:
  TileBitsView(const std::array<int32_t, 64>* bits, QWidget* parent);
  void sync();
  std::function<void(int index, int button, int shift, float x, float y)> onMouseDown;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  const std::array<int32_t, 64>* bits_;
  std::array<int32_t, 64> shown_{};
  int lastPressed_ = -1;
};

// A frame of the panel row as a desktop form draws it: an etched border with
// the caption standing on its top line. Children are placed from the frame's
// outer top-left corner, so they must keep below the caption and inside the
// border.
class FormFrame : public QGroupBox {
 public:
  FormFrame(const QString& caption, QWidget* parent);
  QRect captionRect() const;
  // The border's outer edge; the lines are two pixels thick inside it.
  QRect borderRect() const;

 protected:
  void paintEvent(QPaintEvent*) override;
};

// A label that reports mouse releases (document labels, status panels).
class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void(int button)> onRelease;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
};

// A list box that selects with the left button only, as the platform's list
// box does: a right click leaves the selection where it is. Releases of any
// button are reported in the list's client pixels.
class ListBoxView : public QListWidget {
 public:
  using QListWidget::QListWidget;
  std::function<void(int button, int shift, float x, float y)> onMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
};
