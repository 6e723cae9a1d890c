#include "content/increment_number.h"

#include "content/settings.h"
#include "content/settings_file.h"

std::uint16_t WrapIncrementNumber(std::uint16_t n) {
  while (n > 365)
    n = static_cast<std::uint16_t>(n - 366);
  return n;
}

std::uint16_t TakeIncrementNumber() {
  auto stored = static_cast<std::uint16_t>(ReadSettingInt(IncrementNumKey, 0));
  // Ignored on purpose: the day shown now is right, and a counter that could
  // not move on only shows it again at the next load. A settings folder that
  // cannot be written is told when the user saves a setting; telling it at
  // every load (and every day's turn) would only repeat it.
  const int next = WrapIncrementNumber(static_cast<std::uint16_t>(stored + 1));
  (void)WriteSettings({{IncrementNumKey, std::to_string(next)}});
  return WrapIncrementNumber(stored);
}

std::uint16_t PeekIncrementNumber() {
  return WrapIncrementNumber(static_cast<std::uint16_t>(ReadSettingInt(IncrementNumKey, 0)));
}
