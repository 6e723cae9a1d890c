#include "view/zoom.h"

#include <algorithm>
#include <array>

#include "content/settings.h"

namespace {

constexpr std::array<std::int16_t, 14> Steps = {50,  67,  75,  80,  90,  100, 110,
                                                125, 150, 175, 200, 250, 300, 400};
static_assert(Steps.front() == MinZoom && Steps.back() == MaxZoom,
              "the steps span the zoom's range");

} // namespace

std::int16_t ZoomStepIn(int percent) {
  auto next = std::upper_bound(Steps.begin(), Steps.end(), percent);
  return next == Steps.end() ? MaxZoom : *next;
}

std::int16_t ZoomStepOut(int percent) {
  auto next = std::lower_bound(Steps.begin(), Steps.end(), percent);
  return next == Steps.begin() ? MinZoom : *(next - 1);
}

int ZoomedSize(int size, int zoom) {
  if (zoom == NormalZoom)
    return size;
  const long zoomed = (static_cast<long>(size) * zoom + NormalZoom / 2) / NormalZoom;
  return size > 0 ? static_cast<int>(std::max(1L, zoomed)) : static_cast<int>(zoomed);
}
