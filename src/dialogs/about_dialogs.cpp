#include "dialogs/about_dialogs.h"

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
  sources_ = DaySources(true);
  for (const TDaySource &source : sources_)
    list.AddString(source.name);
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
  const TDaySource *source = SourceNamed(sources_, list.GetString(list.GetSelIndex()));
  TEdit(*this, DescriptionEdit).SetText(source != nullptr ? SourceDescription(*source) : "");
}

TAboutSelwarthDialog::TAboutSelwarthDialog(TWindow *parent)
    : TDialog(parent, AboutSelwarthTemplate()) {}

void TAboutSelwarthDialog::SetupWindow() {
  TStatic(*this, VersionStatic)
      .SetText(FormatText(TranslatedText("ABOUTSELWARTH", "Version %1"), {ProgramVersion}));
  TStatic(*this, PlatformStatic).SetText(TranslatedText("ABOUTSELWARTH", ProgramPlatform));
}
