// The program-wide state and its one reset: every piece, however its layer
// keeps it, is back at a new process's value after ResetProgramState, and no
// variable the program shares is left out of the list below.

#include "app/program_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "app/verse_window.h"
#include "content/content_state.h"
#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_table.h"
#include "content/today_text.h"
#include "dialogs/calendar_dialog.h"
#include "dialogs/dialogs_state.h"
#include "dialogs/references_dialog.h"
#include "framework/application.h"
#include "framework/close_signals.h"
#include "framework/framework_state.h"
#include "framework/module.h"
#include "support/run_process.h"

namespace {

struct StatePiece {
  std::string name;
  std::function<void()> dirty;       // gives it a value no new process has
  std::function<std::string()> read; // its value, printed
};

template <class T> std::string Text(const T &value) {
  if constexpr (std::is_convertible_v<T, std::string>)
    return "\"" + std::string(value) + "\"";
  else if constexpr (std::is_pointer_v<T> || std::is_same_v<T, std::unique_ptr<TDayEntry>>)
    return value == nullptr ? "null" : "set";
  else if constexpr (std::is_same_v<T, std::optional<std::tm>>)
    return value.has_value() ? "set" : "none";
  else
    return std::to_string(value);
}

// A piece held in a variable.
template <class T, class V> StatePiece Variable(const char *name, T &variable, V dirty) {
  return {name, [&variable, dirty] { variable = dirty; }, [&variable] { return Text(variable); }};
}

// Never dereferenced: only whether the handle is set counts.
alignas(TVerseWindow) unsigned char WindowPlace[sizeof(TVerseWindow)];

// A settings mirror, named by its key: a new row of the settings table is
// covered without a line here.
struct MirrorPiece {
  const Setting &row;
  StatePiece operator()(std::int16_t *number) const {
    return Variable(row.Key, *number, static_cast<std::int16_t>(row.Default + 1));
  }
  StatePiece operator()(QuoteMethod *method) const {
    return {row.Key, [method] { *method = QuoteMethod::Random; },
            [method] { return std::string(QuoteMethodName(*method)); }};
  }
  StatePiece operator()(std::string *text) const {
    return Variable(row.Key, *text, std::string(row.DefaultText) + "changed");
  }
};

std::vector<StatePiece> ListPieces() {
  std::vector<StatePiece> pieces;
  for (const Setting &row : SettingsTable())
    pieces.push_back(std::visit(MirrorPiece{row}, row.Mirror));
  std::vector<StatePiece> others = {
      // The day.
      Variable("DayIndex", DayIndex, std::int16_t{59}),
      Variable("DayOffset", DayOffset, std::int16_t{-3}),
      Variable("DayStepped", DayStepped, true),
      Variable("IncrementCurrent", IncrementCurrent, std::uint16_t{41}),
      Variable("RandomSeeded", RandomSeeded, std::int16_t{7}),
      Variable("HasAnswers", HasAnswers, true),
      Variable("ShowAnswers", ShowAnswers, true),
      Variable("ReloadPending", ReloadPending, true),
      Variable("TextExportFailureTold", TextExportFailureTold, true),
      Variable("MarqueeFailureTold", MarqueeFailureTold, true),
      {"DayEntries", [] { DayEntries = std::make_unique<TDayEntry>(); },
       [] { return Text(DayEntries); }},
      // Today's date.
      {"TodayText", [] { TodayText = "Wed Mar 1, 2023"; }, [] { return Text(TodayText); }},
      Variable("DateValid", DateValid, std::int16_t{1}),
      {"LocalTimeNow", [] { BuildTodayText(); }, [] { return Text(LocalTimeNow); }},
      // The dialogs and the main window.
      Variable("CalendarOpen", CalendarOpen, true),
      Variable("ReferencesOpen", ReferencesOpen, true),
      Variable("MainWindowHandle", MainWindowHandle, reinterpret_cast<TVerseWindow *>(WindowPlace)),
      // The windowing layer's own.
      {"Module",
       [] {
         Module() = TModule{"--autostart", 7};
       },
       [] { return Module().CommandLine + " " + std::to_string(Module().CmdShow); }},
      {"PendingClose", [] { CloseMainWindowForSignal(); }, // no main window: it waits
       [] {
         // Reading takes the request; a taken one is put back.
         bool pending = TakePendingSignalClose();
         if (pending)
           CloseMainWindowForSignal();
         return Text(pending);
       }},
      {"QuitPosted", [] { MessageQueue().PostQuit(3); },
       [] { return Text(MessageQueue().QuitPosted()) + " " + Text(MessageQueue().ExitStatus()); }},
  };
  pieces.insert(pieces.end(), others.begin(), others.end());
  return pieces;
}

const std::vector<StatePiece> &Pieces() {
  static const std::vector<StatePiece> pieces = ListPieces();
  return pieces;
}

std::vector<std::string> ReadAll() {
  std::vector<std::string> values;
  for (const StatePiece &piece : Pieces())
    values.push_back(piece.read());
  return values;
}

// Taken before main, before any test has changed anything.
const std::vector<std::string> NewProcessValues = ReadAll();

TEST(ProgramStateTest, OneResetPutsEveryPieceBackToItsValueInANewProcess) {
  const std::vector<StatePiece> &pieces = Pieces();
  for (const StatePiece &piece : pieces)
    piece.dirty();
  std::vector<std::string> dirtied = ReadAll();
  ResetProgramState();
  std::vector<std::string> reset = ReadAll();
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    SCOPED_TRACE(pieces[i].name);
    EXPECT_NE(dirtied[i], NewProcessValues[i]) << "the test did not change it";
    EXPECT_EQ(reset[i], NewProcessValues[i]);
  }
}

// The lower layers' tests reset only the layers they link: each piece is
// put back by its own layer's reset, the content layer's unless named here.
TEST(ProgramStateTest, EachLayersResetPutsItsOwnPiecesBack) {
  const std::map<std::string, void (*)()> owners = {
      {"CalendarOpen", ResetDialogsState},     {"ReferencesOpen", ResetDialogsState},
      {"MainWindowHandle", ResetProgramState}, {"Module", ResetFrameworkState},
      {"PendingClose", ResetFrameworkState},   {"QuitPosted", ResetFrameworkState}};
  for (std::size_t i = 0; i < Pieces().size(); ++i) {
    const StatePiece &piece = Pieces()[i];
    SCOPED_TRACE(piece.name);
    piece.dirty();
    const auto owner = owners.find(piece.name);
    (owner != owners.end() ? owner->second : ResetContentState)();
    EXPECT_EQ(piece.read(), NewProcessValues[i]);
  }
}

// A variable shared across files is declared `extern` in a header; each one
// must be in the list above, so that a new one cannot miss the reset. The
// settings mirrors are listed by their rows: settings.def declares as many as
// the table has.
TEST(ProgramStateTest, EverySharedVariableIsListed) {
  std::set<std::string> listed;
  for (const StatePiece &piece : Pieces())
    listed.insert(piece.name);
  const std::regex declaration(R"(^\s*extern\s+[^"(]*?([A-Za-z_]\w*)\s*;)");
  const std::regex mirror(R"(^SETTING\()");
  std::vector<std::string> missing;
  int found = 0;
  std::size_t mirrors = 0;
  for (const auto &entry :
       std::filesystem::recursive_directory_iterator(testsupport::SourceTree() + "/src")) {
    const bool declarations = entry.path().filename() == "settings.def";
    if (entry.path().extension() != ".h" && !declarations)
      continue;
    std::ifstream file(entry.path());
    std::smatch match;
    for (std::string line; std::getline(file, line);) {
      if (declarations && std::regex_search(line, mirror)) {
        ++found;
        ++mirrors;
      }
      if (!std::regex_search(line, match, declaration))
        continue;
      ++found;
      if (listed.count(match[1]) == 0)
        missing.push_back(match[1].str() + " (" + entry.path().filename().string() + ")");
    }
  }
  EXPECT_GE(found, 30); // the headers were read
  EXPECT_EQ(mirrors, SettingsTable().size()) << "a settings mirror without its row";
  EXPECT_EQ(missing, std::vector<std::string>{});
}

} // namespace
