#include "scripture/bible_files.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/ascii.h"
#include "platform/little_endian.h"
#include "platform/regular_file.h"
#include "scripture/sword_modules.h"

namespace {

using platform::Failure;
using Checked = platform::Result<void>;

// A file of the module, opened without waiting: nullopt when it is not
// there at all (a Bible may lack a testament).
struct ModuleFile {
  std::string name; // as told: "ot.bzv"
  platform::RegularFile file;
};

platform::Result<std::optional<ModuleFile>> OpenPart(const TSwordModule &module,
                                                     const std::string &name) {
  const std::string path = module.dataPath + "/" + name;
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 && errno == ENOENT)
    return std::optional<ModuleFile>();
  platform::Result<platform::RegularFile> file = platform::OpenRegularFile(path);
  if (!file)
    return Failure("The file " + name + " of " + module.name + " cannot be read: " + file.error());
  return std::optional<ModuleFile>(ModuleFile{name, std::move(*file)});
}

// The whole of an index file.
platform::Result<std::vector<unsigned char>> ReadIndex(const TSwordModule &module,
                                                       const ModuleFile &part, unsigned entry) {
  if (part.file.Size() > IndexLimit)
    return Failure("The index " + part.name + " of " + module.name + " is too large.");
  std::vector<unsigned char> bytes(part.file.Size());
  std::size_t have = 0;
  while (have < bytes.size()) {
    ssize_t got =
        pread(part.file.Fd(), bytes.data() + have, bytes.size() - have, static_cast<off_t>(have));
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      return Failure("The index " + part.name + " of " + module.name +
                     " cannot be read: " + (got < 0 ? std::strerror(errno) : "it got shorter"));
    have += static_cast<std::size_t>(got);
  }
  bytes.resize(bytes.size() / entry * entry); // libsword reads whole entries only
  return bytes;
}

Checked PastItsData(const TSwordModule &module, const ModuleFile &index) {
  return Failure("The index " + index.name + " of " + module.name + " points past its text.");
}

// A compressed testament: blocks (.bzs: offset, size, size uncompressed)
// in the text (.bzz), verses (.bzv: block, offset, size) in the blocks.
Checked CheckCompressed(const TSwordModule &module, const std::string &testament,
                        int verseSizeBytes) {
  platform::Result<std::optional<ModuleFile>> blocks = OpenPart(module, testament + ".bzs");
  platform::Result<std::optional<ModuleFile>> verses = OpenPart(module, testament + ".bzv");
  platform::Result<std::optional<ModuleFile>> text = OpenPart(module, testament + ".bzz");
  for (const auto *part : {&blocks, &verses, &text})
    if (!*part)
      return Failure(part->error());
  if (!*blocks && !*verses && !*text)
    return {};
  for (const auto *part : {&blocks, &verses, &text})
    if (!**part)
      return Failure("The testament " + testament + " of " + module.name + " lacks a file.");
  auto blockIndex = ReadIndex(module, **blocks, 12);
  if (!blockIndex)
    return Failure(blockIndex.error());
  std::vector<std::uint64_t> unpacked;
  for (std::size_t at = 0; at < blockIndex->size(); at += 12) {
    const unsigned char *entry = blockIndex->data() + at;
    std::uint64_t offset = platform::LittleEndian(entry, 4),
                  size = platform::LittleEndian(entry + 4, 4);
    std::uint64_t ucsize = platform::LittleEndian(entry + 8, 4);
    if (offset + size > (*text)->file.Size())
      return PastItsData(module, **blocks);
    if (ucsize > BlockLimit)
      return Failure("The index " + (*blocks)->name + " of " + module.name +
                     " claims a block too large to read.");
    unpacked.push_back(ucsize);
  }
  const unsigned entrySize = 8 + static_cast<unsigned>(verseSizeBytes);
  auto verseIndex = ReadIndex(module, **verses, entrySize);
  if (!verseIndex)
    return Failure(verseIndex.error());
  for (std::size_t at = 0; at < verseIndex->size(); at += entrySize) {
    const unsigned char *entry = verseIndex->data() + at;
    std::uint64_t block = platform::LittleEndian(entry, 4),
                  offset = platform::LittleEndian(entry + 4, 4);
    std::uint64_t size = platform::LittleEndian(entry + 8, verseSizeBytes);
    if (size != 0 && (block >= unpacked.size() || offset + size > unpacked[block]))
      return PastItsData(module, **verses);
  }
  return {};
}

// An uncompressed testament: verses (.vss: offset, size) in the text.
Checked CheckRaw(const TSwordModule &module, const std::string &testament, int verseSizeBytes) {
  platform::Result<std::optional<ModuleFile>> verses = OpenPart(module, testament + ".vss");
  platform::Result<std::optional<ModuleFile>> text = OpenPart(module, testament);
  for (const auto *part : {&verses, &text})
    if (!*part)
      return Failure(part->error());
  if (!*verses && !*text)
    return {};
  if (!*verses || !*text)
    return Failure("The testament " + testament + " of " + module.name + " lacks a file.");
  const unsigned entrySize = 4 + static_cast<unsigned>(verseSizeBytes);
  auto verseIndex = ReadIndex(module, **verses, entrySize);
  if (!verseIndex)
    return Failure(verseIndex.error());
  for (std::size_t at = 0; at < verseIndex->size(); at += entrySize) {
    const unsigned char *entry = verseIndex->data() + at;
    if (platform::LittleEndian(entry, 4) + platform::LittleEndian(entry + 4, verseSizeBytes) >
        (*text)->file.Size())
      return PastItsData(module, **verses);
  }
  return {};
}

} // namespace

platform::Result<void> CheckBibleFiles(const TSwordModule &module) {
  if (module.dataPath.empty())
    return Failure("The module " + module.name +
                   " has no DataPath inside its library, so its files are not read.");
  struct stat folder {};
  if (stat(module.dataPath.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
    return Failure("The files of " + module.name + " are not where its DataPath says.");
  const std::string &driver = module.driver;
  const bool compressed =
      platform::SameAscii(driver, "zText") || platform::SameAscii(driver, "zText4");
  const int sizeBytes = driver.ends_with('4') ? 4 : 2;
  for (const char *testament : {"ot", "nt"}) {
    Checked checked = compressed ? CheckCompressed(module, testament, sizeBytes)
                                 : CheckRaw(module, testament, sizeBytes);
    if (!checked)
      return checked;
  }
  return {};
}
