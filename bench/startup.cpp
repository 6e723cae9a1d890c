// Whole-process start-up and memory, each program started fresh in a copy of
// the sample packages with settings of its own:
//  - Selwarth to its first painted frame, on the headless backend and on Qt
//    (offscreen), and its peak resident size after idling two seconds;
//  - Selwarth under Qt side by side with a minimal Qt Widgets program (a
//    main window with a menu bar and a painted client), started in turn, and
//    the ratio of their median times;
//  - Selwarth under Qt with a SWORD library of 20 daily devotionals and 5
//    Bibles in the user's ~/.sword (built with imp2ld and imp2vs), in turn
//    with the same start without them, and the ratio of their medians;
//  - `qxp today` beside the system's `fortune` and `verse` printing their
//    text (skipped when they are not installed: fortune-mod, verse), and
//    run turn about with `verse` and with a C++ program that does nothing
//    (the floor of a program linked with the shared libstdc++).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "content/calendar_facts.h"
#include "scripture/devotional_reader.h"

namespace {

namespace fs = std::filesystem;

struct Finished {
  double seconds = 0;
  long peakKib = 0; // the child's peak resident size
  int status = -1;
};

// A folder with the sample packages and an empty settings folder, made once.
struct Sandbox {
  fs::path root = fs::temp_directory_path() / ("selwarth-bench-" + std::to_string(getpid()));
  fs::path packages = root / "packages";
  fs::path config = root / "config";
  Sandbox() {
    fs::create_directories(packages);
    fs::create_directories(config);
    for (const auto &entry : fs::directory_iterator(SELWARTH_BENCH_SAMPLES))
      fs::copy_file(entry.path(), packages / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
  }
  ~Sandbox() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
};

Sandbox &Samples() {
  static Sandbox sandbox;
  return sandbox;
}

// Runs program in the samples folder, its output thrown away.
Finished Run(const std::string &program, const std::vector<std::string> &arguments,
             const std::map<std::string, std::string> &environment = {}) {
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (std::string &word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    int null = open("/dev/null", O_RDWR);
    dup2(null, 1);
    dup2(null, 2);
    if (chdir(Samples().packages.c_str()) != 0)
      _exit(126);
    setenv("XDG_CONFIG_HOME", Samples().config.c_str(), 1);
    for (const auto &[name, value] : environment)
      setenv(name.c_str(), value.c_str(), 1);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  Finished finished;
  rusage usage{};
  int status = 0;
  while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  finished.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  finished.peakKib = usage.ru_maxrss;
  finished.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return finished;
}

std::string Built(const char *name) {
  return std::string(SELWARTH_BENCH_BIN) + "/" + name;
}

void Measure(benchmark::State &state, const std::string &program,
             const std::vector<std::string> &arguments,
             const std::map<std::string, std::string> &environment = {}) {
  if (!fs::exists(program)) {
    state.SkipWithError((program + " is not installed").c_str());
    return;
  }
  long peakKib = 0;
  for (auto _ : state) {
    Finished finished = Run(program, arguments, environment);
    if (finished.status != 0) {
      state.SkipWithError((program + " failed").c_str());
      return;
    }
    state.SetIterationTime(finished.seconds);
    peakKib = std::max(peakKib, finished.peakKib);
  }
  state.counters["peak_rss_MiB"] = static_cast<double>(peakKib) / 1024.0;
}

const std::map<std::string, std::string> Offscreen{{"QT_QPA_PLATFORM", "offscreen"}};

void BM_StartupToFirstPaintHeadless(benchmark::State &state) {
  Measure(state, Built("startup_probe_headless"), {"headless"});
}
BENCHMARK(BM_StartupToFirstPaintHeadless)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartupToFirstPaintQt(benchmark::State &state) {
  Measure(state, Built("startup_probe"), {"qt"}, Offscreen);
}
BENCHMARK(BM_StartupToFirstPaintQt)->UseManualTime()->Unit(benchmark::kMillisecond);

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// One run of a program to its first paint.
using Start = std::function<Finished()>;

// Each iteration starts ours and the other in turn (the one first that went
// second before), so that the load of the machine falls on both alike; the
// iteration's time is ours. Counters: each one's median in milliseconds
// under the names given, and "ratio", ours over the other's.
void StartInTurn(benchmark::State &state, const Start &ours, const char *oursName,
                 const Start &other, const char *otherName) {
  std::vector<double> oursTimes, otherTimes;
  bool oursFirst = true;
  for (auto _ : state) {
    Finished first = oursFirst ? ours() : other();
    Finished second = oursFirst ? other() : ours();
    const Finished &oursRun = oursFirst ? first : second;
    const Finished &otherRun = oursFirst ? second : first;
    if (oursRun.status != 0 || otherRun.status != 0) {
      state.SkipWithError("a probe failed");
      return;
    }
    oursTimes.push_back(oursRun.seconds);
    otherTimes.push_back(otherRun.seconds);
    state.SetIterationTime(oursRun.seconds);
    oursFirst = !oursFirst;
  }
  state.counters[oursName] = Median(oursTimes) * 1000;
  state.counters[otherName] = Median(otherTimes) * 1000;
  state.counters["ratio"] = Median(otherTimes) > 0 ? Median(oursTimes) / Median(otherTimes) : 0;
}

const std::vector<std::string> FirstPaint{"qt-first-paint"};

// Selwarth beside the minimal Qt program; both end the process right after
// their first painted frame. The figure that counts is the counter "ratio".
void BM_StartupQtBesideMinimalQt(benchmark::State &state) {
  const std::string selwarth = Built("startup_probe");
  const std::string minimal = Built("minimal_qt_probe");
  if (!fs::exists(selwarth) || !fs::exists(minimal)) {
    state.SkipWithError("the Qt probes are not built");
    return;
  }
  StartInTurn(
      state, [&] { return Run(selwarth, FirstPaint, Offscreen); }, "selwarth_ms",
      [&] { return Run(minimal, {}, Offscreen); }, "minimal_qt_ms");
}
BENCHMARK(BM_StartupQtBesideMinimalQt)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

// A home whose ~/.sword holds 20 daily devotionals (each of the three
// kinds of dictionary, a year of entries) and 5 small Bibles, made once with
// libsword-utils' imp2ld and imp2vs; and a home without any.
struct SwordHomes {
  fs::path root = Samples().root / "homes";
  fs::path empty = root / "empty";
  fs::path library = root / "library";
  bool made = false;
  SwordHomes() {
    fs::create_directories(empty);
    const fs::path sword = library / ".sword";
    fs::create_directories(sword / "mods.d");
    if (!fs::exists("/usr/bin/imp2ld") || !fs::exists("/usr/bin/imp2vs"))
      return;
    std::string days;
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= DaysInMonth(month, 2024); ++day) {
        const std::string key = DevotionalKey(month, day);
        days += "$$$" + key + "\n<p>The morning's words for " + key +
                ", a paragraph of a devotional's usual length.</p><p>And a second one.</p>\n";
      }
    Write(root / "days.imp", days);
    const char *drivers[] = {"RawLD", "RawLD4", "zLD"};
    made = true;
    for (int n = 0; n < 20 && made; ++n) {
      const std::string name = "Devotional" + std::to_string(n);
      const std::string driver = drivers[n % 3];
      const std::string relative = "modules/lexdict/" + name + "/" + name;
      fs::create_directories(sword / relative);
      std::string command = "imp2ld " + (root / "days.imp").string() + " -o " +
                            (sword / relative).string() +
                            (driver == "RawLD4" ? " -4"
                             : driver == "zLD"  ? " -z z"
                                                : "") +
                            " >/dev/null 2>&1";
      made = std::system(command.c_str()) == 0;
      Write(sword / "mods.d" / (name + ".conf"),
            "[" + name + "]\nDataPath=./" + relative + "\nModDrv=" + driver +
                "\nSourceType=ThML\nEncoding=UTF-8\nFeature=DailyDevotion\n"
                "Description=Devotional number " +
                std::to_string(n) + "\n" + (driver == "zLD" ? "CompressType=ZIP\n" : ""));
    }
    Write(root / "bible.imp",
          "$$$Gen 1:1\nIn the beginning God created the heaven and the earth.\n");
    for (int n = 0; n < 5 && made; ++n) {
      const std::string name = "Bible" + std::to_string(n);
      const std::string relative = "modules/texts/" + name + "/";
      fs::create_directories(sword / relative);
      std::string command = "imp2vs " + (root / "bible.imp").string() + " -o " +
                            (sword / relative).string() + " >/dev/null 2>&1";
      made = std::system(command.c_str()) == 0;
      Write(sword / "mods.d" / (name + ".conf"), "[" + name + "]\nDataPath=./" + relative +
                                                     "\nModDrv=RawText\nEncoding=UTF-8\n"
                                                     "Lang=en\nDescription=Bible number " +
                                                     std::to_string(n) + "\n");
    }
  }
  static void Write(const fs::path &path, const std::string &text) {
    if (FILE *file = std::fopen(path.c_str(), "wb")) {
      std::fwrite(text.data(), 1, text.size(), file);
      std::fclose(file);
    }
  }
};

// Selwarth with the library beside Selwarth without it. The figure that
// counts is the counter "ratio": the median with the library over the median
// without.
void BM_StartupQtWithSwordLibraryBesideNone(benchmark::State &state) {
  static SwordHomes homes;
  const std::string selwarth = Built("startup_probe");
  if (!fs::exists(selwarth) || !homes.made) {
    state.SkipWithError("the Qt probe is not built, or imp2ld and imp2vs failed");
    return;
  }
  auto with = Offscreen, without = Offscreen;
  with["HOME"] = homes.library.string();
  without["HOME"] = homes.empty.string();
  StartInTurn(
      state, [&] { return Run(selwarth, FirstPaint, with); }, "library_ms",
      [&] { return Run(selwarth, FirstPaint, without); }, "none_ms");
}
BENCHMARK(BM_StartupQtWithSwordLibraryBesideNone)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

// The time includes the two seconds of idling; the figure that counts is
// peak_rss_MiB.
void BM_IdleMemoryQt(benchmark::State &state) {
  Measure(state, Built("startup_probe"), {"qt", "2000"}, Offscreen);
}
BENCHMARK(BM_IdleMemoryQt)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QxpToday(benchmark::State &state) {
  Measure(state, Built("qxp"), {"today", "--utf8"});
}
BENCHMARK(BM_QxpToday)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Fortune(benchmark::State &state) {
  Measure(state, "/usr/games/fortune", {});
}
BENCHMARK(BM_Fortune)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Verse(benchmark::State &state) {
  Measure(state, "/usr/bin/verse", {});
}
BENCHMARK(BM_Verse)->UseManualTime()->Unit(benchmark::kMillisecond);

// qxp today, verse and a C++ program that does nothing, turn about, so that
// all meet the same machine: the time is qxp's, the counters say how it
// compares (qxp_vs_verse at most 1 means no slower; minimal_cxx_vs_verse is
// what loading libstdc++ alone costs against verse).
void BM_QxpTodayBesideVerse(benchmark::State &state) {
  const std::string verse = "/usr/bin/verse";
  if (!fs::exists(verse)) {
    state.SkipWithError("verse is not installed (Debian package verse)");
    return;
  }
  double qxpSeconds = 0;
  double verseSeconds = 0;
  double floorSeconds = 0;
  for (auto _ : state) {
    Finished qxp = Run(Built("qxp"), {"today", "--utf8"});
    Finished other = Run(verse, {});
    Finished floor = Run(Built("minimal_cxx_probe"), {});
    if (qxp.status != 0 || other.status != 0 || floor.status != 0) {
      state.SkipWithError("qxp today, verse or minimal_cxx_probe failed");
      return;
    }
    state.SetIterationTime(qxp.seconds);
    qxpSeconds += qxp.seconds;
    verseSeconds += other.seconds;
    floorSeconds += floor.seconds;
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["qxp_ms"] = qxpSeconds / runs * 1000.0;
  state.counters["verse_ms"] = verseSeconds / runs * 1000.0;
  state.counters["minimal_cxx_ms"] = floorSeconds / runs * 1000.0;
  state.counters["qxp_vs_verse"] = qxpSeconds / verseSeconds;
  state.counters["minimal_cxx_vs_verse"] = floorSeconds / verseSeconds;
  state.counters["qxp_vs_minimal_cxx"] = qxpSeconds / floorSeconds;
}
BENCHMARK(BM_QxpTodayBesideVerse)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace
