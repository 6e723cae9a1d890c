#include "scripture/sword_dictionary_reads.h"

#include "scripture/byte_source.h"
#include "scripture/devotional_reader.h"
#include "scripture/sword_dictionary.h"

using platform::Failure;

std::string AboutFile(const TDictionaryFiles &files, const TDictionaryFile &file,
                      std::string_view what) {
  return "The " + std::string(what) + " " + file.name + " of " + files.module + " ";
}

platform::Result<std::string> ReadRange(const TDictionaryFiles &files, const TDictionaryFile &file,
                                        std::uint64_t offset, std::uint64_t count) {
  std::string bytes(static_cast<std::size_t>(count), '\0');
  if (!file.bytes->Read(offset, bytes.size(), bytes.data()))
    return Failure("The file " + file.name + " of " + files.module +
                   " cannot be read: it is shorter than when it was opened, or unreadable.");
  return bytes;
}

platform::Result<std::uint64_t> IndexEntries(const TDictionaryFiles &files,
                                             const TDictionaryFile &index, std::string_view what,
                                             unsigned entrySize) {
  const std::uint64_t size = index.bytes->Size();
  if (size > DevotionalIndexLimit)
    return Failure(AboutFile(files, index, what) + "is too large to be a dictionary's (more than " +
                   std::to_string(DevotionalIndexLimit >> 20) + " MiB).");
  // libsword writes whole entries only: a part of one is a file cut short.
  if (size % entrySize != 0)
    return Failure(AboutFile(files, index, what) + "is cut short.");
  return size / entrySize;
}
