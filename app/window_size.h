// Following the window when its size changes: the areas, the projection, the
// fonts and every layout position computed in pixels, with nothing in play lost.
#pragma once

#include <cstdint>

// The picture, the layout area, the viewport and the projection for a
// drawable of this size: what start-up and every resize both do.
void LayOutForWindow(int32_t width, int32_t height);
// Follow a drawable that changed to this size: the layout as above, then the
// fonts, the layout positions and every slide under way; the next frame draws at it.
void ApplyWindowSize(int32_t width, int32_t height);
// Lay the game out again for the same drawable (the picture's shape changed).
void RelayoutWindow();
// A slide offset that runs from `start` (negative, hidden) up to 0, carried
// over to a layout whose hidden start is `newStart`: hidden stays hidden, at
// rest stays at rest, and a slide under way keeps its share of the way.
int32_t CarrySlide(int32_t value, int32_t start, int32_t newStart);
