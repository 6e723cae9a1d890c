#pragma once

// Xiphos, the Bible program of the SWORD library, as the concordance: the
// Links commands send it the day's passages over the session bus, where it
// owns the name org.xiphos.remote. It is chosen by ConcordanceServer
// "Xiphos" (any case) and never reached over DDE.
//
// Xiphos must not be sent a reference in the first seconds after it takes
// its name (it ends), so a reference goes only to a Xiphos that has told
// its current reference. One that is not running (nobody owns its name on
// this desktop's bus) is started with the first passage on its command line,
// never while the one a link started is still starting.

#include <optional>
#include <string>
#include <string_view>

#include "platform/start_program.h"

class TWindow;

// What the links know of Xiphos from one link to the next. The main window
// keeps it with its conversation slot.
struct XiphosPeer {
  // The Xiphos a link started, until it ends: one that has not yet taken its
  // name is waited for, as a second one would open a window of its own.
  std::optional<platform::ProgramWatch> Started;
  // Whether the user was told that this desktop does not let Xiphos's
  // window be brought forward (told once).
  bool ForwardTold = false;
};

inline constexpr const char *XiphosServer = "Xiphos";
// The program, and the package that installs it.
inline constexpr const char *XiphosProgram = "xiphos";

bool IsXiphos(std::string_view server);

// Sends the reading to Xiphos in translation (a module's name or
// abbreviation): every passage to its Verse List, then the first verse to
// its main pane, and brings its window forward. Every failure is told in one
// message box on owner.
void SendToXiphos(std::string_view reading, const std::string &translation, XiphosPeer &peer,
                  TWindow *owner);

// Whether Xiphos runs now, as the owner of its name on the session bus
// shows; nullopt when there is no bus to ask. Xiphos is not called.
std::optional<bool> XiphosRunning();

// The message when Xiphos is not installed.
std::string XiphosMissingMessage();

// The longest wait for one answer, and for a started Xiphos to be ready,
// in milliseconds.
inline constexpr unsigned XiphosCallTimeoutMs = 5000;
inline constexpr unsigned XiphosStartTimeoutMs = 30000;
// How long a started Xiphos is watched before it is asked anything.
inline constexpr int XiphosFirstLookMs = 500;
