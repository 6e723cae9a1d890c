#include "dialogs/reading_view.h"

#include <algorithm>

#include "content/day_state.h"
#include "content/settings.h"
#include "framework/backend.h"
#include "framework/clipboard.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "platform/code_page_1252.h"
#include "readings/day_readings.h"
#include "readings/passages_document.h"
#include "readings/reading_bible.h"
#include "resources/dialog_templates.h"
#include "resources/main_menu.h"
#include "resources/reading_ids.h"

using namespace readpassages;

namespace {

// A translated text as UTF-8: the backend gives the program's text, in
// which a byte of code page 1252 may stand for its character.
std::string Translate(const char *english) {
  return platform::ToUtf8(TranslatedText("READPASSAGES", english));
}

} // namespace

TReadingView::TReadingView(TWindow *commands, Settings &settings, DayState &day, TBibleShelf &shelf)
    : TDialog(nullptr, ReadPassagesTemplate()), commands_(commands), settings_(settings), day_(day),
      shelf_(shelf) {}

bool TReadingView::Respond(const TMessage &msg) {
  using D = TReadingView;
  static const TResponseTable<D> table = {
      EvCommand(CopyCommand, &D::CmCopy),      EvCommand(MarkReadCommand, &D::CmMarkRead),
      EvCommand(ZoomInCommand, &D::OnZoom),    EvCommand(ZoomOutCommand, &D::OnZoom),
      EvCommand(ZoomResetCommand, &D::OnZoom),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

const TAcceleratorTable *TReadingView::Accelerators() const {
  using A = TAccelerator;
  // The main window's keys for the same things.
  static const TAcceleratorTable keys = {
      {A::Character, CtrlCharacter('C'), false, CopyCommand},
      {A::Character, CtrlCharacter('M'), false, MarkReadCommand},
      {A::VirtualKey, VK_OEM_PLUS, true, ZoomInCommand},
      {A::VirtualKey, VK_OEM_MINUS, true, ZoomOutCommand},
      {A::VirtualKey, VK_0, true, ZoomResetCommand},
  };
  return &keys;
}

void TReadingView::SetupWindow() {
  Refresh();
}

void TReadingView::Refresh() {
  const std::vector<TSwordModule> bibles = InstalledBibleModules(SwordModuleFolders());
  const TSwordModule *module =
      ChooseReadingBible(bibles, settings_.ReadingBible, CurrentBackend().InterfaceLanguage());
  TBible *bible = nullptr;
  std::string problem;
  if (module == nullptr) {
    problem = Translate(TR_NOOP("READPASSAGES", "No Bible of the SWORD library is installed."));
  } else if (platform::Result<TBible *> opened = shelf_.Open(*module); opened) {
    bible = *opened;
  } else {
    problem = opened.error();
  }
  SetCaption(PassagesTitle(module != nullptr ? module->abbreviation : "", Translate));
  TDocumentView(*this, PassageText)
      .SetDocument(PassagesDocument(DayReadings(day_.DayEntries.get()), bible, problem, Translate));
}

void TReadingView::CmCopy(unsigned) {
  // As Copy Text of the main window: a clipboard another program holds
  // keeps what it has.
  (void)TClipboard(*this).SetUtf8Text(TDocumentView(*this, PassageText).Document().PlainText());
}

void TReadingView::CmMarkRead(unsigned) {
  if (commands_ != nullptr)
    commands_->PostMessage(WM_COMMAND, CM_MARKREAD);
}

void TReadingView::OnZoom(unsigned id) {
  TDocumentView view(*this, PassageText);
  const int zoom = id == ZoomInCommand    ? view.Zoom() + ZoomStep
                   : id == ZoomOutCommand ? view.Zoom() - ZoomStep
                                          : 100;
  view.SetZoom(std::clamp(zoom, MinZoom, MaxZoom));
}
