#pragma once

#include "base/Image.h"
#include "base/Rect.h"

namespace orvd {

// Off-screen drawing primitives. All of them clip to the destination image (and CopyRect also to
// the source image): any rectangle or point may lie partly or wholly outside, nothing outside an
// image is ever read or written. Right and Bottom edges are exclusive everywhere.

// Sets every pixel of `r` to `colour`.
void FillRect(Image& image, const Rect& r, Pixel colour);

// Sets the pixels of `r` that lie on the lines of hatch pattern `hatch` (0 horizontal,
// 1 vertical, 2 down diagonal, 3 up diagonal, 4 cross, 5 diagonal cross) and leaves the others
// unchanged. The 8 x 8 pattern is anchored at the image's (0, 0), so adjacent fills line up.
// A hatch number outside 0..5 draws nothing.
void HatchRect(Image& image, const Rect& r, Pixel colour, int hatch);

enum class RasterOp { Copy, Or };

// Copies `srcRect` of `src` onto `dstRect` of `dst`, pixel for pixel (Or: dst |= src). When the
// two rectangles differ in size, the common top-left part is copied. Destination pixels whose
// source pixel lies outside `src` are left unchanged. `dst` and `src` must not be the same image.
void CopyRect(Image& dst, const Rect& dstRect, const Image& src, const Rect& srcRect, RasterOp op);

// A 1-pixel solid line from `from` to `to`; the end point itself is not drawn (so from == to
// draws nothing). Horizontal and vertical lines are exact runs; other slopes follow Bresenham.
void DrawLine(Image& image, Point from, Point to, Pixel colour);

// The ellipse inscribed in `box`: every pixel whose centre lies inside it is painted, those on
// its rim (a 4-neighbour outside the ellipse) in `line`, the rest in `fill`. The result is
// mirror-symmetric in both axes of the box and never leaves it. An empty box draws nothing.
void DrawEllipse(Image& image, const Rect& box, Pixel line, Pixel fill);

} // namespace orvd
