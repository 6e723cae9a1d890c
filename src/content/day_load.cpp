#include "content/day_load.h"

#include <cstring>
#include <string>
#include <vector>

#include "content/day_entries.h"
#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/marquee_export.h"
#include "content/package_font_settings.h"
#include "content/package_reader.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/text_export.h"
#include "content/today_text.h"
#include "framework/message_box.h"
#include "platform/clock.h"
#include "platform/file_search.h"
#include "platform/profile.h"

namespace {

constexpr std::size_t LongestFileName = 100;

// The local time the Date method counts from: the one the date text was
// last built from, or now when there is none yet (a tool without a window).
const std::tm &LoadTime() {
  if (LocalTimeNow == nullptr)
    BuildTodayText();
  return *LocalTimeNow;
}

// Says that SELWARTH.TXT could not be made or written (errno says why): once
// in a run, not at every load.
void TellTextExportFailure(TWindow *owner) {
  if (TextExportFailureTold)
    return;
  TextExportFailureTold = true;
  std::string text = std::string("The daily text could not be saved to ") + TextExportFile + ": " +
                     std::strerror(errno) + ".";
  MessageBox(owner, text, "Unable to Comply", MB_OK | MB_ICONEXCLAMATION);
}

std::unique_ptr<TDayEntry> ReadEntry(const std::string &fileName, TextExport *exportFile) {
  auto entry = std::make_unique<TDayEntry>();
  ReadPackageEntry(fileName, *entry, entry->Marker, entry->Trailer, entry->Title, exportFile);
  if (entry->Text.empty())
    return nullptr;
  std::string lower = platform::LowerCaseName(fileName);
  entry->FontName = PackageFontName(lower);
  entry->FontSize = static_cast<std::int16_t>(PackageFontSize(lower));
  entry->FileName = std::move(lower);
  return entry;
}

} // namespace

void LoadDay(TWindow *owner, const TDayLoadOptions &options) {
  ShowAnswers = false;
  HasAnswers = false;
  FreeDayEntries(DayEntries);

  std::vector<std::string> files = platform::FindFiles("*.QXP");
  if (files.empty()) {
    MessageBox(owner, "No package files were found in the current directory.", "Uh oh...", MB_OK);
    return;
  }

  // One look at the settings file for all the packages' font keys.
  platform::ProfileReadBatch settingsBatch;
  ChooseDayIndex(LoadTime(), options.ReadOnly);

  TextExport textFile;
  TextExport *exportFile = nullptr;
  if (SaveFile != 0 && options.ReadOnly) {
    exportFile = options.Export;
  } else if (SaveFile != 0) {
    if (!textFile.Create(TextExportFile))
      TellTextExportFailure(owner);
    if (textFile.IsOpen())
      exportFile = &textFile;
  }

  std::unique_ptr<TDayEntry> *tail = &DayEntries;
  for (const std::string &fileName : files) {
    // A name too long for the entry's field is passed over.
    if (fileName.size() > LongestFileName)
      continue;
    std::unique_ptr<TDayEntry> entry = ReadEntry(fileName, exportFile);
    if (!entry)
      continue;
    if (ScreenSaver != 0 && !options.ReadOnly && entry->FileName == SaverPackage)
      WriteMarqueeText(*entry);
    *tail = std::move(entry);
    tail = &(*tail)->Next;
  }
  // A full disk shows only now: the file lacks some or all of the text.
  if (!textFile.Close())
    TellTextExportFailure(owner);
}
