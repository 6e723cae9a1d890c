#pragma once

// Accelerator tables: keys that send a command. An entry of the kind
// character matches the character a key combination produces (Ctrl+N gives
// 14); an entry of the kind virtual key matches the key itself, with Ctrl
// where one is given.

#include <optional>
#include <string>
#include <vector>

// Virtual key codes of the keys the program uses.
inline constexpr unsigned VK_MENU = 0x12;  // Alt
inline constexpr unsigned VK_PRIOR = 0x21; // Page Up
inline constexpr unsigned VK_NEXT = 0x22;  // Page Down
inline constexpr unsigned VK_END = 0x23;
inline constexpr unsigned VK_HOME = 0x24;
inline constexpr unsigned VK_LEFT = 0x25;
inline constexpr unsigned VK_UP = 0x26;
inline constexpr unsigned VK_RIGHT = 0x27;
inline constexpr unsigned VK_DOWN = 0x28;
inline constexpr unsigned VK_F4 = 0x73;
inline constexpr unsigned VK_F7 = 0x76;
inline constexpr unsigned VK_F8 = 0x77;
inline constexpr unsigned VK_F9 = 0x78;
inline constexpr unsigned VK_F10 = 0x79;
inline constexpr unsigned VK_0 = 0x30;         // the digit 0, also on the keypad
inline constexpr unsigned VK_OEM_PLUS = 0xBB;  // "+" and "=", also on the keypad
inline constexpr unsigned VK_OEM_MINUS = 0xBD; // "-", also on the keypad

// The character a letter typed with Ctrl held produces: 14 for Ctrl+N.
constexpr unsigned CtrlCharacter(char letter) {
  return static_cast<unsigned>(letter - 'A' + 1);
}

struct TAccelerator {
  enum Kind { Character, VirtualKey };
  Kind kind;
  unsigned key;      // the character code, or the virtual key
  bool ctrl = false; // virtual keys only
  unsigned command;
};

// A key as the backend reports it: the virtual key, the character it
// produces (0 when none) and whether Ctrl is held.
struct TKeyPress {
  unsigned virtualKey = 0;
  unsigned character = 0;
  bool ctrl = false;
};

using TAcceleratorTable = std::vector<TAccelerator>;

// The command a key press sends, if any.
std::optional<unsigned> TranslateAccelerator(const TAcceleratorTable &table, TKeyPress key);

// The key as a menu shows it: "Ctrl+N" (the character 14), "F4",
// "Ctrl+Home", "Ctrl++"; empty for a key without a name here.
std::string KeyText(const TAccelerator &entry);
