// A week in the life of a window left open: the day timer fires every ten
// seconds of an injected clock across seven midnights with UpdateDaily on,
// so the day is loaded afresh (and SELWARTH.TXT written) each morning. What
// counts is that nothing grows: heap in use, resident size and open file
// descriptors after the week against after the first day.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>
#include <unistd.h>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "app/verse_window.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "framework/frame_window.h"
#include "framework/headless/headless_backend.h"
#include "platform/clock.h"

namespace {

namespace fs = std::filesystem;

struct Usage {
  long heapBytes = 0;
  long residentKib = 0;
  long descriptors = 0;
};

Usage Now() {
  Usage usage;
  usage.heapBytes = static_cast<long>(mallinfo2().uordblks);
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmRSS:"))
      usage.residentKib = std::atol(line.c_str() + 6);
  for ([[maybe_unused]] const auto &entry : fs::directory_iterator("/proc/self/fd"))
    ++usage.descriptors;
  return usage;
}

void BM_WeekOfDays(benchmark::State &state) {
  fs::path root = fs::temp_directory_path() / ("selwarth-week-" + std::to_string(getpid()));
  fs::create_directories(root / "packages");
  fs::create_directories(root / "config" / "selwarth");
  for (const auto &entry : fs::directory_iterator(SELWARTH_BENCH_SAMPLES))
    fs::copy_file(entry.path(), root / "packages" / entry.path().filename());
  std::ofstream(root / "config" / "selwarth" / "SELWARTH.INI")
      << "[Selwarth]\r\nSaveFile=1\r\nUpdateDaily=1\r\n";
  setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
  setenv("TZ", "UTC", 1);
  tzset();
  fs::path previous = fs::current_path();
  fs::current_path(root / "packages");

  static std::time_t clock;
  clock = 1796169600; // 2026-12-01 00:00:00 UTC
  platform::SetTimeSource([] { return clock; });
  constexpr int TicksPerDay = 24 * 60 * 60 / (DayTimerPeriodMs / 1000);

  Usage afterFirstDay, afterWeek;
  int daysLoaded = 0;
  for (auto _ : state) {
    HeadlessBackend backend;
    // One tick a step, so that the tick's message (and the reload it posts
    // at midnight) is handled before the clock moves on.
    const int days = static_cast<int>(state.range(0));
    int ticksLeft = days * TicksPerDay;
    TProgram program;
    int lastIndex = program.day.DayIndex;
    std::function<void()> tick = [&] {
      if (ticksLeft == (days - 1) * TicksPerDay)
        afterFirstDay = Now();
      if (ticksLeft-- == 0) {
        afterWeek = Now();
        TheApplication()->GetMainWindow()->CloseWindow();
        return;
      }
      if (program.day.DayIndex != lastIndex) {
        ++daysLoaded;
        lastIndex = program.day.DayIndex;
      }
      clock += DayTimerPeriodMs / 1000;
      backend.FireTimer(*MainWindowHandle, DayTimer);
      backend.Then(tick);
    };
    backend.Then(tick);
    TQXApp app(program);
    app.Run();
  }
  state.counters["heap_growth_bytes"] =
      static_cast<double>(afterWeek.heapBytes - afterFirstDay.heapBytes);
  state.counters["rss_growth_KiB"] =
      static_cast<double>(afterWeek.residentKib - afterFirstDay.residentKib);
  state.counters["days_loaded"] = daysLoaded;
  state.counters["fd_growth"] =
      static_cast<double>(afterWeek.descriptors - afterFirstDay.descriptors);

  fs::current_path(previous);
  fs::remove_all(root);
}
// A week, and four weeks to see that what differs does not add up.
BENCHMARK(BM_WeekOfDays)->Arg(7)->Arg(28)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
