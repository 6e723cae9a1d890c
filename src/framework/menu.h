#pragma once

// Menus: a menu bar of popups and plain items, built from a menu template
// and then changed at run time (item texts, enabled and checked states).
// "&" marks an item's mnemonic; a tab separates the shortcut text.

#include <string>
#include <vector>

#include "framework/accelerator.h"

struct TMenuItem {
  std::string Text; // empty for a separator
  unsigned Id = 0;  // command id; 0 for a popup or a separator
  bool Separator = false;
  bool Grayed = false; // disabled
  bool Checked = false;
  bool Checkable = false;       // a check mark item, also while unchecked
  std::vector<TMenuItem> Popup; // the items of a popup; empty for a plain item
};

class TMenu {
public:
  TMenu() = default;
  explicit TMenu(std::vector<TMenuItem> bar) : bar_(std::move(bar)) {}

  const std::vector<TMenuItem> &Bar() const { return bar_; }
  std::vector<TMenuItem> &Bar() { return bar_; }

  // The item with command id (searched through every popup), or null.
  TMenuItem *FindItem(unsigned id);
  const TMenuItem *FindItem(unsigned id) const;
  // Replaces the text of the item with command id; false when there is none.
  bool ModifyItemText(unsigned id, std::string text);
  // Every command id of the menu, in menu order.
  std::vector<unsigned> CommandIds() const;

private:
  std::vector<TMenuItem> bar_;
};

// A separator item, and the building blocks of menu templates.
TMenuItem MenuSeparator();
TMenuItem MenuCommand(std::string text, unsigned id, bool grayed = false);
TMenuItem MenuPopup(std::string text, std::vector<TMenuItem> items);

// The menu with each command's key shown after its text ("&New\tCtrl+N"):
// the first key of accelerators that sends the command, so that a key is
// written once, in the accelerator table.
TMenu WithShortcuts(TMenu menu, const TAcceleratorTable &accelerators);
