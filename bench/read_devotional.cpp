// The day's entry of a daily devotional read as the day's window reads it
// (ReadDevotionalEntry: its files opened and checked, the key found, the
// block unpacked, the markup read), from a zLD and a RawLD4 module of a
// whole year made with imp2ld, beside `diatheke -b <module> -k 12.09` as a
// whole process (libsword's program reading the same entry), its output
// thrown away. Skipped when imp2ld or diatheke is not installed.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "scripture/devotional_reader.h"
#include "scripture/sword_modules.h"

namespace {

namespace fs = std::filesystem;

constexpr const char *Imp2ld = "/usr/bin/imp2ld";
constexpr const char *Diatheke = "/usr/bin/diatheke";

bool Run(const std::string &program, std::vector<std::string> words) {
  words.insert(words.begin(), program);
  std::vector<char *> argv;
  for (std::string &word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 1);
    dup2(null, 2);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A library of its own with a year of days (some three kilobytes of ThML
// each) in both drivers; its root also serves as diatheke's home.
struct YearLibrary {
  fs::path root;
  std::vector<TSwordModule> modules; // "YearRawLD4", "YearzLD"

  YearLibrary() {
    char folder[] = "/tmp/selwarth-bench-devotional-XXXXXX";
    if (mkdtemp(folder) == nullptr)
      return;
    root = folder;
    std::ofstream imp(root / "year.imp");
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= 31; ++day) {
        imp << "$$$" << DevotionalKey(month, day) << "\n";
        for (int paragraph = 0; paragraph < 12; ++paragraph)
          imp << "<p>For the " << day << ". day of month " << month
              << ": a paragraph of the morning's reading, <i>with a verse</i>, and a "
                 "thought for the day.<br/>Psalm 119:105</p>";
        imp << "\n";
      }
    imp.close();
    fs::create_directories(root / "mods.d");
    for (const std::string driver : {"RawLD4", "zLD"}) {
      const std::string name = "Year" + driver;
      const fs::path data = root / "modules/lexdict" / name / name;
      fs::create_directories(data.parent_path());
      std::vector<std::string> arguments = {(root / "year.imp").string(), "-o", data.string()};
      if (driver == "RawLD4")
        arguments.push_back("-4");
      else
        arguments.insert(arguments.end(), {"-z", "z"});
      if (!Run(Imp2ld, arguments))
        return;
      std::ofstream(root / "mods.d" / (name + ".conf"))
          << "[" << name << "]\nDataPath=./modules/lexdict/" << name << "/" << name
          << "\nModDrv=" << driver << "\nSourceType=ThML\nFeature=DailyDevotion\n"
          << (driver == "zLD" ? "CompressType=ZIP\n" : "");
    }
    modules = InstalledDevotionals({(root / "mods.d").string()});
  }
  ~YearLibrary() {
    if (!root.empty())
      fs::remove_all(root);
  }
};

const YearLibrary &Library() {
  static const YearLibrary library;
  return library;
}

const TSwordModule *Module(const char *name) {
  const std::vector<TSwordModule> &modules = Library().modules;
  return FindModule(modules, name);
}

void ReadDay(benchmark::State &state, const char *name) {
  const TSwordModule *module = access(Imp2ld, X_OK) == 0 ? Module(name) : nullptr;
  if (module == nullptr) {
    state.SkipWithError("imp2ld is not installed, or the module could not be made");
    return;
  }
  for (auto _ : state) {
    auto entry = ReadDevotionalEntry(*module, "12.09");
    if (!entry || !*entry) {
      state.SkipWithError("the day cannot be read");
      return;
    }
    benchmark::DoNotOptimize((*entry)->paragraphs.size());
  }
}

void RunDiatheke(benchmark::State &state, const char *name) {
  if (access(Diatheke, X_OK) != 0 || Module(name) == nullptr) {
    state.SkipWithError("diatheke or imp2ld is not installed");
    return;
  }
  setenv("SWORD_PATH", Library().root.c_str(), 1);
  setenv("HOME", Library().root.c_str(), 1);
  for (auto _ : state)
    if (!Run(Diatheke, {"-b", name, "-k", "12.09"})) {
      state.SkipWithError("diatheke failed");
      return;
    }
}

BENCHMARK_CAPTURE(ReadDay, zLD, "YearzLD")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadDay, RawLD4, "YearRawLD4")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunDiatheke, zLD, "YearzLD")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunDiatheke, RawLD4, "YearRawLD4")->Unit(benchmark::kMicrosecond);

} // namespace
