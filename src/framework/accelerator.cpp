#include "framework/accelerator.h"

std::optional<unsigned> TranslateAccelerator(const TAcceleratorTable &table, TKeyPress key) {
  for (const TAccelerator &entry : table) {
    if (entry.kind == TAccelerator::Character && key.character != 0 && key.character == entry.key)
      return entry.command;
    if (entry.kind == TAccelerator::VirtualKey && key.virtualKey == entry.key &&
        key.ctrl == entry.ctrl)
      return entry.command;
  }
  return std::nullopt;
}
