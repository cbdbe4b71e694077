#pragma once
// Where a floating note goes beside the window it speaks of.

#include <QRect>
#include <QSize>

namespace platform {

// The frame of a window of `size` placed beside `parent` without covering any of it: to its
// right, else its left, level with its bottom edge; else below it, else above it, level with its
// left edge; each kept within `area` (the screen's available part, or null for no bounds). When
// no side has room, the right-hand place is moved into the area.
QRect placeBeside(const QRect& parent, const QSize& size, const QRect& area);

}  // namespace platform
