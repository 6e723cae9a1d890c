#include "concordance_link/xiphos_link.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "framework/backend.h"
#include "framework/message_box.h"
#include "framework/session_bus.h"
#include "framework/translation.h"
#include "platform/ascii.h"
#include "scripture/bible_passages.h"
#include "scripture/sword_modules.h"

namespace {

using Clock = std::chrono::steady_clock;

const TBusObject Remote{"org.xiphos.remote", "/org/xiphos/remote/ipc", "org.xiphos.remote"};

constexpr const char *XiphosCaption = TR_NOOP("Messages", "Xiphos Error");

void Tell(TWindow *owner, const std::string &text) {
  MessageBox(owner, text, XiphosCaption, MB_ICONEXCLAMATION);
}

// A module's name or abbreviation goes into the reference's address whole:
// letters, digits and "_.-+" only.
bool IsModuleWord(std::string_view word) {
  if (word.empty())
    return false;
  for (char c : word)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '.' && c != '-' &&
        c != '+')
      return false;
  return true;
}

std::string Address(const std::string &translation, const std::string &reference) {
  return "sword://" + translation + "/" + reference;
}

// Paints for about ms; false when the user pressed Escape.
bool Pause(int ms) {
  for (const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
       Clock::now() < end;) {
    if (CurrentBackend().PaintWhileBusy())
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

enum class Readiness { Ready, Stopped, NotAnswering, Ended, TooLarge };

// Waits until Xiphos tells its current reference, which it does only once
// it has finished starting; a Xiphos that does not answer a call, or is
// gone, is not waited for further. Without its name on the bus, only the
// Xiphos a link started (started, may be null) is waited for.
Readiness WaitUntilReady(SessionBus &bus, const platform::ProgramWatch *started) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(XiphosStartTimeoutMs);
  for (;;) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
      return Readiness::NotAnswering;
    if (bus.HasOwner(Remote.service)) {
      TBusReply reply = bus.Call(Remote, "getCurrentReference", std::nullopt,
                                 std::min<unsigned>(XiphosCallTimeoutMs, left));
      if (reply.outcome == BusOutcome::Answered && !reply.text.empty())
        return Readiness::Ready;
      if (reply.outcome == BusOutcome::Stopped)
        return Readiness::Stopped;
      if (reply.outcome == BusOutcome::TimedOut)
        return Readiness::NotAnswering;
      if (reply.outcome == BusOutcome::TooLarge)
        return Readiness::TooLarge;
    } else if (started == nullptr || !started->Running()) {
      return Readiness::Ended;
    }
    if (!Pause(200))
      return Readiness::Stopped;
  }
}

// Tells why a call did not reach Xiphos; true when it did.
bool Reached(const TBusReply &reply, TWindow *owner) {
  switch (reply.outcome) {
  case BusOutcome::Answered:
  case BusOutcome::Stopped:
    return reply.outcome == BusOutcome::Answered;
  case BusOutcome::TimedOut:
    Tell(owner,
         TR_NOOP("Messages", "Xiphos did not answer in time. Please check it for any errors."));
    return false;
  case BusOutcome::TooLarge:
    Tell(owner,
         TR_NOOP("Messages",
                 "Xiphos gave an answer too large to read. Please check it for any errors."));
    return false;
  default:
    Tell(owner, TR_NOOP("Messages", "Xiphos ended before it could show the passage."));
    return false;
  }
}

// Brings Xiphos's window forward, which it does not do itself for a
// reference sent to it; where this desktop does not allow it, the user is
// told once, so that a Xiphos behind our window is looked for. A Xiphos the
// link has just started may have no window yet, and the window manager
// shows the new one in front anyway.
void BringForward(SessionBus &bus, XiphosPeer &peer, bool startedNow, TWindow *owner) {
  ForwardOutcome outcome =
      CurrentBackend().BringProgramForward(bus.OwnerProcess(Remote.service), XiphosProgram);
  if (outcome == ForwardOutcome::Asked || (outcome == ForwardOutcome::NoWindow && startedNow) ||
      peer.ForwardTold)
    return;
  peer.ForwardTold = true;
  MessageBox(owner,
             TR_NOOP("Messages", "Xiphos shows the passage in its own window. This desktop does "
                                 "not let Selwarth bring that window to the front."),
             TR_NOOP("Messages", "Xiphos"), MB_ICONINFORMATION);
}

} // namespace

bool IsXiphos(std::string_view server) {
  return platform::SameAscii(server, XiphosServer);
}

std::optional<bool> XiphosRunning() {
  SessionBus *bus = CurrentBackend().Bus();
  if (bus == nullptr)
    return std::nullopt;
  return bus->HasOwner(Remote.service);
}

std::string XiphosMissingMessage() {
  return TR_NOOP("Messages",
                 "Xiphos is not installed. Please install the package \"xiphos\" and a Bible for "
                 "it, such as the package \"sword-text-kjv\".");
}

void SendToXiphos(std::string_view reading, const std::string &translation, XiphosPeer &peer,
                  TWindow *owner) {
  std::optional<std::vector<TPassage>> passages = ReadPassages(reading);
  if (!passages) {
    MessageBox(owner, TR_NOOP("Messages", "Unable to parse Scripture reference."),
               TR_NOOP("Messages", "Unknown Format"), MB_ICONEXCLAMATION);
    return;
  }
  // Xiphos given a Bible it does not have lists nothing and stays in the
  // Bible it shows, answering success all the same. It is sent the module's
  // own name, which it knows exactly (an abbreviation may be another's too).
  const std::vector<TSwordModule> modules = InstalledBibleModules(SwordModuleFolders());
  const TSwordModule *module = FindModule(modules, translation);
  if (module == nullptr || !IsModuleWord(module->name)) {
    MessageBox(
        owner,
        FormatText(TranslatedText("Messages", "Unable to load the %1 translation. Please check "
                                              "your current settings in the DDE Settings dialog."),
                   {translation}),
        TR_NOOP("Messages", "DDE Error"), MB_ICONEXCLAMATION);
    return;
  }
  SessionBus *bus = CurrentBackend().Bus();
  if (bus == nullptr) {
    Tell(owner, TR_NOOP("Messages", "Xiphos cannot be reached: this desktop has no session bus."));
    return;
  }
  const std::string first = Address(module->name, passages->front().FirstVerse());
  if (peer.Started && !peer.Started->Running())
    peer.Started.reset();
  // Xiphos runs on this desktop when it owns its name on this desktop's bus
  // (a Xiphos of another log-in does not count); one that a link started and
  // that has no name yet is starting, and is waited for.
  bool startedNow = false;
  if (!bus->HasOwner(Remote.service) && !peer.Started) {
    if (platform::FindProgram(XiphosProgram).empty()) {
      MessageBox(owner, XiphosMissingMessage(), TR_NOOP("Messages", "Xiphos Not Installed"),
                 MB_ICONEXCLAMATION);
      return;
    }
    // The start's wait sees a Xiphos that ends at once (it registers no
    // DDE service, so the wait always runs its time).
    platform::StartOptions start;
    start.waitMs = XiphosFirstLookMs;
    start.arguments = {first};
    platform::Result<platform::StartedProgram> started =
        platform::StartWatchedProgram(XiphosProgram, start);
    if (!started) {
      Tell(owner,
           FormatText(TranslatedText("Messages", "Unable to start Xiphos: %1"), {started.error()}));
      return;
    }
    if (started->outcome == platform::StartOutcome::Ended) {
      Reached({BusOutcome::NoOwner, {}}, owner);
      return;
    }
    peer.Started = std::move(started->program);
    startedNow = true;
  }
  switch (WaitUntilReady(*bus, peer.Started ? &*peer.Started : nullptr)) {
  case Readiness::Ready:
    break;
  case Readiness::Stopped:
    return;
  case Readiness::NotAnswering:
    Reached({BusOutcome::TimedOut, {}}, owner);
    return;
  case Readiness::Ended:
    Reached({BusOutcome::NoOwner, {}}, owner);
    return;
  case Readiness::TooLarge:
    Reached({BusOutcome::TooLarge, {}}, owner);
    return;
  }
  // The whole reading fills the Verse List; the first verse moves the main
  // pane there. Xiphos lists only a reference that holds a range or a list
  // ("Mark 10" alone just moves the main pane, leaving the list as it
  // was), so every passage goes as a range ("Mark 10-10").
  if (!Reached(bus->Call(Remote, "setCurrentReference",
                         Address(module->name, PassageRanges(*passages)), XiphosCallTimeoutMs),
               owner))
    return;
  if (Reached(bus->Call(Remote, "setCurrentReference", first, XiphosCallTimeoutMs), owner))
    BringForward(*bus, peer, startedNow, owner);
}
