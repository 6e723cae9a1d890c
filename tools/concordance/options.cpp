#include "options.h"
#include "platform/whole_number.h"

#include <string_view>

namespace concordance {

const char *const HelpText =
    R"help(Usage: selwarth-concordance [options]

A stand-in concordance program: a DDE server that Selwarth's Links menu and
DDE Settings dialog talk to. It serves under its own program name, so a link
named QVWIN, Logos or SMW pointing at it becomes that server.

It answers:
  topic System   request Version         the version text (on any topic)
  topic Data     request NumVersions     the number of translations
                 request VerAbr0, ...    one translation abbreviation each
  topic Passage  poke CurVer             choose a translation (a listed one)
                 poke CurRef             show a passage
  topic Verses   execute [GoTo("REF")]   show a passage
                 execute [Activate]      come forward
A reference reads "book chapter[:verse[-verse]]", as "John 3:16".

Options:
  --service NAME        serve under NAME instead of the program name
  --version TEXT        the version text (default 2.63)
  --translations A,B    the translations offered (default KJV,WEB)
  --log FILE            append one line per transaction received to FILE
  --claim-versions N    answer NumVersions with N, however many are offered
  --no-answer           accept conversations but never answer a transaction
  --window              show each passage in a window of its own, and print
                        it too (a window is the default when there is a
                        display; then nothing is printed)
  --no-window           print each passage instead
  --verse-text          print the passage's text too, when no window shows it
  --exit-after SECONDS  end after SECONDS (default: run until killed)
  --help                show this text

When a SWORD Bible module of the translation is installed (for example
Debian's sword-text-kjv) and there is a display, it shows the passage's text
in a small window beside the window it was asked from; closing the window
hides it until the next passage. Otherwise, or with --window, it prints each
passage it is asked to show ("Showing John 3:16 (KJV)"). It ends cleanly on
SIGTERM or SIGINT, withdrawing its service.
)help";

namespace {

std::string BaseName(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::vector<std::string> SplitList(std::string_view text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos)
      comma = text.size();
    if (comma > start)
      items.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

} // namespace

std::optional<Options> ParseOptions(int argc, const char *const argv[], std::string &error) {
  Options options;
  options.service = argc > 0 ? BaseName(argv[0]) : "selwarth-concordance";
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    auto value = [&](std::string_view &out) {
      if (i + 1 >= argc) {
        error = std::string(argument) + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    std::string_view text;
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--no-answer") {
      options.noAnswer = true;
    } else if (argument == "--window") {
      options.display = Options::Display::Window;
    } else if (argument == "--no-window") {
      options.display = Options::Display::Console;
    } else if (argument == "--verse-text") {
      options.verseText = true;
    } else if (argument == "--service") {
      if (!value(text))
        return std::nullopt;
      options.service = text;
    } else if (argument == "--version") {
      if (!value(text))
        return std::nullopt;
      options.version = text;
    } else if (argument == "--translations") {
      if (!value(text))
        return std::nullopt;
      options.translations = SplitList(text);
    } else if (argument == "--log") {
      if (!value(text))
        return std::nullopt;
      options.logFile = text;
    } else if (argument == "--claim-versions") {
      if (!value(text))
        return std::nullopt;
      std::optional<int> count = platform::WholeNumber(text, 0);
      if (!count) {
        error = "--claim-versions needs a count";
        return std::nullopt;
      }
      options.claimedVersions = *count;
    } else if (argument == "--exit-after") {
      if (!value(text))
        return std::nullopt;
      std::optional<int> seconds = platform::WholeNumber(text, 1);
      if (!seconds) {
        error = "--exit-after needs a positive number of seconds";
        return std::nullopt;
      }
      options.exitAfterSeconds = *seconds;
    } else {
      error = "unknown option " + std::string(argument) + " (see --help)";
      return std::nullopt;
    }
  }
  if (options.service.empty() || options.service.size() > 255) {
    error = "the service name must have 1 to 255 characters";
    return std::nullopt;
  }
  for (const std::string &translation : options.translations) {
    if (translation.size() > 19) {
      error = "a translation abbreviation has at most 19 characters: " + translation;
      return std::nullopt;
    }
  }
  return options;
}

} // namespace concordance
