#include "dialogs/package_settings_dialog.h"

#include <cstdio>

#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/package_font_settings.h"
#include "content/settings.h"
#include "content/settings_store.h"
#include "framework/backend.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "platform/ascii.h"
#include "resources/dialog_templates.h"
#include "resources/package_settings_ids.h"

using namespace packagesettings;

namespace {

constexpr int SmallestSize = 6, LargestSize = 80;
// The longest package name a switch can make: the name field holds 102
// characters and its end.
constexpr std::size_t LongestSwitchedName = 102;

// A size as the size list writes it: at least two digits.
std::string SizeText(int size) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", size);
  return text;
}

std::string DropTrailingDot(std::string text) {
  if (!text.empty() && text.back() == '.')
    text.pop_back();
  return text;
}

} // namespace

TPackageSettingsDialog::TPackageSettingsDialog(TWindow *parent, Settings &settings,
                                               DayState &dayState)
    : TDialog(parent, PackageSettingsTemplate()), settings_(settings), dayState_(dayState) {}

bool TPackageSettingsDialog::Respond(const TMessage &msg) {
  using D = TPackageSettingsDialog;
  static const TResponseTable<D> table = {
      EvCommand(AssignButton, &D::CmAssign),
      EvCommand(OnOffButton, &D::CmOnOff),
      EvCommand(SetDefaultButton, &D::CmSetDefault),
      EvCommand(ClearDefaultButton, &D::CmClearDefault),
      EvCommand(HelpButton, &D::CmHelp),
      EvNotify(EnabledList, LBN_SELCHANGE, &D::EvEnabledSelected),
      EvNotify(DisabledList, LBN_SELCHANGE, &D::EvDisabledSelected),
      EvNotify(FontList, LBN_SELCHANGE, &D::EvFontPicked),
      EvNotify(SizeList, LBN_SELCHANGE, &D::EvSizePicked),
      EvNotify(EnabledList, LBN_DBLCLK, &D::EvDoubleClick),
      EvNotify(DisabledList, LBN_DBLCLK, &D::EvDoubleClick),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TPackageSettingsDialog::SetupWindow() {
  dayState_.ReloadPending = false;
  FillPackageLists();
  TListBox fonts(*this, FontList);
  for (const std::string &family : CurrentBackend().FontFamilies())
    fonts.AddString(family);
  TListBox sizes(*this, SizeList);
  for (int size = SmallestSize; size <= LargestSize; ++size)
    sizes.AddString(SizeText(size));
  ShowDefaultFont();
  selected_.clear();
  LastAction = 0;
}

void TPackageSettingsDialog::FillPackageLists() {
  TListBox enabled(*this, EnabledList);
  TListBox disabled(*this, DisabledList);
  enabled.ClearList();
  disabled.ClearList();
  sources_ = DaySources(true);
  for (const TDaySource &source : sources_)
    (source.enabled ? enabled : disabled).AddString(source.name);
}

const TDaySource *TPackageSettingsDialog::SelectedSource() const {
  return selected_.empty() ? nullptr : SourceNamed(sources_, selected_);
}

bool TPackageSettingsDialog::EnabledPackageSelected() const {
  const TDaySource *source = SelectedSource();
  return source != nullptr && source->enabled;
}

void TPackageSettingsDialog::EvEnabledSelected() {
  TListBox(*this, DisabledList).SetSelIndex(-1);
  TListBox enabled(*this, EnabledList);
  selected_ = enabled.GetString(enabled.GetSelIndex());
  if (selected_.empty())
    return;
  TListBox(*this, FontList).SelectString(PackageFontName(settings_, selected_));
  TListBox(*this, SizeList).SelectString(SizeText(PackageFontSize(settings_, selected_)));
  LastAction = EnabledList;
}

void TPackageSettingsDialog::EvDisabledSelected() {
  TListBox disabled(*this, DisabledList);
  selected_ = disabled.GetString(disabled.GetSelIndex());
  TListBox(*this, EnabledList).SetSelIndex(-1);
  TListBox(*this, FontList).SetSelIndex(-1);
  TListBox(*this, SizeList).SetSelIndex(-1);
  LastAction = DisabledList;
}

void TPackageSettingsDialog::EvFontPicked() {
  // With no package selected, the choice is for the default font.
  if (EnabledPackageSelected())
    LastAction = FontList;
  else if (!selected_.empty())
    TListBox(*this, FontList).SetSelIndex(-1);
}

void TPackageSettingsDialog::EvSizePicked() {
  // With no package selected, the choice is for the default font.
  if (EnabledPackageSelected())
    LastAction = SizeList;
  else if (!selected_.empty())
    TListBox(*this, SizeList).SetSelIndex(-1);
}

void TPackageSettingsDialog::EvDoubleClick() {
  CmOnOff(OnOffButton);
}

void TPackageSettingsDialog::CmOnOff(unsigned) {
  TListBox(*this, FontList).SetSelIndex(-1);
  TListBox(*this, SizeList).SetSelIndex(-1);
  const TDaySource *source = SelectedSource();
  if (source == nullptr) {
    MessageBox(this, TR_NOOP("Messages", "First highlight a package to turn on or off."),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  const bool switched =
      source->kind == TSourceKind::Devotional ? SwitchDevotional(*source) : SwitchPackage(*source);
  FillPackageLists();
  selected_.clear();
  if (!switched)
    return;
  dayState_.ReloadPending = true;
  LastAction = OnOffButton;
}

bool TPackageSettingsDialog::SwitchPackage(const TDaySource &source) {
  const std::string renamed = SwitchedPackageName(source.name);
  if (renamed.size() > LongestSwitchedName) {
    MessageBox(this,
               FormatText(TranslatedText("Messages",
                                         "The name of the package \"%1\" is too long to switch "
                                         "it on or off. Rename the file to a name of at most %2 "
                                         "characters first."),
                          {source.name, std::to_string(LongestSwitchedName)}),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return false;
  }
  if (platform::Result<void> moved = SwitchSource(source); !moved) {
    MessageBox(this,
               FormatText(TranslatedText("Messages",
                                         "The package \"%1\" could not be renamed to \"%2\": %3."),
                          {source.name, renamed, moved.error()}),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return false;
  }
  return true;
}

bool TPackageSettingsDialog::SwitchDevotional(const TDaySource &source) {
  // Its switch is a setting: the module's files, maybe the system's, stay
  // as they are.
  platform::Result<void> stored = SwitchSource(source);
  if (stored)
    return true;
  MessageBox(
      this,
      FormatText(source.enabled
                     ? TranslatedText("Messages", "The devotional %1 could not be turned off: the "
                                                  "settings file could not be written.\n%2")
                     : TranslatedText("Messages", "The devotional %1 could not be turned on: the "
                                                  "settings file could not be written.\n%2"),
                 {source.name, stored.error()}),
      TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
  return false;
}

void TPackageSettingsDialog::CmAssign(unsigned) {
  TListBox enabled(*this, EnabledList);
  TListBox fonts(*this, FontList);
  TListBox sizes(*this, SizeList);
  if (enabled.GetSelIndex() < 0 || fonts.GetSelIndex() < 0 || sizes.GetSelIndex() < 0) {
    MessageBox(this, TR_NOOP("Messages", "First choose a Package, Font, and Size."),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  std::string package = enabled.GetString(enabled.GetSelIndex());
  std::string face = DropTrailingDot(fonts.GetString(fonts.GetSelIndex()));
  int size = std::atoi(DropTrailingDot(sizes.GetString(sizes.GetSelIndex())).c_str());
  if (platform::Result<void> stored = StorePackageFont(package, face, size); !stored) {
    // The day's next load would take the font back: nothing is changed.
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The font for %1 could not be saved.\n%2"),
                          {package, stored.error()}),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  // The window shows the new font at once, before the day is loaded again.
  for (TDayEntry *entry = dayState_.DayEntries.get(); entry != nullptr; entry = entry->Next.get())
    if (platform::SameAscii(entry->FileName, package)) {
      entry->FontName = FontNameAsRead(face);
      entry->FontSize = static_cast<std::int16_t>(size);
    }
  ShowNewFonts(AssignButton);
}

void TPackageSettingsDialog::ShowNewFonts(int action) {
  if (Parent() != nullptr)
    Parent()->PostMessage(WM_SIZE, SIZE_RESTORED, 0);
  dayState_.ReloadPending = true;
  LastAction = action;
}

void TPackageSettingsDialog::CmSetDefault(unsigned) {
  TListBox fonts(*this, FontList);
  TListBox sizes(*this, SizeList);
  if (fonts.GetSelIndex() < 0 || sizes.GetSelIndex() < 0) {
    MessageBox(this, TR_NOOP("Messages", "First choose a Font and Size."),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  StoreDefaultFont(DropTrailingDot(fonts.GetString(fonts.GetSelIndex())),
                   std::atoi(DropTrailingDot(sizes.GetString(sizes.GetSelIndex())).c_str()),
                   SetDefaultButton);
}

void TPackageSettingsDialog::CmClearDefault(unsigned) {
  StoreDefaultFont("", FindSetting(&Settings::DefaultFontSize)->Default, ClearDefaultButton);
}

void TPackageSettingsDialog::StoreDefaultFont(const std::string &face, int size, int action) {
  const std::string oldFace = settings_.DefaultFontName;
  const std::int16_t oldSize = settings_.DefaultFontSize;
  settings_.DefaultFontName = FontNameAsRead(face);
  settings_.DefaultFontSize = static_cast<std::int16_t>(size);
  if (const platform::Result<void> stored =
          StoreSettings(settings_, {&Settings::DefaultFontName, &Settings::DefaultFontSize});
      !stored) {
    settings_.DefaultFontName = oldFace;
    settings_.DefaultFontSize = oldSize;
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The default font could not be saved.\n%1"),
                          {stored.error()}),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  for (TDayEntry *entry = dayState_.DayEntries.get(); entry != nullptr; entry = entry->Next.get())
    if (!PackageHasOwnFont(entry->FileName)) {
      entry->FontName = PackageFontName(settings_, entry->FileName);
      entry->FontSize = static_cast<std::int16_t>(PackageFontSize(settings_, entry->FileName));
    }
  ShowDefaultFont();
  ShowNewFonts(action);
}

void TPackageSettingsDialog::ShowDefaultFont() {
  TStatic(*this, DefaultFontText)
      .SetText(FormatText(
          TranslatedText("PACKAGESETTINGS", "Default font: %1"),
          {settings_.DefaultFontName.empty()
               ? std::string("System 10")
               : settings_.DefaultFontName + " " + std::to_string(settings_.DefaultFontSize)}));
}

void TPackageSettingsDialog::CmHelp(unsigned) {
  MessageBox(this,
             TR_NOOP("Messages",
                     "Highlight packages and then click [On/Off] to enable or disable them. Once a "
                     "package is enabled, you may highlight it, choose a font and size, and click "
                     "[Assign Font]. Packages without a font of their own are shown in the default "
                     "font: choose a font and size and click [Set], or [Clear] for System 10."),
             TR_NOOP("Messages", "Package Settings Help"), MB_ICONINFORMATION | MB_TASKMODAL);
}

void TPackageSettingsDialog::CmOk() {
  if (LastAction == FontList || LastAction == SizeList) {
    std::string question =
        FormatText(TranslatedText("Messages", "Font settings were changed for %1. Do you want to "
                                              "go back and assign the new font before exiting?"),
                   {selected_});
    if (MessageBox(this, question, TR_NOOP("Messages", "PackageSettings"),
                   MB_ICONQUESTION | MB_YESNO | MB_TASKMODAL) == IDYES)
      return;
  }
  CloseDialog(IDOK);
}
