#include "concordance_link/links.h"

#include <array>
#include <string>

#include "concordance_link/conversation_slot.h"
#include "concordance_link/link_reference.h"
#include "concordance_link/xiphos_link.h"
#include "content/day_entries.h"
#include "content/settings.h"
#include "framework/message_box.h"
#include "framework/translation.h"
#include "platform/ascii.h"
#include "platform/code_page_1252.h"
#include "resources/main_menu.h"
#include "scripture/scripture_reference.h"

namespace {

const char *NotFoundMessage(unsigned commandId) {
  switch (commandId) {
  case CM_LINKQUIZ:
    return TR_NOOP("Messages", "First, you must enable the \"Daily Bible Quiz\" package.");
  case CM_LINKVERSE:
    return TR_NOOP("Messages",
                   "In order to pull up today's verse in your concordance, Selwarth needs one of "
                   "the following packages enabled: KJV, NIV, NASB, NKJV, TLB, or AMP");
  default:
    return TR_NOOP("Messages", "First, you must enable the \"Through the Bible\" package.");
  }
}

void GoToFailed(TWindow *owner, const std::string &reference) {
  MessageBox(owner, FormatText(TranslatedText("Messages", "Unable to go to %1."), {reference}),
             TR_NOOP("Messages", "DDE Error"), MB_ICONEXCLAMATION);
}

void SendToLogos(const Settings &settings, TConversationSlot &slot, TWindow *owner,
                 const std::string &reference) {
  if (!slot.ConnectServer(settings.ConcordanceServer, "Passage")) {
    MessageBox(owner,
               TR_NOOP("Messages",
                       "Unable to link with server. Please check your current settings in the DDE "
                       "Settings dialog and make sure that your concordance is running."),
               TR_NOOP("Messages", "DDE Error"), MB_ICONEXCLAMATION);
    return;
  }
  // Judged like every other transaction: non-zero is success.
  if (!slot.Poke("CurVer", settings.ConcordanceTranslation, LogosPokeTimeoutMs)) {
    MessageBox(
        owner,
        FormatText(TranslatedText("Messages", "Unable to load the %1 translation. Please check "
                                              "your current settings in the DDE Settings dialog."),
                   {settings.ConcordanceTranslation}),
        TR_NOOP("Messages", "DDE Error"), MB_ICONEXCLAMATION);
    slot.EndConversation();
    return;
  }
  if (!slot.Poke("CurRef", reference, LogosPokeTimeoutMs))
    GoToFailed(owner, reference);
  slot.EndConversation();
}

void SendToOther(const Settings &settings, TConversationSlot &slot, TWindow *owner,
                 const std::string &reference) {
  if (!slot.ConnectServer(settings.ConcordanceServer, "Verses")) {
    MessageBox(owner,
               TR_NOOP("Messages",
                       "Unable to link with server. Please check your current settings in the DDE "
                       "Settings dialog."),
               TR_NOOP("Messages", "DDE Error"), MB_ICONEXCLAMATION);
    return;
  }
  // A reference holds at most ReferenceLimit characters, so the command
  // always fits with its NUL.
  std::array<char, CommandBufferSize> command{};
  std::string goTo = "[GoTo(\"" + reference + "\")]";
  goTo.copy(command.data(), command.size() - 1);
  if (slot.Execute(command.data(), CommandBufferSize, ExecuteTimeoutMs)) {
    command.fill('\0');
    std::string("[Activate]").copy(command.data(), command.size() - 1);
    slot.Execute(command.data(), CommandBufferSize, ExecuteTimeoutMs);
  } else {
    GoToFailed(owner, reference);
  }
  slot.EndConversation();
}

} // namespace

void RunLink(unsigned commandId, const Settings &settings, const TDayEntry *first,
             TConversationSlot &slot, TWindow *owner) {
  if (settings.ConcordanceServer.empty() || settings.ConcordanceTranslation.empty()) {
    MessageBox(
        owner,
        TR_NOOP("Messages",
                "Please select a concordance server and Bible translation first. This may be done "
                "in the Data Exchange Settings dialog."),
        TR_NOOP("Messages", "DDE Not Set Up"), MB_OK);
    return;
  }
  if (std::string fault = ServerNameFault(settings.ConcordanceServer); !fault.empty()) {
    MessageBox(
        owner,
        FormatText(TranslatedText("Messages", "%1 Please choose the concordance again in the "
                                              "Data Exchange Settings dialog."),
                   {fault}),
        TR_NOOP("Messages", "DDE Not Set Up"), MB_OK);
    return;
  }
  const TDayEntry *entry = LinkEntry(first, commandId);
  if (entry == nullptr) {
    MessageBox(owner, NotFoundMessage(commandId), TR_NOOP("Messages", "Unable to Comply"),
               MB_ICONEXCLAMATION);
    return;
  }
  // Servers read code page 1252; so does the check of what may be sent.
  std::optional<std::string> reference = LinkReference(*entry, commandId);
  if (reference)
    reference = platform::ToCp1252(*reference);
  if (!reference || !CanBeSent(*reference)) {
    MessageBox(owner, TR_NOOP("Messages", "Unable to parse Scripture reference."),
               TR_NOOP("Messages", "Unknown Format"), MB_ICONEXCLAMATION);
    return;
  }
  if (IsXiphos(settings.ConcordanceServer))
    SendToXiphos(*reference, settings.ConcordanceTranslation, slot.Xiphos, owner);
  else if (platform::SameAscii(settings.ConcordanceServer, "Logos"))
    SendToLogos(settings, slot, owner, *reference);
  else
    SendToOther(settings, slot, owner, *reference);
}
