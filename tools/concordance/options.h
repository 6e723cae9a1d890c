#pragma once

// The command line of selwarth-concordance.

#include <optional>
#include <string>
#include <vector>

namespace concordance {

struct Options {
  std::string service;                                 // the DDE service name
  std::string version = "2.63";                        // answer to "Version"
  std::vector<std::string> translations{"KJV", "WEB"}; // "NumVersions", "VerAbr%d"
  std::string logFile;                                 // one line per transaction
  // The count "NumVersions" claims; -1: the translations offered. A claim
  // beyond them lets a client meet a server that cannot name what it counts.
  int claimedVersions = -1;
  bool noAnswer = false;    // accept conversations, never answer transactions
  int exitAfterSeconds = 0; // 0: run until killed
  bool verseText = false;   // print the passage's text when no window shows it
  // Automatic: a window when the program can show one (built with Qt and
  // the SWORD library, and a display is there).
  enum class Display { Automatic, Window, Console } display = Display::Automatic;
  bool help = false;
};

// Parses the arguments (argv[0] names the service unless --service does);
// nullopt with a message in error when they are wrong.
std::optional<Options> ParseOptions(int argc, const char *const argv[], std::string &error);

extern const char *const HelpText;

} // namespace concordance
