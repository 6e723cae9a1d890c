#pragma once

// Window messages: what the framework routes to windows, posted or sent.
// The numbers are those of the system the program was first written for, so
// that handlers keep their familiar names.

#include <cstdint>

using TMsgId = std::uint32_t;

inline constexpr TMsgId WM_DESTROY = 0x0002;
inline constexpr TMsgId WM_SIZE = 0x0005;
inline constexpr TMsgId WM_PAINT = 0x000F;
inline constexpr TMsgId WM_CLOSE = 0x0010;
inline constexpr TMsgId WM_QUIT = 0x0012;
inline constexpr TMsgId WM_KEYDOWN = 0x0100;
inline constexpr TMsgId WM_COMMAND = 0x0111;
inline constexpr TMsgId WM_SYSCOMMAND = 0x0112;
inline constexpr TMsgId WM_TIMER = 0x0113;
inline constexpr TMsgId WM_VSCROLL = 0x0115;
inline constexpr TMsgId WM_LBUTTONDBLCLK = 0x0203;
inline constexpr TMsgId WM_MOUSEWHEEL = 0x020A;

// WM_SIZE: WParam the size type, LParam the client width (low word) and
// height (high word).
inline constexpr std::uintptr_t SIZE_RESTORED = 0;

// WM_KEYDOWN: WParam the virtual key (accelerator.h) of a key that no
// accelerator took.
// WM_SYSCOMMAND: WParam the command. SC_KEYMENU: the user pressed the key
// that opens the menu bar (Alt alone, or F10).
inline constexpr std::uintptr_t SC_KEYMENU = 0xF100;
// WM_MOUSEWHEEL: WParam the keys held (low word) and the turn (high word, a
// signed number, WHEEL_DELTA a notch, away from the user positive). The
// backends send it for a turn with Ctrl held; a plain turn scrolls.
inline constexpr std::uintptr_t MK_CONTROL = 0x0008;
inline constexpr int WHEEL_DELTA = 120;
inline constexpr std::uintptr_t MouseWheelParam(int delta, std::uintptr_t keys) {
  return (static_cast<std::uintptr_t>(static_cast<std::uint16_t>(delta)) << 16) | (keys & 0xFFFF);
}
inline constexpr int WheelDelta(std::uintptr_t wParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(wParam >> 16));
}

struct TMessage {
  TMsgId Id = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
};
