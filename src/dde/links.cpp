#include "dde/links.h"

#include <array>
#include <string>

#include "content/day_entries.h"
#include "content/settings.h"
#include "dde/conversation_slot.h"
#include "dde/scripture_reference.h"
#include "dde/xiphos_link.h"
#include "framework/message_box.h"
#include "platform/ascii.h"
#include "resources/main_menu.h"

namespace {

const char *NotFoundMessage(unsigned commandId) {
  switch (commandId) {
  case CM_LINKQUIZ:
    return "First, you must enable the \"Daily Bible Quiz\" package.";
  case CM_LINKVERSE:
    return "In order to pull up today's verse in your concordance, Selwarth needs one of the "
           "following packages enabled: KJV, NIV, NASB, NKJV, TLB, or AMP";
  default:
    return "First, you must enable the \"Through the Bible\" package.";
  }
}

void GoToFailed(TWindow *owner, const std::string &reference) {
  MessageBox(owner, "Unable to go to " + reference + ".", "DDE Error", MB_ICONEXCLAMATION);
}

void SendToLogos(TConversationSlot &slot, TWindow *owner, const std::string &reference) {
  if (!slot.ConnectServer(ConcordanceServer, "Passage")) {
    MessageBox(owner,
               "Unable to link with server. Please check your current settings in the DDE "
               "Settings dialog and make sure that your concordance is running.",
               "DDE Error", MB_ICONEXCLAMATION);
    return;
  }
  // Judged like every other transaction: non-zero is success.
  if (!slot.Poke("CurVer", ConcordanceTranslation, LogosPokeTimeoutMs)) {
    MessageBox(owner,
               "Unable to load the " + ConcordanceTranslation +
                   " translation. Please check your current settings in the DDE Settings dialog.",
               "DDE Error", MB_ICONEXCLAMATION);
    slot.EndConversation();
    return;
  }
  if (!slot.Poke("CurRef", reference, LogosPokeTimeoutMs))
    GoToFailed(owner, reference);
  slot.EndConversation();
}

void SendToOther(TConversationSlot &slot, TWindow *owner, const std::string &reference) {
  if (!slot.ConnectServer(ConcordanceServer, "Verses")) {
    MessageBox(owner,
               "Unable to link with server. Please check your current settings in the DDE "
               "Settings dialog.",
               "DDE Error", MB_ICONEXCLAMATION);
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

void RunLink(unsigned commandId, TConversationSlot &slot, TWindow *owner) {
  if (ConcordanceServer.empty() || ConcordanceTranslation.empty()) {
    MessageBox(owner,
               "Please select a concordance server and Bible translation first. This may be done "
               "in the Data Exchange Settings dialog.",
               "DDE Not Set Up", MB_OK);
    return;
  }
  if (std::string fault = ServerNameFault(ConcordanceServer); !fault.empty()) {
    MessageBox(owner,
               fault + " Please choose the concordance again in the Data Exchange Settings dialog.",
               "DDE Not Set Up", MB_OK);
    return;
  }
  const TDayEntry *entry = LinkEntry(DayEntries.get(), commandId);
  if (entry == nullptr) {
    MessageBox(owner, NotFoundMessage(commandId), "Unable to Comply", MB_ICONEXCLAMATION);
    return;
  }
  std::optional<std::string> reference = LinkReference(*entry, commandId);
  if (!reference || !CanBeSent(*reference)) {
    MessageBox(owner, "Unable to parse Scripture reference.", "Unknown Format", MB_ICONEXCLAMATION);
    return;
  }
  if (IsXiphos(ConcordanceServer))
    SendToXiphos(*reference, ConcordanceTranslation, owner);
  else if (platform::SameAscii(ConcordanceServer, "Logos"))
    SendToLogos(slot, owner, *reference);
  else
    SendToOther(slot, owner, *reference);
}
