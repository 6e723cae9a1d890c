#pragma once

// Dialogs built from templates, modal or modeless. The framework holds the
// state of every control (text, check mark, list items, selection); the
// backend shows it and reports what the user does, which reaches the dialog
// as WM_COMMAND notifications from the control. Buttons 1 and 2, Escape and
// the system menu's Close are handled by default: OK and Cancel close the
// dialog with their id as its result.

#include <map>
#include <string>
#include <vector>

#include "framework/accelerator.h"
#include "framework/dialog_template.h"
#include "framework/window.h"
#include "platform/bitmap.h"
#include "platform/text_document.h"

// Button check states.
inline constexpr int BF_UNCHECKED = 0;
inline constexpr int BF_CHECKED = 1;

// Notifications.
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned LBN_SELCHANGE = 1;
inline constexpr unsigned LBN_DBLCLK = 2;
inline constexpr unsigned EN_CHANGE = 0x0300;
inline constexpr unsigned EN_CHOSEN = 0x0400; // an ES_CHOOSABLE box was chosen

// Dialog results.
inline constexpr int IDRETRY = 4;

// The state of one control of a dialog.
struct TControlState {
  TControlTemplate Template;
  std::string Text;
  int Check = BF_UNCHECKED;
  std::vector<std::string> Items; // list box items
  int Selection = -1;             // list box selection; -1 for none
  // What a screen reader says of each item, and its tooltip; empty where
  // the item's text says it all.
  std::vector<std::string> ItemNames;
  bool Enabled = true;
  // A picture control's bitmap (none when empty), drawn with its top-left
  // corner at (w / 2 - PictureInset, h / 2 - PictureInset) of the control's
  // client area of w x h pixels.
  TBitmap Picture;
  int PictureInset = 0;
  // A document control's document, and the size its text is shown at, in
  // percent of the dialog's reading size.
  TTextDocument Document;
  int DocumentZoom = 100;
  // What a screen reader calls the control: the template's name, else the
  // label beside a control without text of its own; a dialog may change it
  // (a calendar's day cell says its date).
  std::string Name;
  // The template's text of the label Name was taken from ("&Enabled:"), so
  // that a backend showing the label in another language names the control
  // in it too; empty when the name is the template's or the dialog's own.
  std::string NameLabel;
  // Shown to stand out among its kind (today's date in a calendar): bold,
  // and framed.
  bool Emphasised = false;
};

// Where a picture control draws its bitmap in a client area of w x h.
inline TPoint PictureOrigin(const TControlState &control, int w, int h) {
  return TPoint{w / 2 - control.PictureInset, h / 2 - control.PictureInset};
}

class TDialog : public TWindow {
public:
  TDialog(TWindow *parent, const TDialogTemplate &tmpl);
  ~TDialog() override;

  // Runs the dialog modally: creates it, waits until it ends, destroys it;
  // returns the result it ended with. While the program is closing
  // (close_signals.h) it is not shown and gives IDCANCEL.
  int Execute();
  bool IsModal() const { return modal_; }
  // Ends the dialog with a result: a modal one stops its run, a modeless one
  // is destroyed.
  void CloseDialog(int result);
  int Result() const { return result_; }
  bool Ended() const { return ended_; }

  const TDialogTemplate &Template() const { return template_; }
  TControlState *Control(int id);
  const std::vector<TControlState> &Controls() const { return controls_; }
  // Shows a control's changed state.
  void ControlChanged(int id);

  // --- What the user does (the backend, or a test's scripted user).
  // Clicks a button: an auto check box toggles, an auto radio button checks
  // itself and clears the others of its group; the dialog is notified.
  void UserClick(int id);
  void UserSelect(int id, int index);
  void UserDoubleClick(int id, int index);
  void UserType(int id, const std::string &text);
  // Enter, Space or a double click on an ES_CHOOSABLE box.
  void UserChoose(int id);
  // Escape or the system menu's Close.
  void UserCancel();
  // A key pressed in the dialog: the command its accelerator table gives is
  // sent to it. False when the table has none for the key.
  bool KeyDown(TKeyPress key);
  // Whether KeyDown would take the key.
  bool TakesKey(TKeyPress key) const;

protected:
  // OK and Cancel: close with IDOK and IDCANCEL.
  virtual void CmOk() { CloseDialog(IDOK_RESULT); }
  virtual void CmCancel() { CloseDialog(IDCANCEL_RESULT); }
  void DefaultProcessing(const TMessage &msg) override;
  // The keys of a dialog that has commands of its own (none by default).
  virtual const TAcceleratorTable *Accelerators() const { return nullptr; }

private:
  static constexpr int IDOK_RESULT = 1;
  static constexpr int IDCANCEL_RESULT = 2;
  void Notify(int id, unsigned code);

  TDialogTemplate template_;
  std::vector<TControlState> controls_;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = 0;
};
