#pragma once

// The Qt peer of a framework dialog: a QDialog laid out from the dialog's
// template, one widget per control. It shows the framework's state of the
// controls and reports what the user does (clicks, selections, typing,
// Escape, the close button) to the framework, which decides what happens,
// closing included.

#include <QDialog>
#include <vector>

#include "framework/qt/qt_dialog_units.h"

class TDialog;

class DialogWidget : public QDialog {
public:
  // owner: the top-level window the dialog belongs to, or nullptr.
  DialogWidget(TDialog &dialog, QWidget *owner);

  // Shows the dialog, active, with the focus on its first tab stop.
  void Open();
  // Shows the framework's state of the controls with id.
  void ShowControl(int id);
  // The framework's dialog is going away: from now on nothing the user does
  // reaches it.
  void Detach();

  // The widget of the first control with id; nullptr when there is none.
  QWidget *ControlWidget(int id) const;
  // The widgets of all controls, in the template's order.
  const std::vector<QWidget *> &ControlWidgets() const { return widgets_; }
  const DialogUnits &Units() const { return units_; }

protected:
  // Escape, and Qt's own wish to close: the framework decides.
  void reject() override;
  void closeEvent(QCloseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  // A dialog with a document grows it with itself.
  void resizeEvent(QResizeEvent *event) override;

private:
  void ConnectControl(size_t index);
  void ShowControlAt(size_t index);
  void Click(size_t index);
  // The radio button an arrow key moves to from the one at index: the next
  // (or previous) enabled one of its group, round from end to start.
  size_t RadioAfter(size_t index, bool forward) const;
  // Enter, Space, a double click or an arrow key on an ES_CHOOSABLE box (or
  // its viewport); whether it was one.
  bool ChoosableEvent(QObject *watched, QEvent *event);
  void GiveMnemonicsTargets();
  // A dialog narrower than the window manager's title bar needs for its
  // title grows, its controls in the middle.
  void MakeRoomForTitle();
  // A list too narrow for an entry grows to show it whole, the dialog with
  // it, as far as the screen allows.
  void MakeRoomForEntries();
  void PlaceOnScreen(QWidget *owner);
  // A key the dialog's accelerators take, before the focused control does.
  bool DialogKey(QKeyEvent *key, bool overriding);

  TDialog *dialog_;
  DialogUnits units_;
  std::vector<QWidget *> widgets_; // one per control, in template order
  std::vector<int> ids_;
  // The documents and the size the dialog was laid out at, which they grow
  // from.
  std::vector<QWidget *> documents_;
  QSize laidOut_;
  std::vector<QSize> documentSizes_;
  bool entriesPending_ = false; // MakeRoomForEntries is posted
};

// The width a control needs to show its text on one line, whole: a button's,
// a check box's, a radio button's or a one-line label's; 0 for the others.
int WidthForText(QWidget *widget);

// The dialog's peer; nullptr when it has none.
DialogWidget *DialogWidgetOf(const TDialog &dialog);
