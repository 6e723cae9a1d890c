#include "resources/dialog_templates.h"

const TDialogTemplate &ProgramSettingsTemplate() {
  using K = TControlKind;
  static const TDialogTemplate dialog{
      "PROGRAMSETTINGS",
      "Program Settings",
      ModalDialogStyle,
      18,
      40,
      109,
      127,
      "System",
      8,
      {
          {1, K::DefPushButton, "&Ok", WS_TABSTOP, 74, 13, 30, 12},
          {2, K::PushButton, "&Cancel", WS_TABSTOP, 74, 45, 30, 12},
          {9, K::PushButton, "&Save", WS_TABSTOP, 74, 78, 30, 12},
          {998, K::PushButton, "&Help", WS_TABSTOP, 74, 111, 30, 12},
          {110, K::AutoRadioButton, "&Date", WS_TABSTOP | WS_GROUP, 7, 14, 54, 9},
          {111, K::AutoRadioButton, "&Incremental", WS_TABSTOP, 7, 24, 54, 9},
          {112, K::AutoRadioButton, "&Random", WS_TABSTOP, 7, 34, 54, 9},
          {114, K::AutoCheckBox, "&Justify Text", WS_TABSTOP | WS_GROUP, 7, 58, 49, 10},
          {119, K::AutoCheckBox, "&Blank Lines", WS_TABSTOP, 7, 67, 50, 10},
          {113, K::AutoCheckBox, "Save to &File", WS_TABSTOP, 7, 76, 51, 10},
          {118, K::AutoCheckBox, "&Every Startup", WS_TABSTOP, 7, 85, 54, 10},
          {115, K::AutoCheckBox, "&Update Daily", WS_TABSTOP, 7, 94, 54, 10},
          {116, K::AutoCheckBox, "&Topmost", WS_TABSTOP, 7, 103, 53, 10},
          {117, K::AutoCheckBox, "Screen Sa&ver...", WS_TABSTOP, 7, 112, 60, 10},
          {-1, K::Static, "Quote Method:", 0, 13, 3, 48, 8},
          {-1, K::GroupBox, "", 0, 3, 9, 66, 36},
          {-1, K::Static, "Options:", 0, 22, 47, 29, 8},
          {-1, K::GroupBox, "", 0, 3, 53, 66, 70},
      }};
  return dialog;
}
