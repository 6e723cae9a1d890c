#include "scripture/devotional_reader.h"

#include <array>

#include "platform/ascii.h"
#include "platform/profile_parse.h"
#include "platform/regular_file.h"
#include "scripture/byte_source.h"
#include "scripture/markup_text.h"
#include "scripture/sword_dictionary.h"
#include "scripture/sword_modules.h"

namespace {

using platform::Failure;

std::string TwoDigits(int value) {
  return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

std::optional<TDictionaryDriver> DriverOf(std::string_view driver) {
  if (platform::SameAscii(driver, "RawLD"))
    return TDictionaryDriver::RawLD;
  if (platform::SameAscii(driver, "RawLD4"))
    return TDictionaryDriver::RawLD4;
  if (platform::SameAscii(driver, "zLD"))
    return TDictionaryDriver::zLD;
  return std::nullopt;
}

std::string BaseName(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A module's file open for reading, only when it is a regular file.
struct OpenedFile {
  platform::RegularFile file;
  std::optional<TFileSource> source;
};

platform::Result<void> Open(const TSwordModule &module, const char *suffix, OpenedFile &opened,
                            TDictionaryFile &file) {
  const std::string path = module.dataPath + suffix;
  file.name = BaseName(path);
  platform::Result<platform::RegularFile> regular = platform::OpenRegularFile(path);
  if (!regular)
    return Failure("The file " + file.name + " of " + module.name +
                   " cannot be read: " + regular.error() + ".");
  opened.file = std::move(*regular);
  opened.source.emplace(opened.file);
  file.bytes = &*opened.source;
  return {};
}

} // namespace

std::string DevotionalKey(int month, int day) {
  return TwoDigits(month) + "." + TwoDigits(day);
}

std::vector<std::string> DevotionalParagraphs(std::string_view stored, const TSwordModule &module) {
  const std::string text = IsUtf8Module(module) ? std::string(stored) : Latin1ToUtf8(stored);
  std::vector<std::string> paragraphs;
  // The day's window shows plain text: the runs' italics go.
  for (const TRuns &runs : MarkupLines(text, MarkupOf(platform::TrimBlanks(module.sourceType)))) {
    std::string paragraph;
    for (const TDocumentRun &run : runs)
      paragraph += run.text;
    if (!paragraph.empty())
      paragraphs.push_back(std::move(paragraph));
  }
  return paragraphs;
}

platform::Result<std::optional<TDevotionalEntry>> ReadDevotionalEntry(const TSwordModule &module,
                                                                      std::string_view key) {
  if (module.dataPath.empty())
    return Failure("The module " + module.name +
                   " has no DataPath inside its library, so its files are not read.");
  // A locked module's text is enciphered: read as it is, it would be junk.
  if (module.enciphered)
    return Failure("The module " + module.name +
                   " is enciphered (a locked module), which this program does not read.");
  const std::optional<TDictionaryDriver> driver = DriverOf(platform::TrimBlanks(module.driver));
  if (!driver)
    return Failure("The module " + module.name + " is no dictionary of days (its ModDrv is " +
                   module.driver + ").");
  const bool blocks = *driver == TDictionaryDriver::zLD;
  TDictionaryFiles files;
  if (blocks) {
    // libsword takes a zLD module without a CompressType for LZSS.
    std::string_view compression = platform::TrimBlanks(module.compressType);
    if (compression.empty() || platform::SameAscii(compression, "LZSS"))
      files.compression = TBlockCompression::Lzss;
    else if (!platform::SameAscii(compression, "ZIP"))
      return Failure("The module " + module.name +
                     " is compressed in a way this program does not read (" +
                     std::string(compression) + ").");
  }
  files.module = module.name;
  files.driver = *driver;
  std::array<OpenedFile, 4> opened;
  const struct {
    const char *suffix;
    TDictionaryFile *file;
  } parts[] = {{".idx", &files.index},
               {".dat", &files.text},
               {".zdx", &files.blockIndex},
               {".zdt", &files.blocks}};
  for (std::size_t i = 0; i < (blocks ? 4u : 2u); ++i)
    if (platform::Result<void> made = Open(module, parts[i].suffix, opened[i], *parts[i].file);
        !made)
      return Failure(made.error());

  platform::Result<std::optional<std::string>> stored = ReadDictionaryText(files, key);
  if (!stored)
    return Failure(stored.error());
  if (!*stored)
    return std::optional<TDevotionalEntry>();
  TDevotionalEntry entry{DevotionalParagraphs(**stored, module)};
  if (entry.paragraphs.empty())
    return std::optional<TDevotionalEntry>();
  return std::optional<TDevotionalEntry>(std::move(entry));
}
