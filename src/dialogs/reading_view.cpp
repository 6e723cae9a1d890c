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
#include "readings/day_readings.h"
#include "readings/passages_document.h"
#include "readings/reading_bible.h"
#include "resources/dialog_templates.h"
#include "resources/main_menu.h"
#include "resources/reading_ids.h"

using namespace readpassages;

namespace {

// The windows' code page 1252 characters 0x80-0x9F that Latin-1 lacks.
constexpr char16_t Windows1252[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || at + length > text.size())
      return false;
    for (std::size_t i = 1; i < length; ++i)
      if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
        return false;
    at += length;
  }
  return true;
}

// A translated text as UTF-8, whether the backend gives it in code page
// 1252 or already in UTF-8: a 1252 text with a letter beyond ASCII is
// never well-formed UTF-8.
std::string AsUtf8(const std::string &text) {
  if (IsUtf8(text))
    return text;
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const char16_t code = byte >= 0x80 && byte < 0xA0 ? Windows1252[byte - 0x80] : byte;
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

std::string Translate(const char *english) {
  return AsUtf8(TranslatedText("READPASSAGES", english));
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
