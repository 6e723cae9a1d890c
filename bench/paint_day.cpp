// Laying out and painting a day of 50 entries of 1,000 characters each: on
// the headless backend's device context, and with QPainter into an offscreen
// image of 800 x 600 pixels when the Qt backend is built. Three kinds of
// paint:
//  - PaintDay: everything laid out and drawn, nothing kept (the layout alone);
//  - LayOutAndPaintDay: the verse window's first paint after a change of
//    width, day or fonts: laid out afresh, the window's rows drawn;
//  - RepaintDay: a scroll or an expose: the kept drawing drawn again at
//    another scroll position.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "content/day_entries.h"
#include "content/settings.h"
#include "framework/headless/headless_dc.h"
#include "view/verse_painter.h"
#include "view/verse_picture.h"

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
  const Settings settings; // at their defaults
  auto day = DayOf50Entries();
  for (auto _ : state) {
    HeadlessDC dc;
    PaintDayEntries(dc, settings, TRect{0, 0, 800, 600}, day.get(), false);
    benchmark::DoNotOptimize(dc.Drawn().size());
  }
}
BENCHMARK(BM_PaintDayHeadless)->Unit(benchmark::kMillisecond);

#ifdef SELWARTH_BENCH_QT
// The one application of the process, made on first use.
void EnsureQtApp() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "bench";
  static char *argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

void BM_PaintDayQt(benchmark::State &state) {
  EnsureQtApp();
  const Settings settings; // at their defaults
  auto day = DayOf50Entries();
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDC dc(painter);
    PaintDayEntries(dc, settings, TRect{0, 0, 800, 600}, day.get(), false);
  }
}
BENCHMARK(BM_PaintDayQt)->Unit(benchmark::kMillisecond);

// The window's rows at the scroll position of the iteration: a step of 100
// pixels further each time, through the whole day.
TRows RowsAt(int step) {
  int top = (step % 100) * 100;
  return TRows{top, top + 600};
}

void BM_LayOutAndPaintDayQt(benchmark::State &state) {
  EnsureQtApp();
  const Settings settings; // at their defaults
  auto day = DayOf50Entries();
  QImage image(800, 600, QImage::Format_RGB32);
  int step = 0;
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDC dc(painter);
    TVersePicture picture;
    picture.Paint(dc, settings, TRect{0, 0, 800, 600}, RowsAt(step++), day.get(), false);
  }
}
BENCHMARK(BM_LayOutAndPaintDayQt)->Unit(benchmark::kMillisecond);

void BM_RepaintDayQt(benchmark::State &state) {
  EnsureQtApp();
  const Settings settings; // at their defaults
  auto day = DayOf50Entries();
  QImage image(800, 600, QImage::Format_RGB32);
  TVersePicture picture;
  {
    QPainter painter(&image);
    QtDC dc(painter);
    picture.Paint(dc, settings, TRect{0, 0, 800, 600}, RowsAt(0), day.get(), false);
  }
  int step = 1;
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDC dc(painter);
    picture.Paint(dc, settings, TRect{0, 0, 800, 600}, RowsAt(step++), day.get(), false);
  }
  if (picture.LaidOut())
    state.SkipWithError("the day was laid out again");
}
BENCHMARK(BM_RepaintDayQt)->Unit(benchmark::kMillisecond);
#endif

} // namespace
