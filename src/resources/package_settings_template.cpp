#include "framework/window.h"
#include "platform/translatable.h"
#include "resources/dialog_templates.h"
#include "resources/package_settings_ids.h"

const TDialogTemplate &PackageSettingsTemplate() {
  using K = TControlKind;
  using namespace packagesettings;
  constexpr std::uint32_t PackageList =
      LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP;
  constexpr std::uint32_t ChoiceList = LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
  static const TDialogTemplate dialog{
      "PACKAGESETTINGS",
      TR_NOOP("PACKAGESETTINGS", "Package Settings"),
      ModalDialogStyle,
      0,
      0,
      170,
      122,
      "System",
      8,
      {
          {EnabledLabel, K::Static, TR_NOOP("PACKAGESETTINGS", "Enabled:"), 0, 12, 5, 46, 7},
          {-1, K::Static, TR_NOOP("PACKAGESETTINGS", "Disabled:"), 0, 75, 5, 45, 7},
          {EnabledList, K::ListBox, "", PackageList, 6, 15, 58, 54},
          {DisabledList, K::ListBox, "", PackageList, 69, 15, 58, 54},
          {FontList, K::ListBox, "", ChoiceList, 6, 68, 95, 31, TR_NOOP("PACKAGESETTINGS", "Font")},
          {SizeList, K::ListBox, "", ChoiceList, 106, 68, 21, 31,
           TR_NOOP("PACKAGESETTINGS", "Size")},
          {IDOK, K::DefPushButton, TR_NOOP("PACKAGESETTINGS", "&Ok"), WS_TABSTOP, 133, 14, 32, 12},
          {OnOffButton, K::PushButton, TR_NOOP("PACKAGESETTINGS", "On&/Off"), WS_TABSTOP, 133, 38,
           32, 12},
          {AssignButton, K::PushButton, TR_NOOP("PACKAGESETTINGS", "&Assign"), WS_TABSTOP, 133, 63,
           32, 12},
          {HelpButton, K::PushButton, TR_NOOP("PACKAGESETTINGS", "&Help"), WS_TABSTOP, 133, 88, 32,
           12},
          // The font of the packages without one of their own.
          {DefaultFontText, K::Static, TR_NOOP("PACKAGESETTINGS", "Default font: System 10"), 0, 6,
           106, 90, 8},
          {SetDefaultButton, K::PushButton, TR_NOOP("PACKAGESETTINGS", "&Set"), WS_TABSTOP, 99, 104,
           28, 12},
          {ClearDefaultButton, K::PushButton, TR_NOOP("PACKAGESETTINGS", "&Clear"), WS_TABSTOP, 133,
           104, 32, 12},
      }};
  return dialog;
}
