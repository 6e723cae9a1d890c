#pragma once

// The Qt widget of each kind of dialog control, and how the framework's
// state of a control is shown on it. Wiring what the user does back to the
// framework is the dialog's job (qt_dialog.h).

#include <QString>
#include <string>
#include <string_view>

class QListWidget;
class QPixmap;
class QWidget;
struct TControlState;
struct TControlTemplate;

// Makes the widget of a control as a child of dialog; the caller places it.
QWidget *MakeControlWidget(const TControlTemplate &control, QWidget *dialog);

// Shows a control's state (text, check, items, selection, enabled) on its
// widget. What the widget already shows is left alone, so that an echo of
// the user's own typing or selecting keeps the caret and the scroll place.
// The caller blocks the widget's signals.
// Texts are shown translated in context, the dialog's resource name; what
// the user types into an edit is not.
void ShowControlState(QWidget *widget, const TControlState &state, const char *context);

// Shortens a placed list box to a whole number of items, as list boxes
// always were unless a template asked otherwise: no item shows cut off, and
// a list the template lets touch the control below it keeps clear of it.
void ShowWholeItemsOnly(QListWidget *list);

// The width a list box needs to show its widest entry whole: the entry, the
// frame, and the vertical scroll bar when the entries need one.
int WidthForEntries(QListWidget *list);

// The selected row of a list; -1 when none is. The current row (the one
// with the focus frame) is not a selection: Qt makes one as the list gets
// the focus.
int SelectedRow(const QListWidget *list);

// Whether a widget takes part in keyboard focus (is not a label or a frame).
bool TakesFocus(const TControlTemplate &control);

// The text of a multi-line edit: CR LF line ends in the framework, LF in Qt.
QString ToEditText(std::string_view bytes);
std::string FromEditText(const QString &text);

// A label's text without its mnemonic marks ("&&" stays as one "&"), for a
// label that has no control to send the mnemonic to.
QString WithoutMnemonics(const QString &text);

// The program's icon at size × size pixels.
QPixmap ProgramIcon(int size);
