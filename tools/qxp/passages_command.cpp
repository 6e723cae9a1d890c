#include "passages_command.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>

#include "codepage.h"
#include "content/day_load.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_load.h"
#include "content/today_text.h"
#include "line_wrap.h"
#include "platform/code_page_1252.h"
#include "platform/file_search.h"
#include "platform/profile.h"
#include "platform/whole_number.h"
#include "readings/day_readings.h"
#include "readings/passages_document.h"
#include "readings/reading_bible.h"

namespace qxp {
namespace {

struct PassagesOptions {
  std::string bible; // --bible; empty: the stored one, else by language
  bool utf8 = false;
  int width = 0;
};

constexpr int NarrowestWrap = 10;
constexpr int WidestWrap = 1000;
constexpr const char *Usage = "usage: qxp passages [--bible NAME] [--utf8] [--width N]\n";

bool ParseOptions(const std::vector<std::string> &arguments, PassagesOptions &options,
                  std::FILE *errors) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string &word = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (word == "--bible" && hasValue && !arguments[i + 1].empty()) {
      options.bible = arguments[++i];
    } else if (word == "--utf8") {
      options.utf8 = true;
    } else if (word == "--width" && hasValue) {
      std::optional<int> width = platform::WholeNumber(arguments[++i], NarrowestWrap, WidestWrap);
      if (!width) {
        std::fprintf(errors, "qxp passages: --width takes a number of columns from %d to %d\n",
                     NarrowestWrap, WidestWrap);
        return false;
      }
      options.width = *width;
    } else {
      std::fprintf(errors, "qxp passages: unexpected '%s'\n%s", word.c_str(), Usage);
      return false;
    }
  }
  return true;
}

// The packages of the working folder, else of the launcher's data folder.
void EnterPackageFolder() {
  if (!platform::FindFiles("*.QXP", ".").empty())
    return;
  const std::string data = platform::DataFolder();
  if (!platform::FindFiles("*.QXP", data.c_str()).empty() && ::chdir(data.c_str()) != 0)
    return; // the day's load then says there is no package
}

} // namespace

int RunPassagesCommand(const std::vector<std::string> &arguments, std::FILE *out,
                       std::FILE *errors) {
  PassagesOptions options;
  if (!ParseOptions(arguments, options, errors))
    return 2;
  EnterPackageFolder();
  Settings settings;
  DayState dayState;
  BuildTodayText(dayState);
  LoadSettings(settings, *dayState.LocalTimeNow);
  TDayLoadOptions load;
  load.ReadOnly = true;
  const LoadedDay day = LoadDay(settings, dayState, *dayState.LocalTimeNow, load);
  for (const DayLoadProblem &problem : day.Problems)
    std::fprintf(errors, "%s: %s\n", problem.Caption.c_str(), problem.Text.c_str());

  const std::vector<TSwordModule> bibles = InstalledBibleModules(SwordModuleFolders());
  const TSwordModule *module =
      options.bible.empty() ? ChooseReadingBible(bibles, settings.ReadingBible, DesktopLanguage())
                            : FindModule(bibles, options.bible);
  if (module == nullptr) {
    std::string installed;
    for (const TSwordModule &bible : bibles)
      installed += (installed.empty() ? "" : ", ") + ListedName(bibles, bible);
    if (bibles.empty())
      std::fprintf(errors, "qxp passages: no Bible of the SWORD library is installed; install "
                           "one, such as the package sword-text-kjv\n");
    else
      std::fprintf(errors, "qxp passages: no Bible %s is installed (installed: %s)\n",
                   options.bible.c_str(), installed.c_str());
    return 1;
  }
  TBibleShelf shelf;
  platform::Result<TBible *> bible = shelf.Open(*module);
  if (!bible) {
    std::fprintf(errors, "qxp passages: %s\n", bible.error().c_str());
    return 1;
  }
  const auto english = [](const char *text) { return std::string(text); };
  const TTextDocument document =
      PassagesDocument(DayReadings(day.Entries.get()), *bible, {}, english);
  bool anyVerse = false;
  for (const TDocumentBlock &block : document.blocks)
    anyVerse = anyVerse || block.kind == TDocumentBlock::Paragraph;
  // As the day's text is written: CR LF line ends, which the wrapping
  // keeps; a terminal gets UTF-8 with LF.
  std::string text;
  for (const char c : PassagesTitle(module->abbreviation, english) + "\n\n" + document.PlainText())
    text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  if (!options.utf8)
    text = platform::ToCp1252(text);
  if (options.width > 0)
    text = WrapLines(text, static_cast<std::size_t>(options.width),
                     options.utf8 ? WrapMeasure::Columns : WrapMeasure::Bytes);
  if (options.utf8)
    std::erase(text, '\r');
  else if (::isatty(::fileno(out)) != 0)
    text = EscapeC1Bytes(text);
  const bool written =
      std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
  if (!written)
    std::fprintf(errors, "qxp passages: cannot write the text: %s\n", std::strerror(errno));
  return anyVerse && written ? 0 : 1;
}

} // namespace qxp
