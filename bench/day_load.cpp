// The daily load over 10, 100 and 1000 packages, beside a baseline that only
// opens each package, reads the same bytes (the header and the day's entry)
// and closes it. At the end the ratio of the two is printed for each size;
// BM_LoadDayBesideBaseline runs the two in turn and gives the medians of the
// ratios pair by pair, which hold on a machine whose speed drifts.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "content/day_entries.h"
#include "content/day_load.h"
#include "content/day_state.h"
#include "content/package_format.h"
#include "content/settings.h"
#include "content/today_text.h"
#include "qxp/package_writer.h"

namespace {

constexpr int Slot = 100;

// A folder of count packages, made once per size and kept for the run.
class PackageFolder {
public:
  explicit PackageFolder(int count) {
    std::string pattern = (std::filesystem::temp_directory_path() / "selwarth-bench-XXXXXX");
    path_ = mkdtemp(pattern.data());
    qxp::PackageContent content;
    content.Titles = {"Daily Verse - King James Version"};
    content.TrailerMarker = '-';
    content.Description = "A verse for every day";
    for (int slot = 0; slot < package::SlotCount; ++slot)
      content.Entries[static_cast<size_t>(slot)] = {
          "For God so loved the world, that he gave his only begotten Son, that whosoever "
          "believeth in him should not perish, but have everlasting life. -John 3:16"};
    std::string error;
    std::string bytes = *qxp::SerializePackage(content, error);
    for (int i = 0; i < count; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "P%04d.QXP", i);
      std::FILE *file = std::fopen((path_ / name).c_str(), "wb");
      std::fwrite(bytes.data(), 1, bytes.size(), file);
      std::fclose(file);
    }
  }
  ~PackageFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path &Path() const { return path_; }

private:
  std::filesystem::path path_;
};

PackageFolder &FolderOf(int count) {
  static std::map<int, std::unique_ptr<PackageFolder>> folders;
  auto &folder = folders[count];
  if (!folder)
    folder = std::make_unique<PackageFolder>(count);
  return *folder;
}

void UseFolder(const std::filesystem::path &folder) {
  std::filesystem::current_path(folder);
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
}

// One daily load of the folder, at a fixed slot.
void LoadOnce() {
  static Settings settings;
  static DayState dayState;
  settings.QuoteMethodCode = QuoteMethod::Increment; // a fixed slot without the clock
  dayState.DayStepped = true;
  dayState.IncrementCurrent = Slot;
  LoadedDay day = LoadDay(settings, dayState, TodayLocalTime(dayState));
  benchmark::DoNotOptimize(day.Entries.get());
}

// Opens each package, reads its header and the day's entry, closes it.
void ReadOnce() {
  static std::string buffer(4096, '\0');
  for (const auto &entry : std::filesystem::directory_iterator(".")) {
    if (entry.path().extension() != ".QXP")
      continue;
    std::FILE *file = std::fopen(entry.path().c_str(), "rb");
    std::size_t got = std::fread(buffer.data(), 1, package::HeaderSize(1), file);
    std::uint32_t offset = 0;
    std::memcpy(&offset, buffer.data() + package::HeaderSize(1) - 370 * 4 + Slot * 4, 4);
    std::fseek(file, static_cast<long>(offset), SEEK_SET);
    got += std::fread(buffer.data(), 1, 160, file);
    std::fclose(file);
    benchmark::DoNotOptimize(got);
  }
}

void BM_LoadDay(benchmark::State &state) {
  UseFolder(FolderOf(static_cast<int>(state.range(0))).Path());
  for (auto _ : state)
    LoadOnce();
}

void BM_ReadBaseline(benchmark::State &state) {
  UseFolder(FolderOf(static_cast<int>(state.range(0))).Path());
  for (auto _ : state)
    ReadOnce();
}

double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// The load and the baseline in turn, the one first and then the other, so
// that both meet the machine as it is at that moment (a shared machine's
// speed drifts by tens of percent between the runs of two benchmarks): the
// medians of the ratios pair by pair, of the real time and of this thread's
// CPU time.
void BM_LoadDayBesideBaseline(benchmark::State &state) {
  UseFolder(FolderOf(static_cast<int>(state.range(0))).Path());
  std::vector<double> real, cpu;
  bool loadFirst = true;
  for (auto _ : state) {
    double took[2][2]; // [load, baseline][real, CPU]
    for (int turn = 0; turn < 2; ++turn) {
      const int which = (turn == 0) == loadFirst ? 0 : 1;
      const auto start = std::chrono::steady_clock::now();
      const double startCpu = ThreadSeconds();
      which == 0 ? LoadOnce() : ReadOnce();
      took[which][1] = ThreadSeconds() - startCpu;
      took[which][0] =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    loadFirst = !loadFirst;
    real.push_back(took[0][0] / took[1][0]);
    cpu.push_back(took[0][1] / took[1][1]);
  }
  state.counters["ratio_real"] = Median(real);
  state.counters["ratio_cpu"] = Median(cpu);
}

BENCHMARK(BM_LoadDay)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadBaseline)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadDayBesideBaseline)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Prints the ratio of the load to the baseline after the usual report.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs)
      times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (int count : {10, 100, 1000}) {
      std::string suffix = "/" + std::to_string(count);
      auto load = times_.find("BM_LoadDay" + suffix);
      auto base = times_.find("BM_ReadBaseline" + suffix);
      if (load != times_.end() && base != times_.end() && base->second > 0)
        std::printf("LoadDay / baseline with %4d packages: %.2f\n", count,
                    load->second / base->second);
    }
  }

private:
  std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
