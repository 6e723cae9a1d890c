#include "framework/accelerator.h"

#include <array>
#include <utility>

namespace {

constexpr unsigned VK_F1 = 0x70;
constexpr unsigned LastFunctionKey = 0x87; // F24
constexpr unsigned VK_A = 0x41;

constexpr std::array<std::pair<unsigned, const char *>, 10> KeyNames = {{
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_OEM_PLUS, "+"},
    {VK_OEM_MINUS, "-"},
}};

std::string VirtualKeyName(unsigned key) {
  if (key >= VK_F1 && key <= LastFunctionKey)
    return "F" + std::to_string(key - VK_F1 + 1);
  if ((key >= VK_0 && key <= VK_0 + 9) || (key >= VK_A && key < VK_A + 26))
    return std::string(1, static_cast<char>(key));
  for (const auto &[code, name] : KeyNames)
    if (code == key)
      return name;
  return {};
}

} // namespace

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

std::string KeyText(const TAccelerator &entry) {
  if (entry.kind == TAccelerator::Character) {
    for (char letter = 'A'; letter <= 'Z'; ++letter)
      if (entry.key == CtrlCharacter(letter))
        return std::string("Ctrl+") + letter;
    return {};
  }
  std::string name = VirtualKeyName(entry.key);
  return entry.ctrl && !name.empty() ? "Ctrl+" + name : name;
}
