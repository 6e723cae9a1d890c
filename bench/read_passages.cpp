// The day's passages read as Links > Read Passages reads them (the sample
// plan's day: Genesis 1-2, Matthew 1, Isaiah 43:19, Proverbs 1:7) in
// Debian's KJV (sword-text-kjv), beside `diatheke` printing the same
// passages as plain text as a whole process (the libsword program of the
// same library):
//  - FirstOpening: the Bible opened anew (its files checked, a manager of
//    libsword's made), then the passages read, as the window's first opening
//    in a run does (libsword itself is loaded once per process, before the
//    timing starts);
//  - LaterOpening: the Bible kept from before, as every later opening;
//  - Diatheke: the whole process, its output thrown away.
// Skipped when the KJV or diatheke is not installed.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "readings/day_readings.h"
#include "readings/passages_document.h"
#include "readings/reading_bible.h"
#include "scripture/sword_modules.h"

namespace {

constexpr const char *Kjv = "engKJV2006eb";
constexpr const char *Diatheke = "/usr/bin/diatheke";

const std::vector<TDayReading> &Readings() {
  static const std::vector<TDayReading> readings = {{TReadingKind::Morning, "Genesis 1-2"},
                                                    {TReadingKind::Evening, "Matthew 1"},
                                                    {TReadingKind::DailyVerse, "Isaiah 43:19"},
                                                    {TReadingKind::Proverb, "Proverbs 1:7"}};
  return readings;
}

std::string English(const char *text) {
  return text;
}

const TSwordModule *KjvModule() {
  static const std::vector<TSwordModule> bibles = InstalledBibleModules(SwordModuleFolders());
  return FindModule(bibles, Kjv);
}

std::size_t Read(TBibleShelf &shelf) {
  platform::Result<TBible *> bible = shelf.Open(*KjvModule());
  if (!bible)
    return 0;
  return PassagesDocument(Readings(), *bible, {}, English).blocks.size();
}

void FirstOpening(benchmark::State &state) {
  if (KjvModule() == nullptr) {
    state.SkipWithError("sword-text-kjv is not installed");
    return;
  }
  TBibleShelf loading; // libsword is loaded once per process
  if (Read(loading) == 0) {
    state.SkipWithError("the KJV cannot be read");
    return;
  }
  for (auto _ : state) {
    TBibleShelf shelf;
    benchmark::DoNotOptimize(Read(shelf));
  }
}

void LaterOpening(benchmark::State &state) {
  if (KjvModule() == nullptr) {
    state.SkipWithError("sword-text-kjv is not installed");
    return;
  }
  TBibleShelf shelf;
  Read(shelf);
  for (auto _ : state)
    benchmark::DoNotOptimize(Read(shelf));
}

void RunDiatheke(benchmark::State &state) {
  if (KjvModule() == nullptr || access(Diatheke, X_OK) != 0) {
    state.SkipWithError("sword-text-kjv or diatheke is not installed");
    return;
  }
  std::vector<std::string> words = {
      Diatheke, "-b", Kjv, "-f", "plain", "-k", "Genesis 1-2;Matthew 1;Isaiah 43:19;Proverbs 1:7"};
  std::vector<char *> argv;
  for (std::string &word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    pid_t pid = fork();
    if (pid == 0) {
      int null = open("/dev/null", O_RDWR);
      dup2(null, 1);
      dup2(null, 2);
      execv(Diatheke, argv.data());
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("diatheke failed");
      return;
    }
  }
}

BENCHMARK(FirstOpening)->Unit(benchmark::kMillisecond);
BENCHMARK(LaterOpening)->Unit(benchmark::kMillisecond);
BENCHMARK(RunDiatheke)->Name("Diatheke")->Unit(benchmark::kMillisecond);

} // namespace
