#include "dialogs/screen_saver_dialog.h"

#include "content/day_sources.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_store.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "resources/dialog_templates.h"
#include "resources/screen_saver_ids.h"

using namespace screensaver;

TScreenSaverDialog::TScreenSaverDialog(TWindow *parent, Settings &settings, DayState &dayState)
    : TDialog(parent, ScreenSaverTemplate()), settings_(settings), dayState_(dayState) {}

bool TScreenSaverDialog::Respond(const TMessage &msg) {
  using D = TScreenSaverDialog;
  static const TResponseTable<D> table = {
      EvCommand(HelpButton, &D::CmHelp),
      EvNotify(PackageList, LBN_SELCHANGE, &D::EvSelChange),
      EvNotify(PackageList, LBN_DBLCLK, &D::CmOk),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TScreenSaverDialog::SetupWindow() {
  dayState_.ReloadPending = false;
  // The enabled sources by their keys, as the daily load compares them with
  // the entries' FileName: the names in lower case.
  TListBox list(*this, PackageList);
  for (const TDaySource &source : DaySources(false))
    list.AddString(source.key);
  selection_.clear();
}

void TScreenSaverDialog::EvSelChange() {
  TListBox list(*this, PackageList);
  selection_ = list.GetString(list.GetSelIndex());
}

void TScreenSaverDialog::CmOk() {
  if (selection_.empty()) {
    MessageBox(
        this,
        TR_NOOP("Messages",
                "First highlight a package to load into the screen saver, then choose [OK]."),
        TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  // The setting is read back into a buffer of 50 bytes at the next start:
  // a longer name would come back cut and never match its package.
  if (selection_.size() > SaverTitleBuffer - 1) {
    MessageBox(this,
               FormatText(TranslatedText("Messages",
                                         "The package name \"%1\" is longer than %2 characters "
                                         "and cannot be used for the screen saver. Rename the "
                                         "package file to a shorter name and try again."),
                          {selection_, std::to_string(SaverTitleBuffer - 1)}),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  settings_.SaverPackage = selection_;
  if (const platform::Result<void> stored = StoreSettings(settings_, {&Settings::SaverPackage});
      !stored)
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The screen saver package could not be "
                                                     "saved.\n%1\nIt will be used until you exit."),
                          {stored.error()}),
               TR_NOOP("Messages", "Screen Saver"), MB_ICONEXCLAMATION);
  dayState_.ReloadPending = true;
  CloseDialog(IDOK);
}

void TScreenSaverDialog::CmHelp(unsigned) {
  MessageBox(
      this,
      TR_NOOP("Messages",
              "In order for Selwarth to use the Windows \"Marquee\" screen saver, you will need "
              "to highlight one package that you would like loaded into it and then choose "
              "[OK]."),
      TR_NOOP("Messages", "Screen Saver Help"), MB_ICONINFORMATION | MB_TASKMODAL);
}
