#include "content/day_load.h"

#include <string>
#include <vector>

#include "content/day_selection.h"
#include "content/day_sources.h"
#include "content/day_state.h"
#include "content/devotional_entry.h"
#include "content/marquee_export.h"
#include "content/package_font_settings.h"
#include "content/package_reader.h"
#include "content/settings.h"
#include "content/text_export.h"
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

std::unique_ptr<TDayEntry> ReadPackage(const TDaySource &source, const DayChoice &day,
                                       TextExport *exportFile, bool &hasAnswer) {
  auto entry = std::make_unique<TDayEntry>();
  hasAnswer = ReadPackageEntry(source.name, day, *entry, entry->Marker, entry->Trailer,
                               entry->Title, exportFile);
  if (entry->Text.empty())
    return nullptr;
  entry->Kinds = PackageEntryKinds(entry->Title);
  entry->FileName = source.key;
  return entry;
}

// A devotional that cannot be read shows nothing; the load says why among
// its skipped sources.
std::unique_ptr<TDayEntry> ReadDevotional(const TDaySource &source, DevotionalDay date,
                                          TextExport *exportFile,
                                          std::vector<std::string> &skipped) {
  platform::Result<std::unique_ptr<TDayEntry>> read = ReadDevotionalDay(source, date);
  if (!read) {
    skipped.push_back(read.error());
    return nullptr;
  }
  std::unique_ptr<TDayEntry> entry = std::move(*read);
  if (entry && exportFile != nullptr)
    exportFile->AppendEntry(entry->Title, *entry, entry->Marker, entry->Trailer);
  return entry;
}

} // namespace

LoadedDay LoadDay(const Settings &settings, DayState &dayState, const std::tm &localTime,
                  const TDayLoadOptions &options) {
  LoadedDay load;
  // One look at the settings file for all the sources' switches and font
  // keys.
  platform::ProfileReadBatch settingsBatch;
  const std::vector<TDaySource> sources = DaySources(false);
  if (sources.empty()) {
    load.Problems.push_back(
        {DayLoadProblem::Kind::NoPackages,
         TR_NOOP("Messages", "No package files were found in the current directory."),
         TR_NOOP("Messages", "Uh oh...")});
    return load;
  }

  ChooseDayIndex(settings, dayState, localTime, options.ReadOnly);
  const DayChoice day = CurrentDayChoice(settings, dayState);
  const DevotionalDay devotionalDay = DevotionalDayOf(day, localTime, dayState.DayOffset);

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
  for (const TDaySource &source : sources) {
    // A name too long for the entry's field is passed over.
    if (source.name.size() > LongestFileName)
      continue;
    bool hasAnswer = false;
    std::unique_ptr<TDayEntry> entry =
        source.kind == TSourceKind::Package
            ? ReadPackage(source, day, exportFile, hasAnswer)
            : ReadDevotional(source, devotionalDay, exportFile, load.SkippedSources);
    if (!entry)
      continue;
    entry->FontName = PackageFontName(settings, source.key);
    entry->FontSize = static_cast<std::int16_t>(PackageFontSize(settings, source.key));
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
