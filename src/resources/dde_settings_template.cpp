#include "framework/window.h"
#include "resources/dialog_templates.h"

const TDialogTemplate &DdeSettingsTemplate() {
  using K = TControlKind;
  static const TDialogTemplate dialog{
      "DDESETTINGS",
      "Dynamic Data Exchange Settings",
      ModalDialogStyle,
      20,
      30,
      164,
      95,
      "MS Sans Serif",
      8,
      {
          {1, K::DefPushButton, "&OK", WS_TABSTOP, 124, 8, 34, 14},
          {2, K::PushButton, "&Cancel", WS_TABSTOP, 124, 26, 34, 14},
          {4, K::PushButton, "&Retry", WS_TABSTOP, 124, 44, 34, 14},
          {998, K::PushButton, "&Help", WS_TABSTOP, 124, 62, 34, 14},
          {101, K::AutoRadioButton, "Logos", WS_TABSTOP | WS_GROUP, 10, 16, 50, 10},
          {102, K::AutoRadioButton, "QuickVerse", WS_TABSTOP, 10, 27, 50, 10},
          {103, K::AutoRadioButton, "SeedMaster", WS_TABSTOP, 10, 38, 50, 10},
          {104, K::AutoRadioButton, "Other", WS_TABSTOP, 10, 49, 50, 10},
          {105, K::AutoRadioButton, "None", WS_TABSTOP, 10, 60, 50, 10},
          {120, K::ListBox, "",
           LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 68, 14, 50, 60},
          {130, K::Edit, "", WS_BORDER | WS_TABSTOP, 38, 78, 80, 12},
          {106, K::GroupBox, "", 0, 4, 10, 60, 64},
          {-1, K::Static, "Concordance:", 0, 8, 2, 50, 8},
          {-1, K::Static, "Translation:", 0, 68, 4, 50, 8},
          {-1, K::Static, "DDE ID:", 0, 6, 80, 30, 8},
      }};
  return dialog;
}
