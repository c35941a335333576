#include "dialogs/ClickableLabel.h"

#include <QMouseEvent>

void ClickableLabel::mousePressEvent(QMouseEvent* e) { e->accept(); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  // A press dragged off the label and let go elsewhere is no click.
  if (rect().contains(e->position().toPoint()) && onClick) onClick();
}
