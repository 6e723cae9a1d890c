// String and data handles.

#include "platform/ascii.h"

#include <algorithm>
#include <cstring>

#include "platform/dde_state.h"

namespace platform {
namespace ddestate {
namespace {

int CompareText(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(LowerAscii(a[i]));
    unsigned char y = static_cast<unsigned char>(LowerAscii(b[i]));
    if (x != y)
      return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

Registry &TheRegistry() {
  static Registry *registry = new Registry; // never destroyed: usable at exit
  return *registry;
}

HSZ AddString(DWORD instance, std::string_view text) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  for (auto &[hsz, entry] : registry.strings) {
    if (entry.instance == instance && SameAscii(entry.text, text)) {
      ++entry.owners;
      return hsz;
    }
  }
  HSZ hsz = registry.nextString++;
  if (registry.nextString == 0)
    registry.nextString = 1;
  registry.strings[hsz] = StringEntry{instance, std::string(text), 1};
  return hsz;
}

void ReleaseString(HSZ hsz) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.strings.find(hsz);
  if (found != registry.strings.end() && --found->second.owners <= 0)
    registry.strings.erase(found);
}

std::string StringText(HSZ hsz) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.strings.find(hsz);
  return found == registry.strings.end() ? std::string() : found->second.text;
}

HDDEDATA AddData(DWORD instance, std::string bytes, UINT format, bool appOwned) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  HDDEDATA data = registry.nextData++;
  // Never hand out a value that reads as a callback's flag word.
  if (registry.nextData == DDE_NOANSWER)
    registry.nextData = 1;
  registry.data[data] = DataEntry{instance, std::move(bytes), format, appOwned};
  return data;
}

bool TakeData(HDDEDATA data, std::string *bytes, bool *appOwned) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.data.find(data);
  if (found == registry.data.end())
    return false;
  if (appOwned != nullptr)
    *appOwned = found->second.appOwned;
  if (found->second.appOwned) {
    *bytes = found->second.bytes;
  } else {
    *bytes = std::move(found->second.bytes);
    registry.data.erase(found);
  }
  return true;
}

void ReleaseInstanceHandles(DWORD instance) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  std::erase_if(registry.strings,
                [&](const auto &item) { return item.second.instance == instance; });
  std::erase_if(registry.data, [&](const auto &item) { return item.second.instance == instance; });
}

} // namespace ddestate

using namespace ddestate;

HSZ DdeCreateStringHandle(DWORD instId, const char *text, int codePage) {
  if (FindInstance(instId) == nullptr)
    return 0;
  std::string_view view = text == nullptr ? std::string_view() : std::string_view(text);
  if (view.empty() || view.size() > DdeMaxName || codePage != CP_WINANSI) {
    SetError(instId, DMLERR_INVALIDPARAMETER);
    return 0;
  }
  return AddString(instId, view);
}

bool DdeFreeStringHandle(DWORD instId, HSZ hsz) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.strings.find(hsz);
  if (found == registry.strings.end() || found->second.instance != instId)
    return false;
  if (--found->second.owners <= 0)
    registry.strings.erase(found);
  return true;
}

bool DdeKeepStringHandle(DWORD instId, HSZ hsz) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.strings.find(hsz);
  if (found == registry.strings.end() || found->second.instance != instId)
    return false;
  ++found->second.owners;
  return true;
}

DWORD DdeQueryString(DWORD instId, HSZ hsz, char *buffer, DWORD length, int codePage) {
  if (codePage != CP_WINANSI)
    return 0;
  std::string text = DdeStringText(instId, hsz);
  if (buffer == nullptr)
    return static_cast<DWORD>(text.size());
  if (length == 0)
    return 0;
  std::size_t count = std::min<std::size_t>(text.size(), length - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<DWORD>(count);
}

std::string DdeStringText(DWORD instId, HSZ hsz) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.strings.find(hsz);
  if (found == registry.strings.end() || found->second.instance != instId)
    return {};
  return found->second.text;
}

int DdeCmpStringHandles(HSZ hsz1, HSZ hsz2) {
  if (hsz1 == hsz2)
    return 0;
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto first = registry.strings.find(hsz1);
  auto second = registry.strings.find(hsz2);
  bool hasFirst = first != registry.strings.end();
  bool hasSecond = second != registry.strings.end();
  if (!hasFirst || !hasSecond)
    return hasFirst == hasSecond ? 0 : (hasFirst ? 1 : -1);
  return CompareText(first->second.text, second->second.text);
}

HDDEDATA DdeCreateDataHandle(DWORD instId, const void *source, DWORD length, DWORD offset,
                             HSZ /*item*/, UINT format, UINT command) {
  if (FindInstance(instId) == nullptr)
    return 0;
  if (length > DdeMaxData || offset > DdeMaxData - length) {
    SetError(instId, DMLERR_MEMORY_ERROR);
    return 0;
  }
  std::string bytes(offset + length, '\0');
  if (source != nullptr && length > 0)
    std::memcpy(bytes.data() + offset, source, length);
  return AddData(instId, std::move(bytes), format, (command & HDATA_APPOWNED) != 0);
}

DWORD DdeGetData(HDDEDATA data, void *buffer, DWORD length, DWORD offset) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.data.find(data);
  if (found == registry.data.end())
    return 0;
  const std::string &bytes = found->second.bytes;
  if (buffer == nullptr)
    return static_cast<DWORD>(bytes.size());
  if (offset >= bytes.size())
    return 0;
  std::size_t count = std::min<std::size_t>(bytes.size() - offset, length);
  std::memcpy(buffer, bytes.data() + offset, count);
  return static_cast<DWORD>(count);
}

bool DdeFreeDataHandle(HDDEDATA data) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  return registry.data.erase(data) == 1;
}

} // namespace platform
