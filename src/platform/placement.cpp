#include "platform/placement.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int gap = 8;

// The start that keeps a length within the area on one axis (the area's start when it is too long).
int clampInto(int position, int length, int areaStart, int areaLength) {
  return std::clamp(position, areaStart, std::max(areaStart, areaStart + areaLength - length));
}

}  // namespace

QRect placeBeside(const QRect& parent, const QSize& size, const QRect& area) {
  const int levelWithBottom = parent.bottom() + 1 - size.height();
  const QRect sides[] = {
      {QPoint(parent.right() + 1 + gap, levelWithBottom), size},
      {QPoint(parent.left() - gap - size.width(), levelWithBottom), size},
      {QPoint(parent.left(), parent.bottom() + 1 + gap), size},
      {QPoint(parent.left(), parent.top() - gap - size.height()), size},
  };
  if (area.isNull()) return sides[0];
  for (int i = 0; i < 4; ++i) {
    QRect place = sides[i];
    // Beside it, slide along the parent's edge to stay on the screen.
    if (i < 2) {
      place.moveTop(clampInto(place.top(), size.height(), area.top(), area.height()));
    } else {
      place.moveLeft(clampInto(place.left(), size.width(), area.left(), area.width()));
    }
    if (area.contains(place)) return place;
  }
  QRect place = sides[0];
  place.moveLeft(clampInto(place.left(), size.width(), area.left(), area.width()));
  place.moveTop(clampInto(place.top(), size.height(), area.top(), area.height()));
  return place;
}

}  // namespace platform
