#pragma once

// Dialog templates: a dialog's caption, style, place and size in dialog units,
// and its controls. The templates themselves are data in src/resources/.

#include <cstdint>
#include <string>
#include <vector>

enum class TControlKind {
  PushButton,
  DefPushButton,
  AutoCheckBox,
  AutoRadioButton,
  GroupBox,
  ListBox,
  Edit,
  Static,
  Icon,
  Picture,  // a frame a bitmap is drawn into
  Document, // a document of text to read (platform/text_document.h), which
            // grows with a dialog the user makes larger
};

// Style bits the templates use.
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t LBS_NOTIFY = 0x0001;
inline constexpr std::uint32_t LBS_SORT = 0x0002;
inline constexpr std::uint32_t ES_CENTER = 0x0001;
inline constexpr std::uint32_t ES_MULTILINE = 0x0004;
inline constexpr std::uint32_t ES_AUTOVSCROLL = 0x0040;
inline constexpr std::uint32_t ES_READONLY = 0x0800;
// A read-only box the user chooses, as a calendar's day: Enter, Space or a
// double click on it notify EN_CHOSEN, and the arrow keys move to the box
// whose id is one more or less (left and right) or seven (up and down).
inline constexpr std::uint32_t ES_CHOOSABLE = 0x2000;
inline constexpr std::uint32_t SS_CENTER = 0x0001;

struct TControlTemplate {
  int Id = -1; // -1 for a control nobody addresses
  TControlKind Kind = TControlKind::Static;
  std::string Text; // code page 1252; for an icon, the icon's resource name
  std::uint32_t Style = 0;
  int X = 0, Y = 0, W = 0, H = 0; // dialog units
  // What a screen reader calls a control that has no label beside it or
  // whose own text says nothing ("<"); otherwise its label names it.
  std::string Name = {};
  // For the translators: which of two same short texts this is ("Sunday"
  // for an "S" that a Saturday also has).
  std::string Comment = {};
};

struct TDialogTemplate {
  std::string Name; // the resource name, "SCREENSAVER"
  std::string Caption;
  std::uint32_t Style = 0;
  int X = 0, Y = 0, W = 0, H = 0; // dialog units
  std::string FontName = "System";
  int FontSize = 8;
  std::vector<TControlTemplate> Controls;
};
