// Copy Text as the user gives it: Ctrl+C on the main window, through the
// accelerator table and the command's row to the clipboard, with the five
// sample packages' day loaded. Each iteration is one key press.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "app/verse_window.h"
#include "framework/accelerator.h"
#include "framework/frame_window.h"
#include "framework/headless/headless_backend.h"

namespace {

namespace fs = std::filesystem;

void BM_CopyTextByKey(benchmark::State &state) {
  fs::path root = fs::temp_directory_path() / ("selwarth-copy-" + std::to_string(getpid()));
  fs::create_directories(root / "packages");
  fs::create_directories(root / "config");
  for (const auto &entry : fs::directory_iterator(SELWARTH_BENCH_SAMPLES))
    fs::copy_file(entry.path(), root / "packages" / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
  setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
  fs::path previous = fs::current_path();
  fs::current_path(root / "packages");

  std::size_t copied = 0;
  {
    HeadlessBackend backend;
    backend.Then([&] {
      TFrameWindow &frame = *TheApplication()->GetMainWindow();
      for (auto _ : state) {
        backend.PressKey(frame, TKeyPress{'C', 3, true});
        copied = backend.ClipboardText().size();
      }
      frame.CloseWindow();
    });
    TProgram program;
    TQXApp app(program);
    app.Run();
  }
  state.counters["bytes_copied"] = static_cast<double>(copied);
  if (copied == 0)
    state.SkipWithError("nothing was copied");

  fs::current_path(previous);
  fs::remove_all(root);
}
BENCHMARK(BM_CopyTextByKey)->Unit(benchmark::kMicrosecond);

} // namespace
