#include "server.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "platform/ascii.h"
#include "platform/code_page_1252.h"
#include "platform/utf8.h"
#include "reference.h"

namespace concordance {

using namespace platform;

namespace {

Server *TheServer = nullptr; // the callback has no context of its own

// Data sent as text ends at its first NUL (a command buffer holds garbage
// after it).
std::string TextOf(HDDEDATA data) {
  std::string bytes(DdeGetData(data, nullptr, 0, 0), '\0');
  bytes.resize(DdeGetData(data, bytes.data(), static_cast<DWORD>(bytes.size()), 0));
  std::size_t nul = bytes.find('\0');
  return nul == std::string::npos ? bytes : bytes.substr(0, nul);
}

// For the log, which is UTF-8 text of one line per transaction: the code
// page 1252 bytes a client sends become their characters, and control bytes
// (and bytes the code page leaves undefined) are written \xNN.
std::string Printable(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7f || c == '\\' || !platform::Cp1252Assigned(c)) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    } else {
      platform::AppendUtf8(out, platform::Cp1252Character(c));
    }
  }
  return out;
}

const char *TypeName(UINT type) {
  switch (type) {
  case XTYP_REQUEST:
    return "REQUEST";
  case XTYP_POKE:
    return "POKE";
  case XTYP_EXECUTE:
    return "EXECUTE";
  default:
    return "OTHER";
  }
}

bool KnownTopic(std::string_view topic) {
  for (const char *known : {"System", "Data", "Passage", "Verses"})
    if (platform::SameAscii(topic, known))
      return true;
  return false;
}

} // namespace

Server::Server(Options options, Presenter &presenter)
    : options_(std::move(options)), presenter_(presenter) {
  if (!options_.translations.empty())
    translation_ = options_.translations.front();
}

Server::~Server() {
  Stop();
}

bool Server::Start(std::string &error) {
  TheServer = this;
  if (DdeInitialize(&inst_, &Server::Callback, CBF_FAIL_ADVISES | CBF_SKIP_CONNECT_CONFIRMS) !=
      DMLERR_NO_ERROR) {
    error = "the DDE layer could not start";
    return false;
  }
  service_ = DdeCreateStringHandle(inst_, options_.service.c_str());
  if (service_ == 0 || DdeNameService(inst_, service_, 0, DNS_REGISTER) == 0) {
    error = "cannot serve as \"" + options_.service +
            "\": another server has that name, or the DDE folder is not usable";
    Stop();
    return false;
  }
  return true;
}

void Server::Run(const volatile std::sig_atomic_t *stop) {
  using Clock = std::chrono::steady_clock;
  auto end = Clock::now() + std::chrono::seconds(options_.exitAfterSeconds);
  while (!*stop && (options_.exitAfterSeconds == 0 || Clock::now() < end))
    DdeServeFor(inst_, 100);
}

void Server::Stop() {
  if (inst_ == 0)
    return;
  DdeNameService(inst_, 0, 0, DNS_UNREGISTER);
  DdeUninitialize(inst_);
  inst_ = 0;
  service_ = 0;
  TheServer = nullptr;
}

HDDEDATA Server::Callback(UINT type, UINT format, HCONV, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                          ULONG_PTR, ULONG_PTR) {
  return TheServer != nullptr ? TheServer->Handle(type, format, hsz1, hsz2, data) : 0;
}

HDDEDATA Server::Handle(UINT type, UINT format, HSZ topic, HSZ item, HDDEDATA data) {
  std::string topicText = DdeStringText(inst_, topic);
  if (type == XTYP_CONNECT) {
    Log("CONNECT", topicText, "", "");
    return KnownTopic(topicText) ? 1 : 0;
  }
  if (type == XTYP_DISCONNECT) {
    Log("DISCONNECT", "", "", "");
    return 0;
  }
  if (type != XTYP_REQUEST && type != XTYP_POKE && type != XTYP_EXECUTE)
    return 0;
  std::string itemText = DdeStringText(inst_, item);
  std::string text = data != 0 ? TextOf(data) : std::string();
  Log(TypeName(type), topicText, itemText, text);
  if (options_.noAnswer)
    return DDE_NOANSWER;
  if (type != XTYP_EXECUTE && format != CF_TEXT)
    return type == XTYP_REQUEST ? 0 : DDE_FNOTPROCESSED;
  if (type == XTYP_REQUEST)
    return Request(topicText, itemText);
  bool done = type == XTYP_POKE ? Poke(topicText, itemText, text) : Execute(topicText, text);
  return done ? DDE_FACK : DDE_FNOTPROCESSED;
}

HDDEDATA Server::Text(const std::string &text) {
  return DdeCreateDataHandle(inst_, text.c_str(), static_cast<DWORD>(text.size() + 1), 0, 0,
                             CF_TEXT, 0);
}

HDDEDATA Server::Request(const std::string &topic, const std::string &item) {
  // The version is asked on the check topic, which differs between servers.
  if (platform::SameAscii(item, "Version"))
    return Text(options_.version);
  if (!platform::SameAscii(topic, "Data"))
    return 0;
  if (platform::SameAscii(item, "NumVersions"))
    return Text(options_.claimedVersions >= 0 ? std::to_string(options_.claimedVersions)
                                              : std::to_string(options_.translations.size()));
  constexpr std::string_view prefix = "VerAbr";
  if (item.size() <= prefix.size() || !platform::SameAscii(item.substr(0, prefix.size()), prefix))
    return 0;
  std::size_t index = 0;
  for (std::size_t i = prefix.size(); i < item.size(); ++i) {
    if (item[i] < '0' || item[i] > '9' || index > 1000)
      return 0;
    index = index * 10 + static_cast<std::size_t>(item[i] - '0');
  }
  return index < options_.translations.size() ? Text(options_.translations[index]) : 0;
}

bool Server::Poke(const std::string &topic, const std::string &item, const std::string &text) {
  if (!platform::SameAscii(topic, "Passage"))
    return false;
  if (platform::SameAscii(item, "CurVer")) {
    for (const std::string &translation : options_.translations) {
      if (platform::SameAscii(translation, text)) {
        translation_ = translation;
        return true;
      }
    }
    return false;
  }
  return platform::SameAscii(item, "CurRef") && Show(text);
}

bool Server::Execute(const std::string &topic, const std::string &command) {
  if (!platform::SameAscii(topic, "Verses"))
    return false;
  constexpr std::string_view open = "[GoTo(\"", close = "\")]";
  if (platform::SameAscii(command, "[Activate]")) {
    presenter_.Activate();
    return true;
  }
  if (command.size() < open.size() + close.size() ||
      !platform::SameAscii(std::string_view(command).substr(0, open.size()), open) ||
      !command.ends_with(close))
    return false;
  return Show(
      std::string_view(command).substr(open.size(), command.size() - open.size() - close.size()));
}

bool Server::Show(std::string_view text) {
  std::optional<Reference> reference = ParseReference(text);
  if (!reference)
    return false;
  presenter_.Show(*reference, translation_);
  return true;
}

void Server::Log(std::string_view type, std::string_view topic, std::string_view item,
                 std::string_view data) {
  if (options_.logFile.empty())
    return;
  std::string line = std::string(type) + "\t" + Printable(topic) + "\t" + Printable(item) + "\t" +
                     Printable(data) + "\n";
  // One write per line, appended: lines never mix, even with several writers.
  int fd = open(options_.logFile.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0)
    return;
  (void)!write(fd, line.data(), line.size());
  close(fd);
}

} // namespace concordance
