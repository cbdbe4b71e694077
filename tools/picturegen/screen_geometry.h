#pragma once
// The calculator screen behind the display (261 x 64, the display canvas's size): a thin dark
// bezel and the glass inside it. The display's texts stand on the glass, so the glass reaches
// nearly to the canvas's edges: the operator's and the echo's boxes start at the canvas's top
// and the number's box ends one pixel above its bottom.

#include <QRectF>

namespace screen_geometry {

constexpr int width = 261, height = 64;
// The bezel's outline, drawn with a pen of one pixel.
constexpr QRectF bezel(0.5, 0.5, 260, 63);
constexpr qreal bezelRadius = 6;
// The glass's border, drawn with a pen of one pixel.
constexpr QRectF glass(3.5, 1.5, 254, 61);
constexpr qreal glassRadius = 4;
// Inside the glass's border: what a text on the screen must keep within.
constexpr QRectF innerEdge(4, 2, 253, 60);
constexpr qreal innerRadius = glassRadius - 0.5;

}  // namespace screen_geometry
