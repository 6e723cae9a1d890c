// Laying out and painting a day of 50 entries of 1,000 characters each, as
// every paint does (nothing is cached between paints): on the headless
// backend's device context, and with QPainter into an offscreen image when
// the Qt backend is built.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "content/day_entries.h"
#include "content/settings.h"
#include "framework/headless/headless_dc.h"
#include "view/verse_painter.h"

#ifdef SELWARTH_BENCH_QT
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "framework/qt/qt_dc.h"
#endif

namespace {

std::unique_ptr<TDayEntry> DayOf50Entries() {
  const std::string words = "And God said, Let there be light: and there was light. ";
  std::unique_ptr<TDayEntry> first;
  TDayEntry *last = nullptr;
  for (int i = 0; i < 50; ++i) {
    auto entry = std::make_unique<TDayEntry>();
    entry->Title = "Package " + std::to_string(i);
    std::string body;
    while (body.size() < 1000)
      body += words;
    body.resize(1000);
    // Pieces of at most 255 bytes, as a package stores them.
    entry->Text = body.substr(0, 250);
    TTextPiece *piece = entry.get();
    for (std::size_t at = 250; at < body.size(); at += 250) {
      piece->NextPiece = std::make_unique<TTextPiece>(body.substr(at, 250));
      piece = piece->NextPiece.get();
    }
    entry->Marker = i % 2 == 0 ? '-' : '\\';
    entry->Trailer = "- Genesis 1:3";
    entry->FontName = "DejaVu Serif";
    entry->FontSize = 17;
    TDayEntry *raw = entry.get();
    if (last == nullptr)
      first = std::move(entry);
    else
      last->Next = std::move(entry);
    last = raw;
  }
  return first;
}

void BM_PaintDayHeadless(benchmark::State &state) {
  ResetSettingsToDefaults();
  auto day = DayOf50Entries();
  for (auto _ : state) {
    HeadlessDC dc;
    PaintDayEntries(dc, TRect{0, 0, 800, 600}, day.get());
    benchmark::DoNotOptimize(dc.Drawn().size());
  }
}
BENCHMARK(BM_PaintDayHeadless)->Unit(benchmark::kMillisecond);

#ifdef SELWARTH_BENCH_QT
void BM_PaintDayQt(benchmark::State &state) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "bench";
  static char *argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  ResetSettingsToDefaults();
  auto day = DayOf50Entries();
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDC dc(painter);
    PaintDayEntries(dc, TRect{0, 0, 800, 600}, day.get());
  }
}
BENCHMARK(BM_PaintDayQt)->Unit(benchmark::kMillisecond);
#endif

} // namespace
