#include "platform/clock.h"

#include <time.h>

namespace platform {
namespace {

std::function<std::time_t()> &TimeSource() {
  static std::function<std::time_t()> source;
  return source;
}

std::function<std::uint32_t()> &TickSource() {
  static std::function<std::uint32_t()> source;
  return source;
}

std::uint32_t SystemTickCount() {
  timespec now{};
  if (clock_gettime(CLOCK_BOOTTIME, &now) != 0 && clock_gettime(CLOCK_MONOTONIC, &now) != 0)
    return 0;
  // Milliseconds since start, wrapping at 2^32 like the 32-bit tick counter.
  auto millis = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(millis);
}

} // namespace

std::time_t CurrentTime() {
  if (TimeSource())
    return TimeSource()();
  return std::time(nullptr);
}

std::tm *LocalTime(std::time_t t) {
  static std::tm shared{};
  if (localtime_r(&t, &shared) == nullptr)
    shared = std::tm{};
  return &shared;
}

std::uint32_t TickCount() {
  if (TickSource())
    return TickSource()();
  return SystemTickCount();
}

void SetTimeSource(std::function<std::time_t()> source) {
  TimeSource() = std::move(source);
}

void SetTickCountSource(std::function<std::uint32_t()> source) {
  TickSource() = std::move(source);
}

} // namespace platform
