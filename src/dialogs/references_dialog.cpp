#include "dialogs/references_dialog.h"

#include "content/bmp_reader.h"
#include "content/settings.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "platform/translatable.h"
#include "resources/dialog_templates.h"
#include "resources/reference_ids.h"

using namespace reference;

TReferencesDialog::TReferencesDialog(TWindow *parent, const Settings &settings)
    : TDialog(parent, ReferenceTemplate()), settings_(settings) {}

bool TReferencesDialog::Respond(const TMessage &msg) {
  using D = TReferencesDialog;
  static const TResponseTable<D> table = {
      EvCommand(ShowButton, &D::CmShow),
      EvNotify(FileList, LBN_SELCHANGE, &D::EvSelChange),
      EvNotify(FileList, LBN_DBLCLK, &D::EvDoubleClick),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TReferencesDialog::SetupWindow() {
  TListBox(*this, FileList).DirectoryList("*.QXR");
  selected_.clear();
  shown_.clear();
  if (TControlState *picture = Control(PictureControl))
    picture->PictureInset = ReferenceInset;
  if (settings_.Topmost != 0)
    SetTopmost(true);
}

void TReferencesDialog::CleanupWindow() {
  if (TControlState *picture = Control(PictureControl))
    picture->Picture = TBitmap{};
}

void TReferencesDialog::EvSelChange() {
  TListBox list(*this, FileList);
  selected_ = list.GetString(list.GetSelIndex());
}

void TReferencesDialog::EvDoubleClick() {
  CmShow(ShowButton);
}

void TReferencesDialog::CmShow(unsigned) {
  if (selected_.empty()) {
    MessageBox(this, TR_NOOP("Messages", "First highlight a reference to show."),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  if (selected_ == shown_)
    return;
  TControlState *picture = Control(PictureControl);
  if (picture == nullptr)
    return;
  picture->Picture = TBitmap{};
  shown_.clear();
  // The user hears one message for every unreadable picture; the fault in
  // detail is for the package tool's check.
  // Only the top-left block is ever shown: just that is read.
  BitmapResult<TBitmapBlock> image =
      ReadBitmapFileTopLeft(selected_, ShownPictureSide, ShownPictureSide);
  if (!image) {
    ControlChanged(PictureControl);
    MessageBox(this, TR_NOOP("Messages", "The reference picture could not be read."),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP | MB_TASKMODAL);
    return;
  }
  picture->Picture = std::move(image->TopLeft);
  ControlChanged(PictureControl);
  shown_ = selected_;
}
