#include "framework/window.h"
#include "platform/translatable.h"
#include "resources/dde_settings_ids.h"
#include "resources/dialog_templates.h"

const TDialogTemplate &DdeSettingsTemplate() {
  using K = TControlKind;
  using namespace ddesettings;
  static const TDialogTemplate dialog{
      "DDESETTINGS",
      TR_NOOP("DDESETTINGS", "Dynamic Data Exchange Settings"),
      ModalDialogStyle,
      20,
      30,
      164,
      106,
      "MS Sans Serif",
      8,
      {
          {IDOK, K::DefPushButton, TR_NOOP("DDESETTINGS", "&OK"), WS_TABSTOP, 124, 8, 34, 14},
          {IDCANCEL, K::PushButton, TR_NOOP("DDESETTINGS", "&Cancel"), WS_TABSTOP, 124, 26, 34, 14},
          {DdeRetryButton, K::PushButton, TR_NOOP("DDESETTINGS", "&Retry"), WS_TABSTOP, 124, 44, 34,
           14},
          {HelpButton, K::PushButton, TR_NOOP("DDESETTINGS", "&Help"), WS_TABSTOP, 124, 62, 34, 14},
          {DdeLogosRadio, K::AutoRadioButton, TR_NOOP("DDESETTINGS", "&Logos"),
           WS_TABSTOP | WS_GROUP, 10, 16, 50, 10},
          {DdeQuickVerseRadio, K::AutoRadioButton, TR_NOOP("DDESETTINGS", "&QuickVerse"),
           WS_TABSTOP, 10, 27, 50, 10},
          {DdeSeedMasterRadio, K::AutoRadioButton, TR_NOOP("DDESETTINGS", "&SeedMaster"),
           WS_TABSTOP, 10, 38, 50, 10},
          {DdeXiphosRadio, K::AutoRadioButton, TR_NOOP("DDESETTINGS", "&Xiphos"), WS_TABSTOP, 10,
           49, 50, 10},
          {DdeOtherRadio, K::AutoRadioButton, TR_NOOP("DDESETTINGS", "Oth&er"), WS_TABSTOP, 10, 60,
           50, 10},
          {DdeNoneRadio, K::AutoRadioButton, TR_NOOP("DDESETTINGS", "&None"), WS_TABSTOP, 10, 71,
           50, 10},
          {DdeTranslationList, K::ListBox, "",
           LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 68, 14, 50, 71},
          {DdeIdEdit, K::Edit, "", WS_BORDER | WS_TABSTOP, 38, 89, 80, 12},
          {DdeServerGroup, K::GroupBox, "", 0, 4, 10, 60, 75},
          {-1, K::Static, TR_NOOP("DDESETTINGS", "Concordance:"), 0, 8, 2, 50, 8},
          {-1, K::Static, TR_NOOP("DDESETTINGS", "Translation:"), 0, 68, 4, 50, 8},
          {-1, K::Static, TR_NOOP("DDESETTINGS", "DDE ID:"), 0, 6, 91, 30, 8},
      }};
  return dialog;
}
