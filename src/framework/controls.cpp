#include "framework/controls.h"

#include "platform/ascii.h"

#include <algorithm>

#include "platform/file_search.h"

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::SameAscii(text.substr(0, prefix.size()), prefix);
}

// Sorted list boxes order their items without regard to case.
bool ItemLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(platform::LowerAscii(x)) <
           static_cast<unsigned char>(platform::LowerAscii(y));
  });
}

} // namespace

TControlState &TControl::State() const {
  if (TControlState *state = dialog_.Control(id_))
    return *state;
  // A control the template does not have: a fault of ours, kept harmless.
  static TControlState missing;
  missing = TControlState{};
  return missing;
}

std::string TControl::GetText() const {
  return State().Text;
}

void TControl::SetText(std::string_view text) {
  State().Text = std::string(text);
  Changed();
}

void TControl::Enable(bool enable) {
  State().Enabled = enable;
  Changed();
}

void TControl::Emphasise(bool emphasised) {
  if (State().Emphasised == emphasised)
    return;
  State().Emphasised = emphasised;
  Changed();
}

void TControl::SetName(std::string_view name) {
  State().Name = std::string(name);
  State().NameLabel.clear();
  Changed();
}

int TButton::GetCheck() const {
  return State().Check;
}

void TButton::SetCheck(int check) {
  State().Check = check;
  Changed();
}

void CheckRadioButton(TDialog &dialog, int first, int last, int checked) {
  for (int id = first; id <= last; ++id)
    if (dialog.Control(id) != nullptr)
      TButton(dialog, id).SetCheck(id == checked ? BF_CHECKED : BF_UNCHECKED);
}

int TListBox::AddString(std::string_view item, std::string_view spoken) {
  TControlState &state = State();
  auto where = state.Items.end();
  if ((state.Template.Style & LBS_SORT) != 0)
    where = std::upper_bound(state.Items.begin(), state.Items.end(), item,
                             [](std::string_view value, const std::string &element) {
                               return ItemLess(value, element);
                             });
  int index = static_cast<int>(where - state.Items.begin());
  state.Items.insert(where, std::string(item));
  state.ItemNames.resize(state.Items.size() - 1);
  state.ItemNames.insert(state.ItemNames.begin() + index, std::string(spoken));
  if (state.Selection >= index)
    ++state.Selection;
  Changed();
  return index;
}

void TListBox::DirectoryList(std::string_view pattern) {
  for (const std::string &name : platform::FindFiles(pattern))
    AddString(name);
}

void TListBox::ClearList() {
  State().Items.clear();
  State().ItemNames.clear();
  State().Selection = -1;
  Changed();
}

int TListBox::GetCount() const {
  return static_cast<int>(State().Items.size());
}

std::string TListBox::GetString(int index) const {
  const TControlState &state = State();
  if (index < 0 || index >= static_cast<int>(state.Items.size()))
    return {};
  return state.Items[static_cast<size_t>(index)];
}

int TListBox::GetSelIndex() const {
  return State().Selection;
}

void TListBox::SetSelIndex(int index) {
  TControlState &state = State();
  state.Selection = (index >= 0 && index < static_cast<int>(state.Items.size())) ? index : -1;
  Changed();
}

int TListBox::FindString(std::string_view prefix, int start) const {
  const TControlState &state = State();
  int count = static_cast<int>(state.Items.size());
  if (count == 0)
    return -1;
  int from = (start < -1 || start >= count) ? 0 : start + 1;
  for (int i = 0; i < count; ++i) {
    int index = (from + i) % count;
    if (StartsWithNoCase(state.Items[static_cast<size_t>(index)], prefix))
      return index;
  }
  return -1;
}

int TListBox::SelectString(std::string_view prefix, int start) {
  int index = FindString(prefix, start);
  if (index >= 0)
    SetSelIndex(index);
  return index;
}

void TDocumentView::SetDocument(TTextDocument document) {
  State().Document = std::move(document);
  Changed();
}

const TTextDocument &TDocumentView::Document() const {
  return State().Document;
}

void TDocumentView::SetZoom(int percent) {
  State().DocumentZoom = percent;
  Changed();
}

int TDocumentView::Zoom() const {
  return State().DocumentZoom;
}
