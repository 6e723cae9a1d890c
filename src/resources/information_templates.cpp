#include "framework/window.h"
#include "platform/translatable.h"
#include "resources/about_ids.h"
#include "resources/dialog_templates.h"
#include "resources/reference_ids.h"

const TDialogTemplate &ReferenceTemplate() {
  using K = TControlKind;
  using namespace reference;
  static const TDialogTemplate dialog{
      "REFERENCE",
      TR_NOOP("REFERENCE", "Selwarth Reference"),
      ModalDialogStyle,
      0,
      0,
      173,
      211,
      "System",
      8,
      {
          {PictureControl, K::Picture, "", SS_CENTER, 5, 5, 163, 163,
           TR_NOOP("REFERENCE", "Picture")},
          {FileList, K::ListBox, "", LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
           10, 175, 77, 31, TR_NOOP("REFERENCE", "Reference files")},
          {ShowButton, K::DefPushButton, TR_NOOP("REFERENCE", "&Show"), WS_TABSTOP, 94, 186, 32,
           12},
          {IDCANCEL, K::PushButton, TR_NOOP("REFERENCE", "&Close"), WS_TABSTOP, 132, 186, 32, 12},
      }};
  return dialog;
}

const TDialogTemplate &AboutPackagesTemplate() {
  using K = TControlKind;
  using namespace aboutpackages;
  static const TDialogTemplate dialog{
      "ABOUTPACKAGES",
      TR_NOOP("ABOUTPACKAGES", "About Packages"),
      ModalDialogStyle,
      0,
      0,
      214,
      100,
      "System",
      8,
      {
          {-1, K::Static, TR_NOOP("ABOUTPACKAGES", "Packages:"), SS_CENTER, 12, 9, 41, 8},
          {PackageList, K::ListBox, "", LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
           5, 22, 56, 56},
          // Read-only rather than disabled: Tab reaches it, so that a screen
          // reader can read it.
          {DescriptionEdit, K::Edit, "",
           ES_MULTILINE | ES_CENTER | ES_AUTOVSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, 67, 8,
           142, 70, TR_NOOP("ABOUTPACKAGES", "Description")},
          {IDOK, K::PushButton, TR_NOOP("ABOUTPACKAGES", "&Close"), WS_TABSTOP, 90, 83, 30, 12},
      }};
  return dialog;
}

const TDialogTemplate &AboutSelwarthTemplate() {
  using K = TControlKind;
  using namespace aboutselwarth;
  static const TDialogTemplate dialog{
      "ABOUTSELWARTH",
      TR_NOOP("ABOUTSELWARTH", "About Selwarth for Linux"),
      ModalDialogStyle,
      0,
      0,
      159,
      99,
      "System",
      8,
      {
          {-1, K::Static, TR_NOOP("ABOUTSELWARTH", "Selwarth Daily Scripture Calendar"), SS_CENTER,
           7, 2, 145, 8},
          {PlatformStatic, K::Static, "for [platform]", SS_CENTER, 36, 11, 87, 8},
          {VersionStatic, K::Static, "[version number]", SS_CENTER, 47, 20, 64, 8},
          {LeftIcon, K::Icon, "1", 0, 16, 16, 18, 20},
          {RightIcon, K::Icon, "2", 0, 127, 16, 18, 20},
          {-1, K::GroupBox, "", 0, 4, 36, 151, 45},
          {-1, K::Static, TR_NOOP("ABOUTSELWARTH", "A verse, a reading and a question"), SS_CENTER,
           8, 42, 143, 8},
          {-1, K::Static, TR_NOOP("ABOUTSELWARTH", "for every day of the year."), SS_CENTER, 8, 51,
           143, 8},
          {-1, K::Static, TR_NOOP("ABOUTSELWARTH", "Free software for the Linux desktop;"),
           SS_CENTER, 8, 62, 143, 8},
          {-1, K::Static, TR_NOOP("ABOUTSELWARTH", "packages are built with qxp."), SS_CENTER, 8,
           71, 143, 8},
          {IDOK, K::PushButton, TR_NOOP("ABOUTSELWARTH", "&OK"), WS_TABSTOP, 68, 84, 22, 12},
      }};
  return dialog;
}
