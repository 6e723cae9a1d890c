#include "content/day_load.h"

#include <string>
#include <vector>

#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/marquee_export.h"
#include "content/package_font_settings.h"
#include "content/package_reader.h"
#include "content/settings.h"
#include "content/text_export.h"
#include "platform/file_search.h"
#include "platform/profile.h"
#include "platform/translatable.h"

namespace {

constexpr std::size_t LongestFileName = 100;

// SELWARTH.TXT could not be made or written, for the reason given.
DayLoadProblem TextNotSaved(const std::string &reason) {
  return {DayLoadProblem::Kind::TextNotSaved,
          std::string("The daily text could not be saved to ") + TextExportFile + ": " + reason +
              ".",
          TR_NOOP("Messages", "Unable to Comply"), reason};
}

std::unique_ptr<TDayEntry> ReadEntry(const Settings &settings, const std::string &fileName,
                                     const DayChoice &day, TextExport *exportFile,
                                     bool &hasAnswer) {
  auto entry = std::make_unique<TDayEntry>();
  hasAnswer = ReadPackageEntry(fileName, day, *entry, entry->Marker, entry->Trailer, entry->Title,
                               exportFile);
  if (entry->Text.empty())
    return nullptr;
  entry->FontName = PackageFontName(settings, fileName);
  entry->FontSize = static_cast<std::int16_t>(PackageFontSize(settings, fileName));
  entry->FileName = platform::LowerCaseName(fileName);
  return entry;
}

} // namespace

LoadedDay LoadDay(const Settings &settings, DayState &dayState, const std::tm &localTime,
                  const TDayLoadOptions &options) {
  LoadedDay load;
  std::vector<std::string> files = platform::FindFiles("*.QXP");
  if (files.empty()) {
    load.Problems.push_back(
        {DayLoadProblem::Kind::NoPackages,
         TR_NOOP("Messages", "No package files were found in the current directory."),
         TR_NOOP("Messages", "Uh oh...")});
    return load;
  }

  // One look at the settings file for all the packages' font keys.
  platform::ProfileReadBatch settingsBatch;
  ChooseDayIndex(settings, dayState, localTime, options.ReadOnly);
  const DayChoice day = CurrentDayChoice(settings, dayState);

  TextExport textFile;
  TextExport *exportFile = nullptr;
  if (settings.SaveFile != 0 && options.ReadOnly) {
    exportFile = options.Export;
  } else if (settings.SaveFile != 0) {
    if (platform::Result<void> created = textFile.Create(TextExportFile); !created)
      load.Problems.push_back(TextNotSaved(created.error()));
    if (textFile.IsOpen())
      exportFile = &textFile;
  }

  std::unique_ptr<TDayEntry> *tail = &load.Entries;
  for (const std::string &fileName : files) {
    // A name too long for the entry's field is passed over.
    if (fileName.size() > LongestFileName)
      continue;
    bool hasAnswer = false;
    std::unique_ptr<TDayEntry> entry = ReadEntry(settings, fileName, day, exportFile, hasAnswer);
    if (!entry)
      continue;
    ++load.Shown;
    load.HasAnswers = load.HasAnswers || hasAnswer;
    if (settings.ScreenSaver != 0 && !options.ReadOnly &&
        entry->FileName == settings.SaverPackage) {
      // The screen saver keeps the text it had; the day shows all the same.
      if (platform::Result<void> written = WriteMarqueeText(*entry); !written)
        load.Problems.push_back(
            {DayLoadProblem::Kind::MarqueeNotSaved,
             "The screen saver text could not be saved: " + written.error() + ".",
             TR_NOOP("Messages", "Unable to Comply"), written.error()});
    }
    if (options.EachEntry)
      options.EachEntry(*entry, day);
    if (!options.KeepEntries)
      continue;
    *tail = std::move(entry);
    tail = &(*tail)->Next;
  }
  // A full disk shows only now: the file lacks some or all of the text.
  if (platform::Result<void> closed = textFile.Close(); !closed)
    load.Problems.push_back(TextNotSaved(closed.error()));
  return load;
}
