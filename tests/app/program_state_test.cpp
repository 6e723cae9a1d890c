// What the program keeps while it runs and who owns it: a new TProgram
// (the settings, the day, the modeless dialogs) holds every piece at a new
// process's value, ResetProgramState puts back the few program-wide
// variables that remain, and no other variable the program shares is left
// declared `extern`.

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
#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_table.h"
#include "content/today_text.h"
#include "dialogs/calendar_dialog.h"
#include "dialogs/reading_view.h"
#include "dialogs/references_dialog.h"
#include "framework/application.h"
#include "framework/close_signals.h"
#include "framework/framework_state.h"
#include "framework/module.h"
#include "readings/reading_bible.h"
#include "support/run_process.h"

namespace {

struct StatePiece {
  std::string name;
  std::function<void(TProgram &)> dirty;             // gives it a value no new process has
  std::function<std::string(const TProgram &)> read; // its value, printed
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

// A piece of the program's day.
template <class T, class V> StatePiece DayPiece(const char *name, T DayState::*member, V dirty) {
  return {name, [member, dirty](TProgram &program) { program.day.*member = dirty; },
          [member](const TProgram &program) { return Text(program.day.*member); }};
}

// A piece held in a program-wide variable.
template <class T, class V> StatePiece Variable(const char *name, T &variable, V dirty) {
  return {name, [&variable, dirty](TProgram &) { variable = dirty; },
          [&variable](const TProgram &) { return Text(variable); }};
}

// Never dereferenced: only whether the handle is set counts.
alignas(TVerseWindow) unsigned char WindowPlace[sizeof(TVerseWindow)];

// A settings mirror, named by its key: a new row of the settings table is
// covered without a line here.
struct MirrorPiece {
  const Setting &row;
  StatePiece operator()(std::int16_t Settings::*number) const {
    const auto dirty = static_cast<std::int16_t>(row.Default + 1);
    return {row.Key, [number, dirty](TProgram &program) { program.settings.*number = dirty; },
            [number](const TProgram &program) { return Text(program.settings.*number); }};
  }
  StatePiece operator()(QuoteMethod Settings::*method) const {
    return {row.Key,
            [method](TProgram &program) { program.settings.*method = QuoteMethod::Random; },
            [method](const TProgram &program) {
              return std::string(QuoteMethodName(program.settings.*method));
            }};
  }
  StatePiece operator()(std::string Settings::*text) const {
    const std::string dirty = std::string(row.DefaultText) + "changed";
    return {row.Key, [text, dirty](TProgram &program) { program.settings.*text = dirty; },
            [text](const TProgram &program) { return Text(program.settings.*text); }};
  }
};

// The program-wide variables that remain, with the reset of the layer that
// keeps each.
std::vector<std::pair<StatePiece, void (*)()>> GlobalPieces() {
  return {
      {Variable("MainWindowHandle", MainWindowHandle,
                reinterpret_cast<TVerseWindow *>(WindowPlace)),
       ResetProgramState},
      // The windowing layer's own.
      {{"Module",
        [](TProgram &) {
          Module() = TModule{"--autostart", 7};
        },
        [](const TProgram &) {
          return Module().CommandLine + " " + std::to_string(Module().CmdShow);
        }},
       ResetFrameworkState},
      {{"PendingClose", [](TProgram &) { CloseMainWindowForSignal(); }, // no main window: it waits
        [](const TProgram &) {
          // Reading takes the request; a taken one is put back.
          bool pending = TakePendingSignalClose();
          if (pending)
            CloseMainWindowForSignal();
          return Text(pending);
        }},
       ResetFrameworkState},
      {{"ProgramClosing", [](TProgram &) { AskProgramToClose(); },
        [](const TProgram &) { return Text(ProgramClosing()); }},
       ResetFrameworkState},
      {{"QuitPosted", [](TProgram &) { MessageQueue().PostQuit(3); },
        [](const TProgram &) {
          return Text(MessageQueue().QuitPosted()) + " " + Text(MessageQueue().ExitStatus());
        }},
       ResetFrameworkState},
  };
}

std::vector<StatePiece> ListPieces() {
  std::vector<StatePiece> pieces;
  for (const Setting &row : SettingsTable())
    pieces.push_back(std::visit(MirrorPiece{row}, row.Mirror));
  std::vector<StatePiece> others = {
      // The day.
      DayPiece("DayIndex", &DayState::DayIndex, std::int16_t{59}),
      DayPiece("DayOffset", &DayState::DayOffset, std::int16_t{-3}),
      DayPiece("DayStepped", &DayState::DayStepped, true),
      DayPiece("IncrementCurrent", &DayState::IncrementCurrent, std::uint16_t{41}),
      DayPiece("RandomSeeded", &DayState::RandomSeeded, std::int16_t{7}),
      DayPiece("HasAnswers", &DayState::HasAnswers, true),
      DayPiece("ShowAnswers", &DayState::ShowAnswers, true),
      DayPiece("ReloadPending", &DayState::ReloadPending, true),
      DayPiece("TextExportFailureTold", &DayState::TextExportFailureTold, true),
      DayPiece("MarqueeFailureTold", &DayState::MarqueeFailureTold, true),
      {"DayEntries",
       [](TProgram &program) { program.day.DayEntries = std::make_unique<TDayEntry>(); },
       [](const TProgram &program) { return Text(program.day.DayEntries); }},
      // Today's date.
      DayPiece("TodayText", &DayState::TodayText, std::string("Wed Mar 1, 2023")),
      DayPiece("DateValid", &DayState::DateValid, std::int16_t{1}),
      {"LocalTimeNow", [](TProgram &program) { BuildTodayText(program.day); },
       [](const TProgram &program) { return Text(program.day.LocalTimeNow); }},
      // The modeless dialogs, open while they are there and their windows are.
      {"CalendarDialog",
       [](TProgram &program) {
         program.CalendarDialog =
             std::make_unique<TCalendar>(nullptr, program.settings, program.day);
       },
       [](const TProgram &program) { return Text(program.CalendarDialog.get()); }},
      {"ReferencesDialog",
       [](TProgram &program) {
         program.ReferencesDialog = std::make_unique<TReferencesDialog>(nullptr, program.settings);
       },
       [](const TProgram &program) { return Text(program.ReferencesDialog.get()); }},
      {"ReadingView",
       [](TProgram &program) {
         program.Bibles = std::make_unique<TBibleShelf>();
         program.ReadingView = std::make_unique<TReadingView>(nullptr, program.settings,
                                                              program.day, *program.Bibles);
       },
       [](const TProgram &program) {
         return Text(program.ReadingView.get()) + " " + Text(program.Bibles.get());
       }},
  };
  pieces.insert(pieces.end(), others.begin(), others.end());
  for (const auto &[piece, reset] : GlobalPieces())
    pieces.push_back(piece);
  return pieces;
}

const std::vector<StatePiece> &Pieces() {
  static const std::vector<StatePiece> pieces = ListPieces();
  return pieces;
}

std::vector<std::string> ReadAll(const TProgram &program) {
  std::vector<std::string> values;
  for (const StatePiece &piece : Pieces())
    values.push_back(piece.read(program));
  return values;
}

// Taken before main, before any test has changed anything, from the program
// object a new process makes.
const std::vector<std::string> NewProcessValues = ReadAll(TProgram{});

TEST(ProgramStateTest, ANewOwnerAndOneResetPutEveryPieceBackToItsValueInANewProcess) {
  const std::vector<StatePiece> &pieces = Pieces();
  std::vector<std::string> dirtied;
  {
    TProgram used;
    for (const StatePiece &piece : pieces)
      piece.dirty(used);
    dirtied = ReadAll(used);
  }
  ResetProgramState();
  const std::vector<std::string> fresh = ReadAll(TProgram{});
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    SCOPED_TRACE(pieces[i].name);
    EXPECT_NE(dirtied[i], NewProcessValues[i]) << "the test did not change it";
    EXPECT_EQ(fresh[i], NewProcessValues[i]);
  }
}

// The settings of a new owner are the values an absent key gives.
TEST(ProgramStateTest, ANewOwnersSettingsAreTheDefaultsOfTheirRows) {
  const TProgram program;
  for (const Setting &row : SettingsTable()) {
    SCOPED_TRACE(row.Key);
    std::visit(
        [&](auto member) {
          using Value = std::remove_cvref_t<decltype(program.settings.*member)>;
          if constexpr (std::is_same_v<Value, std::string>)
            EXPECT_EQ(program.settings.*member, row.DefaultText);
          else
            EXPECT_EQ(static_cast<int>(program.settings.*member), row.Default);
        },
        row.Mirror);
  }
  EXPECT_FALSE(program.CalendarOpen());
  EXPECT_FALSE(program.ReferencesOpen());
  EXPECT_FALSE(program.ReadingViewOpen());
}

// The lower layers' tests reset only the layers they link: each variable
// left is put back by its own layer's reset.
TEST(ProgramStateTest, EachLayersResetPutsItsOwnVariablesBack) {
  TProgram program;
  for (const auto &[piece, reset] : GlobalPieces()) {
    SCOPED_TRACE(piece.name);
    const std::string before = piece.read(program);
    piece.dirty(program);
    reset();
    EXPECT_EQ(piece.read(program), before);
  }
}

// A variable shared across files is declared `extern` in a header; the few
// that remain are listed above, so that a new one cannot slip in unowned.
// The settings mirrors are members of Settings, one for each row: settings.def
// declares as many as the table has.
TEST(ProgramStateTest, NoSharedVariableIsLeftButTheListedOnes) {
  std::set<std::string> listed;
  for (const auto &[piece, reset] : GlobalPieces())
    listed.insert(piece.name);
  const std::regex declaration(R"(^\s*extern\s+[^"(]*?([A-Za-z_]\w*)\s*;)");
  const std::regex mirror(R"(^SETTING\()");
  std::vector<std::string> missing;
  std::size_t mirrors = 0;
  for (const auto &entry :
       std::filesystem::recursive_directory_iterator(testsupport::SourceTree() + "/src")) {
    const bool declarations = entry.path().filename() == "settings.def";
    if (entry.path().extension() != ".h" && !declarations)
      continue;
    std::ifstream file(entry.path());
    std::smatch match;
    for (std::string line; std::getline(file, line);) {
      if (declarations && std::regex_search(line, mirror))
        ++mirrors;
      if (!std::regex_search(line, match, declaration))
        continue;
      if (listed.count(match[1]) == 0)
        missing.push_back(match[1].str() + " (" + entry.path().filename().string() + ")");
    }
  }
  EXPECT_GE(mirrors, 16u); // the declarations were read
  EXPECT_EQ(mirrors, SettingsTable().size()) << "a settings mirror without its row";
  EXPECT_EQ(missing, std::vector<std::string>{});
}

} // namespace
