#include "today_command.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <unistd.h>

#include "codepage.h"
#include "content/day_load.h"
#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/increment_number.h"
#include "content/plan_progress.h"
#include "content/quote_method.h"
#include "content/settings.h"
#include "content/settings_load.h"
#include "content/text_export.h"
#include "content/today_text.h"
#include "line_stream.h"
#include "line_wrap.h"
#include "package_checker.h"
#include "package_image.h"
#include "platform/file_search.h"
#include "platform/profile.h"
#include "platform/whole_number.h"
#include "terminal_text.h"

namespace qxp {
namespace {

struct TodayOptions {
  std::optional<QuoteMethod> method; // none: the stored setting
  int offset = 0;
  bool hasOffset = false;
  bool utf8 = false;  // for terminals: UTF-8 with LF line ends, every script
  std::string folder; // --dir; empty: the working folder, else the data folder
  int width = 0;      // 0: lines as they are
  bool answers = true;
  bool progress = false; // a reading plan's progress line after its entry
};

constexpr int NarrowestWrap = 10;
constexpr int WidestWrap = 1000;
std::string Usage() {
  return "usage: qxp today [--method " + TodayMethodWords("|", "|") +
         "] [--offset N] [--utf8] [--width N] [--no-answers] [--progress] [--dir DIR]\n";
}

std::optional<QuoteMethod> MethodOfWord(std::string_view word) {
  for (const QuoteMethodTraits &method : QuoteMethods())
    if (method.QxpName == word)
      return method.Method;
  return std::nullopt;
}

std::optional<int> ParseOffset(std::string_view text) {
  if (!text.empty() && text.front() == '+')
    text.remove_prefix(1);
  return platform::WholeNumber(text, -366, 366);
}

bool ParseOptions(const std::vector<std::string> &arguments, TodayOptions &options,
                  std::FILE *errors) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string &word = arguments[i];
    bool hasValue = i + 1 < arguments.size();
    if (word == "--method" && hasValue) {
      options.method = MethodOfWord(arguments[++i]);
      if (!options.method) {
        std::fprintf(errors, "qxp today: --method takes %s, not '%s'\n",
                     TodayMethodWords(", ", " or ").c_str(), arguments[i].c_str());
        return false;
      }
    } else if (word == "--utf8") {
      options.utf8 = true;
    } else if (word == "--offset" && hasValue) {
      std::optional<int> offset = ParseOffset(arguments[++i]);
      if (!offset) {
        std::fprintf(errors, "qxp today: --offset takes a number of days from -366 to 366\n");
        return false;
      }
      options.offset = *offset;
      options.hasOffset = true;
    } else if (word == "--width" && hasValue) {
      std::optional<int> width = platform::WholeNumber(arguments[++i], NarrowestWrap, WidestWrap);
      if (!width) {
        std::fprintf(errors, "qxp today: --width takes a number of columns from %d to %d\n",
                     NarrowestWrap, WidestWrap);
        return false;
      }
      options.width = *width;
    } else if (word == "--no-answers") {
      options.answers = false;
    } else if (word == "--progress") {
      options.progress = true;
    } else if (word == "--dir" && hasValue && !arguments[i + 1].empty()) {
      options.folder = arguments[++i];
    } else {
      std::fprintf(errors, "qxp today: unexpected '%s'\n%s", word.c_str(), Usage().c_str());
      return false;
    }
  }
  return true;
}

void ApplyOptions(const TodayOptions &options, Settings &settings, DayState &day) {
  if (options.method)
    settings.QuoteMethodCode = *options.method;
  if (!options.hasOffset)
    return;
  // Like the day-stepping commands: away from the method's own choice.
  day.DayOffset = static_cast<std::int16_t>(options.offset);
  day.DayStepped = true;
  day.IncrementCurrent = PeekIncrementNumber();
}

bool HoldsPackages(const char *folder) {
  return !platform::FindFiles("*.QXP", folder).empty();
}

// Makes the folder of the packages the working folder, as the program's is:
// --dir, else the working folder when it holds a package, else the data
// folder the launcher runs the program in (so that the command works from
// anywhere, in a terminal or a log-in script). False after saying why.
bool EnterPackageFolder(const TodayOptions &options, std::FILE *errors) {
  if (!options.folder.empty()) {
    if (::chdir(options.folder.c_str()) == 0)
      return true;
    std::fprintf(errors, "qxp today: cannot use the folder %s: %s\n", options.folder.c_str(),
                 std::strerror(errno));
    return false;
  }
  if (HoldsPackages("."))
    return true;
  const std::string data = platform::DataFolder();
  if (HoldsPackages(data.c_str()) && ::chdir(data.c_str()) == 0)
    return true;
  std::fprintf(errors, "qxp today: no packages here nor in %s\n", data.c_str());
  return true; // the day's load says the rest, as the program would
}

// Why a package showed nothing for the day, as qxp check sees it: it cannot
// be read, is damaged where the day's read goes, or holds nothing for the
// day. Only what the program's reader reads is read: the header and the
// day's entry.
std::string WhyNothing(const std::string &fileName, const DayChoice &day) {
  std::string error;
  std::optional<PackageImage> image = PackageImage::LoadDay(fileName, day, error);
  if (!image)
    return error;
  CheckReport report = CheckPackageDay(*image);
  if (!report.Sound())
    return "damaged: " + report.faults.front() + " (qxp check " + fileName + " names every fault)";
  return "nothing for this day";
}

// When no package showed anything, says for each why (the first few).
void SayWhyNothing(const DayChoice &day, std::FILE *errors) {
  constexpr std::size_t MostTold = 10;
  const std::vector<std::string> files = platform::FindFiles("*.QXP");
  if (files.empty())
    return; // the load has said so
  std::fprintf(errors, "qxp today: no package has anything to show for the day:\n");
  for (std::size_t i = 0; i < files.size() && i < MostTold; ++i)
    std::fprintf(errors, "  %s: %s\n", EscapeC1Bytes(files[i]).c_str(),
                 EscapeC1Bytes(WhyNothing(files[i], day)).c_str());
  if (files.size() > MostTold)
    std::fprintf(errors, "  and %zu more\n", files.size() - MostTold);
}

// How each line of the day's text is changed on its way out: wrapped, then
// made UTF-8 for --utf8, or its C1 bytes escaped for a terminal that would
// take them as controls; nothing when the bytes go out as SELWARTH.TXT holds
// them.
LineStream::Change LineChange(const TodayOptions &options, bool toTerminal) {
  const std::size_t width = static_cast<std::size_t>(options.width);
  const bool utf8 = options.utf8;
  if (width == 0 && !utf8 && !toTerminal)
    return nullptr;
  return [width, utf8, toTerminal](std::string_view line) {
    std::string wrapped;
    if (width > 0) {
      wrapped = WrapLines(line, width, utf8 ? WrapMeasure::Columns : WrapMeasure::Bytes);
      line = wrapped;
    }
    if (utf8)
      return TerminalUtf8(line);
    return toTerminal ? EscapeC1Bytes(line) : std::string(line);
  };
}

} // namespace

std::string TodayMethodWords(std::string_view between, std::string_view last) {
  std::string words;
  const auto methods = QuoteMethods();
  for (std::size_t i = 0; i < methods.size(); ++i) {
    if (i > 0)
      words += i + 1 == methods.size() ? last : between;
    words += methods[i].QxpName;
  }
  return words;
}

int RunTodayCommand(const std::vector<std::string> &arguments, std::FILE *out, std::FILE *errors) {
  TodayOptions options;
  if (!ParseOptions(arguments, options, errors))
    return 2;

  if (!EnterPackageFolder(options, errors))
    return 1;
  // The program's own load, on settings and a day of this command's.
  Settings settings;
  DayState dayState;
  BuildTodayText(dayState);
  LoadSettings(settings, *dayState.LocalTimeNow);
  ApplyOptions(options, settings, dayState);
  // The text goes to standard output whatever the stored SaveFile says.
  settings.SaveFile = 1;

  // The text goes out line by line as the packages are read, changed for a
  // terminal on the way: qxp holds one entry at a time, however many
  // packages the folder holds.
  LineStream lines(out, LineChange(options, ::isatty(::fileno(out)) != 0));
  if (lines.Stream() == nullptr) {
    std::fprintf(errors, "qxp today: out of memory\n");
    return 1;
  }
  TextExport output;
  output.Attach(lines.Stream());
  if (!options.answers)
    output.LeaveOutAnswers();
  if (options.utf8)
    output.KeepUtf8();
  TDayLoadOptions load{true, &output, false, {}};
  if (options.progress) {
    const std::tm &now = *dayState.LocalTimeNow;
    const int today = DateSlot(now.tm_year + 1900, now.tm_yday, 0);
    load.EachEntry = [&output, today](const TDayEntry &entry, const DayChoice &shown) {
      if (const std::string line =
              IsPlanEntry(entry) ? PlanProgressLine(entry.FileName, shown, today) : "";
          !line.empty())
        output.AppendLine(line);
    };
  }
  const LoadedDay day = LoadDay(settings, dayState, *dayState.LocalTimeNow, load);
  const bool printed = day.Shown > 0;
  // As the program's message boxes would say it, one line each.
  for (const DayLoadProblem &problem : day.Problems) {
    // The program's own words name the working folder; a folder given on the
    // command line is named as it was given.
    if (problem.What == DayLoadProblem::Kind::NoPackages && !options.folder.empty())
      std::fprintf(errors, "qxp today: no packages in %s\n", options.folder.c_str());
    else
      std::fprintf(errors, "%s: %s\n", problem.Caption.c_str(), problem.Text.c_str());
  }
  for (const std::string &skipped : day.SkippedSources)
    std::fprintf(errors, "qxp today: %s\n", EscapeC1Bytes(skipped).c_str());
  if (!printed)
    SayWhyNothing(CurrentDayChoice(settings, dayState), errors);
  // A full disk or a closed pipe must not pass for a printed day.
  const platform::Result<void> exported = output.Close();
  const int failure = lines.Close();
  if (!exported || failure != 0) {
    std::fprintf(errors, "qxp today: cannot write the text: %s\n",
                 failure != 0 ? std::strerror(failure) : exported.error().c_str());
    return 1;
  }
  return printed ? 0 : 1;
}

} // namespace qxp
