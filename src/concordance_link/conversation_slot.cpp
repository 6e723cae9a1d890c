#include "concordance_link/conversation_slot.h"

#include <vector>

#include "framework/backend.h"
#include "framework/translation.h"
#include "platform/start_program.h"

using namespace platform;

namespace {

void StartByName(const std::string &service) {
  // Whether and why the start failed is not examined: the second connect
  // tells, and its failure is what the user hears of. The windows are
  // painted meanwhile, and Escape or a close ends the wait, as in a connect.
  (void)StartProgram(
      service, StartOptions{.service = service, .waitMs = 5000, .arguments = {}, .keepWaiting = [] {
                              return !CurrentBackend().PaintWhileBusy();
                            }});
}

} // namespace

std::string ServerNameFault(const std::string &name) {
  if (name.empty() || IsBareName(name))
    return {};
  return FormatText(TranslatedText("Messages",
                                   "The DDE Id \"%1\" holds a '/'. A DDE Id is the name "
                                   "of a program alone, without a folder."),
                    {name});
}

TConversationSlot::~TConversationSlot() = default;

Result<void, UINT> TConversationSlot::ConnectServer(const std::string &service,
                                                    const std::string &topic) {
  // Every user ends its conversation before it returns; should one not, its
  // socket and names are not lost to the next.
  EndConversation();
  HszService = 0;
  HszTopic = 0;
  DWORD inst = InstanceId();
  HszService = DdeCreateStringHandle(inst, service.c_str(), CP_WINANSI);
  HszTopic = DdeCreateStringHandle(inst, topic.c_str(), CP_WINANSI);
  HConv = DdeConnect(inst, HszService, HszTopic);
  // A server that runs and let the connect time out is neither started
  // again nor waited for twice.
  UINT failure = HConv == 0 ? NoteFailure() : DMLERR_NO_ERROR;
  if (HConv == 0 && failure != DMLERR_WAITSTOPPED && failure != DMLERR_CONNECTTIMEOUT) {
    StartByName(service);
    HConv = DdeConnect(inst, HszService, HszTopic);
    if (HConv == 0)
      failure = NoteFailure();
  }
  if (HConv != 0)
    return {};
  FreeNames();
  return Unexpected(failure);
}

void TConversationSlot::EndConversation() {
  if (HConv == 0)
    return;
  DdeDisconnect(HConv);
  FreeNames();
  HConv = 0;
}

void TConversationSlot::PartnerLeft(HCONV conv) {
  if (HConv == 0 || conv != HConv)
    return;
  // The conversation is gone; so are the names that belonged to it, or they
  // would be lost once the next connect overwrites them.
  HConv = 0;
  FreeNames();
}

UINT TConversationSlot::NoteFailure() {
  UINT error = DdeGetLastError(InstanceId());
  waitStopped_ = error == DMLERR_WAITSTOPPED;
  return error;
}

void TConversationSlot::FreeNames() {
  DWORD inst = InstanceId();
  if (HszService != 0)
    DdeFreeStringHandle(inst, HszService);
  if (HszTopic != 0)
    DdeFreeStringHandle(inst, HszTopic);
  HszService = 0;
  HszTopic = 0;
}

bool TConversationSlot::Poke(const char *item, const std::string &text, DWORD timeoutMs) {
  DWORD inst = InstanceId();
  HSZ name = DdeCreateStringHandle(inst, item, CP_WINANSI);
  HDDEDATA result = DdeClientTransaction(text.c_str(), static_cast<DWORD>(text.size() + 1), HConv,
                                         name, CF_TEXT, XTYP_POKE, timeoutMs);
  DdeFreeStringHandle(inst, name);
  if (result == 0)
    NoteFailure();
  return result != 0;
}

bool TConversationSlot::Execute(const void *buffer, DWORD length, DWORD timeoutMs) {
  if (DdeClientTransaction(buffer, length, HConv, 0, CF_TEXT, XTYP_EXECUTE, timeoutMs) != 0)
    return true;
  NoteFailure();
  return false;
}

std::optional<std::string> TConversationSlot::Request(const char *item, std::size_t limit,
                                                      DWORD timeoutMs) {
  DWORD inst = InstanceId();
  HSZ name = DdeCreateStringHandle(inst, item, CP_WINANSI);
  HDDEDATA data = DdeClientTransaction(nullptr, 0, HConv, name, CF_TEXT, XTYP_REQUEST, timeoutMs);
  DdeFreeStringHandle(inst, name);
  if (data == 0) {
    NoteFailure();
    return std::nullopt;
  }
  std::vector<char> buffer(limit, '\0');
  DWORD got = DdeGetData(data, buffer.data(), static_cast<DWORD>(limit - 1), 0);
  DdeFreeDataHandle(data);
  std::string text(buffer.data(), got);
  return text.substr(0, text.find('\0'));
}
