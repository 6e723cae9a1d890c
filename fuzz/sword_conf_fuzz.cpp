// Feeds arbitrary text to the readers of the SWORD library's configuration
// files (a module's conf comes from module packages and downloads, the
// system's sword.conf from its administrator). A module it accepts has a
// name that is one word without a '/', fields of printable ASCII within
// their length (the description well-formed UTF-8 of at most 60 characters
// without control characters), files inside its library root, and is found again by its
// name and its abbreviation; every root a sword.conf names is absolute.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/utf8.h"
#include "scripture/sword_conf.h"
#include "scripture/sword_library.h"
#include "scripture/sword_modules.h"

namespace {

void Require(bool condition) {
  if (!condition)
    __builtin_trap();
}

bool Printable(const std::string &text) {
  for (char c : text)
    if (c < ' ' || c > '~')
      return false;
  return text.size() <= 60;
}

bool Readable(const std::string &text) {
  if (!platform::IsUtf8(text))
    return false;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++characters) {
    const char32_t c = *platform::NextUtf8(text, at);
    if (c < U' ' || c == U'\x7F' || (c >= U'\x80' && c < U'\xA0'))
      return false;
  }
  return characters <= 60;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char *>(data), size);
  if (std::optional<TSwordModule> module = ReadSwordModuleConf(text, "/lib")) {
    Require(!module->name.empty() && module->name.find_first_of("/ ") == std::string::npos);
    Require(!module->abbreviation.empty() && module->abbreviation.find('/') == std::string::npos);
    Require(Printable(module->name) && Printable(module->abbreviation) &&
            Readable(module->description) && Printable(module->language));
    Require(module->dataPath.empty() || (module->dataPath.starts_with("/lib/") &&
                                         module->dataPath.find("/../") == std::string::npos &&
                                         !module->dataPath.ends_with("/..")));
    std::vector<TSwordModule> modules = {*module};
    Require(FindModule(modules, module->name) == &modules[0]);
    Require(FindModule(modules, module->abbreviation) == &modules[0]);
  }
  std::vector<TConfSection> sections = ReadConfSections(text);
  Require(sections.size() <= SectionLimit);
  for (const TConfSection &section : sections) {
    Require(section.entries.size() <= EntryLimit);
    for (const auto &[key, value] : section.entries)
      Require(value.size() <= ValueLimit);
  }
  for (const std::string &root : SystemConfRoots(text))
    Require(root.starts_with('/') && (root.size() == 1 || !root.ends_with('/')));
  return 0;
}
