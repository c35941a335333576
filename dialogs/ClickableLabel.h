#pragma once
#include <QLabel>
#include <functional>

// A label that acts as a button: it takes the press for itself (so the form
// under it never sees it) and reports a click when the button is let go over
// it, any button.
class ClickableLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
};
