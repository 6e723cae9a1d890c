#include "dialogs/program_settings_dialog.h"

#include <array>
#include <string>
#include <vector>

#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_change.h"
#include "content/settings_store.h"
#include "dialogs/screen_saver_dialog.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "resources/dialog_templates.h"
#include "resources/program_settings_ids.h"

namespace {

using namespace programsettings;

// Each on/off setting the dialog edits with its check box, in the order
// Save writes them.
struct Option {
  int box;
  std::int16_t Settings::*value;
};
constexpr auto Options = std::to_array<Option>({
    {SaveFileBox, &Settings::SaveFile},
    {EveryStartupBox, &Settings::EveryStartup},
    {UpdateDailyBox, &Settings::UpdateDaily},
    {JustifyTextBox, &Settings::JustifyText},
    {TopmostBox, &Settings::Topmost},
    {BlankLinesBox, &Settings::BlankLines},
    {ScreenSaverBox, &Settings::ScreenSaver},
});

// Every setting the dialog edits: the options, then the quote method.
std::vector<SettingMirror> EditedSettings() {
  std::vector<SettingMirror> settings;
  for (const Option &option : Options)
    settings.push_back(option.value);
  settings.push_back(&Settings::QuoteMethodCode);
  return settings;
}

} // namespace

TProgramSettingsDialog::TProgramSettingsDialog(TWindow *parent, Settings &settings,
                                               DayState &dayState)
    : TDialog(parent, ProgramSettingsTemplate()), settings_(settings), dayState_(dayState) {}

bool TProgramSettingsDialog::Respond(const TMessage &msg) {
  using D = TProgramSettingsDialog;
  static const TResponseTable<D> table = {
      EvCommand(SaveButton, &D::CmSave),
      EvCommand(HelpButton, &D::CmHelp),
      EvCommand(ScreenSaverBox, &D::CmScreenSaver),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TProgramSettingsDialog::SetupWindow() {
  for (const MethodRadio &button : MethodRadios)
    TButton(*this, button.radio)
        .SetCheck(button.method == QuoteMethodName(settings_.QuoteMethodCode) ? BF_CHECKED
                                                                              : BF_UNCHECKED);
  for (const Option &option : Options)
    TButton(*this, option.box).SetCheck(settings_.*option.value != 0 ? BF_CHECKED : BF_UNCHECKED);
}

void TProgramSettingsDialog::ReadControls() {
  for (const Option &option : Options)
    settings_.*option.value = TButton(*this, option.box).GetCheck() == BF_CHECKED ? 1 : 0;
  for (const MethodRadio &button : MethodRadios)
    if (TButton(*this, button.radio).GetCheck() == BF_CHECKED)
      settings_.QuoteMethodCode =
          QuoteMethodNamed(button.method).value_or(settings_.QuoteMethodCode);
}

void TProgramSettingsDialog::CmOk() {
  ReadControls();
  CloseDialog(IDOK);
}

void TProgramSettingsDialog::CmSave(unsigned) {
  const std::vector<SettingMirror> settings = EditedSettings();
  const SettingValues before(settings_, settings);
  ReadControls();
  // One write for all the dialog's keys: a failure leaves the file as it
  // was, never some keys new and others old while the user is told of a
  // failure.
  if (const platform::Result<void> stored = StoreSettings(settings_, settings); !stored) {
    // Saying "saved" here would be false. The dialog stays open with the
    // settings as they were, so that Cancel still undoes and OK still
    // applies the changes for this run.
    before.Restore();
    MessageBox(this,
               FormatText(TranslatedText("Messages", "Settings could not be saved.\n%1\nChoose "
                                                     "[OK] to use them until you exit, or [CANCEL] "
                                                     "to undo them."),
                          {stored.error()}),
               TR_NOOP("Messages", "Program Settings"), MB_ICONEXCLAMATION | MB_TASKMODAL);
    return;
  }
  MessageBox(this, TR_NOOP("Messages", "Settings have been saved."),
             TR_NOOP("Messages", "Program Settings"), MB_ICONINFORMATION | MB_TASKMODAL);
  CloseDialog(IDOK);
}

void TProgramSettingsDialog::CmHelp(unsigned) {
  MessageBox(
      this,
      TR_NOOP("Messages",
              "Select or deselect options as desired and then click the button of your choice.\n"
              "[OK] will make the changes last until you exit.\n"
              "[SAVE] will make the changes permanent.\n"
              "[CANCEL] will undo any changes you have made."),
      TR_NOOP("Messages", "Changing Program Settings"), MB_ICONINFORMATION | MB_TASKMODAL);
}

void TProgramSettingsDialog::CmScreenSaver(unsigned) {
  TButton box(*this, ScreenSaverBox);
  if (box.GetCheck() != BF_CHECKED)
    return;
  TScreenSaverDialog(this, settings_, dayState_).Execute();
  if (!dayState_.ReloadPending)
    box.SetCheck(BF_UNCHECKED);
}
