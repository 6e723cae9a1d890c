#include "framework/dialog.h"

#include <algorithm>

#include "framework/backend.h"
#include "framework/close_signals.h"
#include "framework/control_labels.h"
#include "framework/response_table.h"

TDialog::TDialog(TWindow *parent, const TDialogTemplate &tmpl)
    : TWindow(parent, tmpl.Caption), template_(tmpl) {
  for (const TControlTemplate &control : template_.Controls) {
    TControlState state;
    state.Template = control;
    state.Name = ControlName(template_.Controls, controls_.size());
    state.NameLabel = NamingLabel(template_.Controls, controls_.size());
    if (control.Kind != TControlKind::ListBox)
      state.Text = control.Text;
    state.Enabled = (control.Style & WS_DISABLED) == 0;
    controls_.push_back(std::move(state));
  }
}

TDialog::~TDialog() = default;

int TDialog::Execute() {
  // The program is closing: the dialog is cancelled before it is shown.
  if (ProgramClosing())
    return IDCANCEL_RESULT;
  modal_ = true;
  ended_ = false;
  result_ = 0;
  Create();
  if (!ended_)
    CurrentBackend().RunModal(*this);
  Destroy(result_);
  modal_ = false;
  return result_;
}

void TDialog::CloseDialog(int result) {
  result_ = result;
  ended_ = true;
  if (!modal_)
    Destroy(result);
}

TControlState *TDialog::Control(int id) {
  auto found = std::find_if(controls_.begin(), controls_.end(),
                            [id](const TControlState &c) { return c.Template.Id == id; });
  return found == controls_.end() ? nullptr : &*found;
}

void TDialog::ControlChanged(int id) {
  if (IsCreated())
    CurrentBackend().ControlChanged(*this, id);
}

void TDialog::Notify(int id, unsigned code) {
  HandleMessage(CommandMessage(static_cast<unsigned>(id), code));
}

void TDialog::UserClick(int id) {
  TControlState *control = Control(id);
  if (control == nullptr || !control->Enabled)
    return;
  if (control->Template.Kind == TControlKind::AutoCheckBox) {
    control->Check = control->Check == BF_CHECKED ? BF_UNCHECKED : BF_CHECKED;
    ControlChanged(id);
  } else if (control->Template.Kind == TControlKind::AutoRadioButton) {
    // The group runs from the radio button that starts it to the next one
    // that starts another group.
    auto self = controls_.begin() + (control - controls_.data());
    auto first = self;
    while (first != controls_.begin() && (first->Template.Style & WS_GROUP) == 0 &&
           std::prev(first)->Template.Kind == TControlKind::AutoRadioButton)
      --first;
    for (auto it = first;
         it != controls_.end() && it->Template.Kind == TControlKind::AutoRadioButton; ++it) {
      if (it != first && (it->Template.Style & WS_GROUP) != 0)
        break;
      int check = it == self ? BF_CHECKED : BF_UNCHECKED;
      if (it->Check != check) {
        it->Check = check;
        ControlChanged(it->Template.Id);
      }
    }
  }
  Notify(id, BN_CLICKED);
}

void TDialog::UserSelect(int id, int index) {
  TControlState *control = Control(id);
  if (control == nullptr || index < -1 || index >= static_cast<int>(control->Items.size()))
    return;
  control->Selection = index;
  ControlChanged(id);
  if ((control->Template.Style & LBS_NOTIFY) != 0)
    Notify(id, LBN_SELCHANGE);
}

void TDialog::UserDoubleClick(int id, int index) {
  UserSelect(id, index);
  TControlState *control = Control(id);
  if (control != nullptr && index >= 0 && (control->Template.Style & LBS_NOTIFY) != 0)
    Notify(id, LBN_DBLCLK);
}

void TDialog::UserType(int id, const std::string &text) {
  TControlState *control = Control(id);
  if (control == nullptr || !control->Enabled || (control->Template.Style & ES_READONLY) != 0)
    return;
  control->Text = text;
  ControlChanged(id);
  Notify(id, EN_CHANGE);
}

void TDialog::UserChoose(int id) {
  TControlState *control = Control(id);
  if (control != nullptr && control->Enabled && (control->Template.Style & ES_CHOOSABLE) != 0)
    Notify(id, EN_CHOSEN);
}

void TDialog::UserCancel() {
  Notify(IDCANCEL_RESULT, BN_CLICKED);
}

void TDialog::DefaultProcessing(const TMessage &msg) {
  if (msg.Id == WM_COMMAND && NotifyCode(msg) == BN_CLICKED) {
    if (CommandId(msg) == IDOK_RESULT) {
      CmOk();
      return;
    }
    if (CommandId(msg) == IDCANCEL_RESULT) {
      CmCancel();
      return;
    }
  }
  if (msg.Id == WM_CLOSE) {
    CmCancel();
    return;
  }
  TWindow::DefaultProcessing(msg);
}

bool TDialog::KeyDown(TKeyPress key) {
  const TAcceleratorTable *table = Accelerators();
  std::optional<unsigned> command =
      table != nullptr ? TranslateAccelerator(*table, key) : std::nullopt;
  if (!command)
    return false;
  HandleMessage(CommandMessage(*command, 0));
  return true;
}

bool TDialog::TakesKey(TKeyPress key) const {
  const TAcceleratorTable *table = Accelerators();
  return table != nullptr && TranslateAccelerator(*table, key).has_value();
}
