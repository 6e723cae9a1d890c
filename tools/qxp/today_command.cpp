#include "today_command.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "app/settings_load.h"
#include "codepage.h"
#include "console_backend.h"
#include "content/day_entries.h"
#include "content/day_load.h"
#include "content/day_state.h"
#include "content/increment_number.h"
#include "content/settings.h"
#include "content/text_export.h"
#include "content/today_text.h"

namespace qxp {
namespace {

struct TodayOptions {
  std::string method; // empty: the stored setting
  int offset = 0;
  bool hasOffset = false;
  bool utf8 = false; // for terminals: UTF-8 with LF line ends
};

bool ParseOffset(const std::string &text, int &offset) {
  const char *first = text.data();
  const char *last = first + text.size();
  if (first != last && *first == '+')
    ++first;
  auto [end, error] = std::from_chars(first, last, offset);
  return error == std::errc() && end == last && offset >= -366 && offset <= 366;
}

bool ParseOptions(const std::vector<std::string> &arguments, TodayOptions &options,
                  std::FILE *errors) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string &word = arguments[i];
    bool hasValue = i + 1 < arguments.size();
    if (word == "--method" && hasValue) {
      options.method = arguments[++i];
      if (options.method != "date" && options.method != "increment" && options.method != "random") {
        std::fprintf(errors, "qxp today: --method takes date, increment or random, not '%s'\n",
                     options.method.c_str());
        return false;
      }
    } else if (word == "--utf8") {
      options.utf8 = true;
    } else if (word == "--offset" && hasValue) {
      if (!ParseOffset(arguments[++i], options.offset)) {
        std::fprintf(errors, "qxp today: --offset takes a number of days from -366 to 366\n");
        return false;
      }
      options.hasOffset = true;
    } else {
      std::fprintf(errors,
                   "qxp today: unexpected '%s'\nusage: qxp today [--method "
                   "date|increment|random] [--offset N]\n",
                   word.c_str());
      return false;
    }
  }
  return true;
}

void ApplyOptions(const TodayOptions &options) {
  if (options.method == "date")
    QuoteMethodCode = MethodDate;
  else if (options.method == "increment")
    QuoteMethodCode = MethodIncrement;
  else if (options.method == "random")
    QuoteMethodCode = MethodRandom;
  if (!options.hasOffset)
    return;
  // Like the day-stepping commands: away from the method's own choice.
  DayOffset = static_cast<std::int16_t>(options.offset);
  DayStepped = true;
  IncrementCurrent = PeekIncrementNumber();
}

} // namespace

int RunTodayCommand(const std::vector<std::string> &arguments, std::FILE *out, std::FILE *errors) {
  TodayOptions options;
  if (!ParseOptions(arguments, options, errors))
    return 2;

  ConsoleBackend backend(errors);
  BuildTodayText();
  LoadSettings(*LocalTimeNow);
  ApplyOptions(options);
  // The text goes to standard output whatever the stored SaveFile says.
  SaveFile = 1;

  // The text is gathered first, so that it can be converted for a terminal.
  char *buffer = nullptr;
  std::size_t size = 0;
  std::FILE *memory = open_memstream(&buffer, &size);
  if (memory == nullptr) {
    std::fprintf(errors, "qxp today: out of memory\n");
    return 1;
  }
  TextExport output;
  output.Attach(memory);
  LoadDay(nullptr, TDayLoadOptions{true, &output});
  output.Close();
  std::fclose(memory);
  std::string bytes(buffer, size);
  std::free(buffer);
  std::string text = options.utf8 ? TerminalText(bytes) : bytes;
  // A full disk or a closed pipe must not pass for a printed day.
  const bool written =
      std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
  if (!written)
    std::fprintf(errors, "qxp today: cannot write the text: %s\n", std::strerror(errno));
  bool printed = DayEntries != nullptr;
  FreeDayEntries(DayEntries);
  return printed && written ? 0 : 1;
}

} // namespace qxp
