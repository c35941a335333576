#include "platform/widgets/ListBoxHitTest.h"

#include <QListView>
#include <algorithm>

ListHit ListBoxItemFromPoint(const QListView& list, QPoint point) {
  ListHit hit;
  const QAbstractItemModel* model = list.model();
  const int count = model ? model->rowCount(list.rootIndex()) : 0;
  const QRect area = list.viewport()->rect();
  hit.outside = !area.contains(point);
  if (count == 0 || area.isEmpty()) return hit;
  const QPoint inside(std::clamp(point.x(), area.left(), area.right()),
                      std::clamp(point.y(), area.top(), area.bottom()));
  const QModelIndex index = list.indexAt(inside);
  // Only the space after the last item holds no item: the last one is nearest.
  hit.item = index.isValid() ? index.row() : count - 1;
  return hit;
}
