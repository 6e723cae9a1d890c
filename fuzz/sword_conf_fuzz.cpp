// Feeds arbitrary text to the reader of a SWORD module's configuration file
// (the files come from module packages and downloads). A module it accepts
// has a name that is one word without a '/', fields of printable ASCII within
// their length, and is found again by its name and its abbreviation.

#include <cstdint>
#include <string_view>
#include <vector>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char *>(data), size);
  if (std::optional<TSwordModule> module = ReadSwordModuleConf(text)) {
    Require(!module->name.empty() && module->name.find_first_of("/ ") == std::string::npos);
    Require(!module->abbreviation.empty() && module->abbreviation.find('/') == std::string::npos);
    Require(Printable(module->name) && Printable(module->abbreviation) &&
            Printable(module->description));
    std::vector<TSwordModule> modules = {*module};
    Require(FindModule(modules, module->name) == &modules[0]);
    Require(FindModule(modules, module->abbreviation) == &modules[0]);
  }
  return 0;
}
