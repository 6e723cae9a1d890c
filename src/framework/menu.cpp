#include "framework/menu.h"

namespace {

template <class Item> Item *Find(std::vector<Item> &items, unsigned id) {
  for (Item &item : items) {
    if (item.Id == id && !item.Separator && item.Popup.empty())
      return &item;
    if (Item *found = Find(item.Popup, id))
      return found;
  }
  return nullptr;
}

void AddShortcuts(std::vector<TMenuItem> &items, const TAcceleratorTable &accelerators) {
  for (TMenuItem &item : items) {
    AddShortcuts(item.Popup, accelerators);
    if (item.Separator || !item.Popup.empty())
      continue;
    for (const TAccelerator &entry : accelerators)
      if (entry.command == item.Id) {
        if (std::string key = KeyText(entry); !key.empty())
          item.Text += "\t" + key;
        break;
      }
  }
}

void CollectIds(const std::vector<TMenuItem> &items, std::vector<unsigned> &ids) {
  for (const TMenuItem &item : items) {
    if (!item.Separator && item.Popup.empty())
      ids.push_back(item.Id);
    CollectIds(item.Popup, ids);
  }
}

} // namespace

TMenuItem *TMenu::FindItem(unsigned id) {
  return Find(bar_, id);
}

const TMenuItem *TMenu::FindItem(unsigned id) const {
  return Find(const_cast<std::vector<TMenuItem> &>(bar_), id);
}

bool TMenu::ModifyItemText(unsigned id, std::string text) {
  TMenuItem *item = FindItem(id);
  if (item == nullptr)
    return false;
  item->Text = std::move(text);
  return true;
}

std::vector<unsigned> TMenu::CommandIds() const {
  std::vector<unsigned> ids;
  CollectIds(bar_, ids);
  return ids;
}

TMenuItem MenuSeparator() {
  TMenuItem item;
  item.Separator = true;
  return item;
}

TMenuItem MenuCommand(std::string text, unsigned id, bool grayed) {
  TMenuItem item;
  item.Text = std::move(text);
  item.Id = id;
  item.Grayed = grayed;
  return item;
}

TMenuItem MenuPopup(std::string text, std::vector<TMenuItem> items) {
  TMenuItem item;
  item.Text = std::move(text);
  item.Popup = std::move(items);
  return item;
}

TMenu WithShortcuts(TMenu menu, const TAcceleratorTable &accelerators) {
  AddShortcuts(menu.Bar(), accelerators);
  return menu;
}
