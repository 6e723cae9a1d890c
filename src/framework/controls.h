#pragma once

// Wrappers over the controls of a dialog: each addresses one control by its
// id and reads or changes its state, which the backend then shows.

#include <string>
#include <string_view>

#include "framework/dialog.h"

class TControl {
public:
  TControl(TDialog &dialog, int id) : dialog_(dialog), id_(id) {}
  int GetId() const { return id_; }
  // The control's text (an edit's contents, a button's or a static's label).
  std::string GetText() const;
  void SetText(std::string_view text);
  void Enable(bool enable);
  // What a screen reader calls the control.
  void SetName(std::string_view name);
  // Shown to stand out (TControlState::Emphasised).
  void Emphasise(bool emphasised);

protected:
  TControlState &State() const;
  void Changed() const { dialog_.ControlChanged(id_); }

  TDialog &dialog_;
  int id_;
};

class TStatic : public TControl {
public:
  using TControl::TControl;
};

class TEdit : public TControl {
public:
  using TControl::TControl;
};

class TButton : public TControl {
public:
  using TControl::TControl;
  int GetCheck() const;
  void SetCheck(int check);
};

// Checks one radio button of the range first..last (control ids) and clears
// the others.
void CheckRadioButton(TDialog &dialog, int first, int last, int checked);

// A document to read: headings and paragraphs the backend lays out in every
// script, scrolls from the keyboard and gives a screen reader.
class TDocumentView : public TControl {
public:
  using TControl::TControl;
  void SetDocument(TTextDocument document);
  const TTextDocument &Document() const;
  // The size of its text, in percent.
  void SetZoom(int percent);
  int Zoom() const;
};

class TListBox : public TControl {
public:
  using TControl::TControl;
  // Adds an item: in order for a sorted list box, at the end otherwise.
  // Returns its index. spoken is what a screen reader says of it (and its
  // tooltip), when the item is short for it.
  int AddString(std::string_view item, std::string_view spoken = {});
  // Adds the ordinary files of the working directory that match pattern
  // ("*.QXP"), each name as the file search gives it.
  void DirectoryList(std::string_view pattern);
  void ClearList();
  int GetCount() const;
  std::string GetString(int index) const;
  int GetSelIndex() const;
  void SetSelIndex(int index);
  // The first item from start + 1 on (wrapping) that begins with prefix,
  // without regard to case; -1 when none does.
  int FindString(std::string_view prefix, int start = -1) const;
  // Selects the item FindString finds; returns its index or -1.
  int SelectString(std::string_view prefix, int start = -1);
};
