#include "platform/translatable.h"
#include "resources/dialog_templates.h"

#include "resources/screen_saver_ids.h"

const TDialogTemplate &ScreenSaverTemplate() {
  using K = TControlKind;
  using namespace screensaver;
  static const TDialogTemplate dialog{
      "SCREENSAVER",
      TR_NOOP("SCREENSAVER", "ScreenSaver"),
      ModalDialogStyle,
      50,
      27,
      104,
      94,
      "System",
      8,
      {
          {PackageList, K::ListBox, "", 0x50A10003, 7, 12, 51, 58},
          {IDOK, K::PushButton, TR_NOOP("SCREENSAVER", "&Ok"), WS_TABSTOP, 68, 11, 30, 12},
          {IDCANCEL, K::PushButton, TR_NOOP("SCREENSAVER", "&Cancel"), WS_TABSTOP, 68, 34, 30, 12},
          {HelpButton, K::PushButton, TR_NOOP("SCREENSAVER", "&Help"), WS_TABSTOP, 68, 56, 30, 12},
          {-1, K::Static, TR_NOOP("SCREENSAVER", "Packages:"), SS_CENTER, 16, 2, 33, 8},
          {-1, K::Static, TR_NOOP("SCREENSAVER", "Select the package you want"), 0, 7, 73, 95, 8},
          {-1, K::Static, TR_NOOP("SCREENSAVER", "loaded into the screensaver."), 0, 7, 82, 95, 9},
      }};
  return dialog;
}
