#pragma once

// The Increment quote method's counter, IncrementNum in the settings: each
// fresh load shows the slot it holds and stores the next one.

#include <cstdint>

// n brought into 0..365 by taking 366 away while it is above 365, compared as
// an unsigned 16-bit number (so a negative stored value also ends in range).
std::uint16_t WrapIncrementNumber(std::uint16_t n);

// Reads IncrementNum (default 0), writes back the next number wrapped into
// 0..365, and returns the number read, wrapped.
std::uint16_t TakeIncrementNumber();

// The number TakeIncrementNumber would return, without storing anything.
std::uint16_t PeekIncrementNumber();
