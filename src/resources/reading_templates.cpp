#include "framework/window.h"
#include "platform/translatable.h"
#include "resources/dialog_templates.h"
#include "resources/reading_ids.h"

const TDialogTemplate &ReadPassagesTemplate() {
  using K = TControlKind;
  using namespace readpassages;
  // A window to read in: the document fills it, and grows with it.
  static const TDialogTemplate dialog{
      "READPASSAGES",
      TR_NOOP("READPASSAGES", "Passages of the Day"),
      ModalDialogStyle,
      0,
      0,
      260,
      220,
      "System",
      8,
      {
          {PassageText, K::Document, "", WS_TABSTOP | WS_VSCROLL | WS_BORDER, 0, 0, 260, 220,
           TR_NOOP("READPASSAGES", "Passages")},
      }};
  return dialog;
}

const TDialogTemplate &BibleTemplate() {
  using K = TControlKind;
  using namespace bible;
  static const TDialogTemplate dialog{
      "BIBLE",
      TR_NOOP("BIBLE", "Bible"),
      ModalDialogStyle,
      0,
      0,
      160,
      112,
      "System",
      8,
      {
          {-1, K::Static, TR_NOOP("BIBLE", "&Read the passages in:"), 0, 6, 6, 148, 8},
          {BibleList, K::ListBox, "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 6, 16, 148,
           72},
          {IDOK, K::DefPushButton, TR_NOOP("BIBLE", "OK"), WS_TABSTOP, 44, 94, 34, 12},
          {IDCANCEL, K::PushButton, TR_NOOP("BIBLE", "Cancel"), WS_TABSTOP, 84, 94, 34, 12},
      }};
  return dialog;
}
