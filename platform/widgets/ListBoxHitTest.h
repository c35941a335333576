#pragma once
#include <QPoint>

#include "platform/ListHit.h"

class QListView;

// The list control's own hit test. point: viewport pixels. A point inside the
// viewport below the last item gives the last item; a point outside is first
// pulled to the viewport's nearest edge, so it too names the nearest item.
ListHit ListBoxItemFromPoint(const QListView& list, QPoint point);
