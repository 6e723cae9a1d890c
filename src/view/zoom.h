#pragma once

// The verse window's zoom: every package's text (headings, bodies, trailers,
// the answers bar) and the gaps between entries are drawn at Zoom percent of
// their size. It is applied in one place, to the font heights and the gap
// the painter is given (ZoomedSize in verse_painter.cpp); the layout itself
// knows nothing of it.

#include <cstdint>

// The next larger and the next smaller of the usual steps (50, 67, 75, 80,
// 90, 100, 110, 125, 150, 175, 200, 250, 300, 400 percent), held to the
// range; a zoom between steps moves to the neighbouring step.
std::int16_t ZoomStepIn(int percent);
std::int16_t ZoomStepOut(int percent);

// size at zoom percent (the setting Zoom), rounded to the nearest pixel,
// never below 1 for a positive size.
int ZoomedSize(int size, int zoom);
