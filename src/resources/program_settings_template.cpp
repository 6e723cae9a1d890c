#include "platform/translatable.h"
#include "resources/dialog_templates.h"

#include "resources/program_settings_ids.h"

const TDialogTemplate &ProgramSettingsTemplate() {
  using K = TControlKind;
  using namespace programsettings;
  static const TDialogTemplate dialog{
      "PROGRAMSETTINGS",
      TR_NOOP("PROGRAMSETTINGS", "Program Settings"),
      ModalDialogStyle,
      18,
      40,
      109,
      127,
      "System",
      8,
      {
          {IDOK, K::DefPushButton, TR_NOOP("PROGRAMSETTINGS", "&Ok"), WS_TABSTOP, 74, 13, 30, 12},
          {IDCANCEL, K::PushButton, TR_NOOP("PROGRAMSETTINGS", "&Cancel"), WS_TABSTOP, 74, 45, 30,
           12},
          {SaveButton, K::PushButton, TR_NOOP("PROGRAMSETTINGS", "&Save"), WS_TABSTOP, 74, 78, 30,
           12},
          {HelpButton, K::PushButton, TR_NOOP("PROGRAMSETTINGS", "&Help"), WS_TABSTOP, 74, 111, 30,
           12},
          {DateRadio, K::AutoRadioButton, TR_NOOP("PROGRAMSETTINGS", "&Date"),
           WS_TABSTOP | WS_GROUP, 7, 14, 54, 9},
          {IncrementRadio, K::AutoRadioButton, TR_NOOP("PROGRAMSETTINGS", "&Incremental"),
           WS_TABSTOP, 7, 24, 54, 9},
          {RandomRadio, K::AutoRadioButton, TR_NOOP("PROGRAMSETTINGS", "&Random"), WS_TABSTOP, 7,
           34, 54, 9},
          {JustifyTextBox, K::AutoCheckBox, TR_NOOP("PROGRAMSETTINGS", "&Justify Text"),
           WS_TABSTOP | WS_GROUP, 7, 58, 49, 10},
          {BlankLinesBox, K::AutoCheckBox, TR_NOOP("PROGRAMSETTINGS", "&Blank Lines"), WS_TABSTOP,
           7, 67, 50, 10},
          {SaveFileBox, K::AutoCheckBox, TR_NOOP("PROGRAMSETTINGS", "Save to &File"), WS_TABSTOP, 7,
           76, 51, 10},
          {EveryStartupBox, K::AutoCheckBox, TR_NOOP("PROGRAMSETTINGS", "&Every Startup"),
           WS_TABSTOP, 7, 85, 54, 10},
          {UpdateDailyBox, K::AutoCheckBox, TR_NOOP("PROGRAMSETTINGS", "&Update Daily"), WS_TABSTOP,
           7, 94, 54, 10},
          {TopmostBox, K::AutoCheckBox, TR_NOOP("PROGRAMSETTINGS", "&Topmost"), WS_TABSTOP, 7, 103,
           53, 10},
          {ScreenSaverBox, K::AutoCheckBox, TR_NOOP("PROGRAMSETTINGS", "Screen Sa&ver..."),
           WS_TABSTOP, 7, 112, 60, 10},
          {-1, K::Static, TR_NOOP("PROGRAMSETTINGS", "Quote Method:"), 0, 13, 3, 48, 8},
          {-1, K::GroupBox, "", 0, 3, 9, 66, 36},
          {-1, K::Static, TR_NOOP("PROGRAMSETTINGS", "Options:"), 0, 22, 47, 29, 8},
          {-1, K::GroupBox, "", 0, 3, 53, 66, 70},
      }};
  return dialog;
}
