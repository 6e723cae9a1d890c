#include "dialogs/about_dialogs.h"

#include "content/package_reader.h"
#include "framework/controls.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "resources/about_ids.h"
#include "resources/dialog_templates.h"

using namespace aboutpackages;
using namespace aboutselwarth;

TAboutPackagesDialog::TAboutPackagesDialog(TWindow *parent)
    : TDialog(parent, AboutPackagesTemplate()) {}

bool TAboutPackagesDialog::Respond(const TMessage &msg) {
  static const TResponseTable<TAboutPackagesDialog> table = {
      EvNotify(PackageList, LBN_SELCHANGE, &TAboutPackagesDialog::EvSelChange),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TAboutPackagesDialog::SetupWindow() {
  TListBox list(*this, PackageList);
  list.DirectoryList("*.QXP");
  list.DirectoryList("*.OFF");
  if (list.GetCount() == 0) {
    TEdit(*this, DescriptionEdit)
        .SetText(TranslatedText("ABOUTPACKAGES",
                                "No Selwarth packages were found in the current directory."));
    return;
  }
  list.SetSelIndex(0);
  ShowDescription();
}

void TAboutPackagesDialog::EvSelChange() {
  ShowDescription();
}

void TAboutPackagesDialog::ShowDescription() {
  TListBox list(*this, PackageList);
  TEdit(*this, DescriptionEdit).SetText(ReadPackageDescription(list.GetString(list.GetSelIndex())));
}

TAboutSelwarthDialog::TAboutSelwarthDialog(TWindow *parent)
    : TDialog(parent, AboutSelwarthTemplate()) {}

void TAboutSelwarthDialog::SetupWindow() {
  TStatic(*this, VersionStatic)
      .SetText(FormatText(TranslatedText("ABOUTSELWARTH", "Version %1"), {ProgramVersion}));
  TStatic(*this, PlatformStatic).SetText(TranslatedText("ABOUTSELWARTH", ProgramPlatform));
}
