#pragma once

// A picture in memory: 0x00RRGGBB pixels, top row first.

#include <cstdint>
#include <vector>

struct TBitmap {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels; // Width * Height
  bool Empty() const { return Width <= 0 || Height <= 0; }
};

// The top-left block of at most width x height pixels of a picture.
TBitmap CopyTopLeft(const TBitmap &picture, int width, int height);
