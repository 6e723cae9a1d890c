#pragma once

// The clock: calendar time, local broken-down time and the milliseconds since
// the system started. Tests replace the sources so that they can set the date
// and the uptime without waiting.

#include <cstdint>
#include <ctime>
#include <functional>

namespace platform {

// Seconds since the epoch, like time().
std::time_t CurrentTime();

// The local broken-down time of t. Like localtime(), the result is one shared
// object that the next call overwrites.
std::tm *LocalTime(std::time_t t);

// Milliseconds since the system started (CLOCK_BOOTTIME), wrapping as an
// unsigned 32-bit number.
std::uint32_t TickCount();

// Test hooks: replace a source; an empty function restores the system's.
void SetTimeSource(std::function<std::time_t()> source);
void SetTickCountSource(std::function<std::uint32_t()> source);

} // namespace platform
