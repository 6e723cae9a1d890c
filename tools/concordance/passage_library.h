#pragma once

// Passages from the SWORD Bible modules installed on the system, read
// through the Scripture layer as the program reads them. The library's
// module list is read once, on the first look-up, and each Bible is opened
// once.

#include <memory>
#include <optional>
#include <string>

#include "passage.h"
#include "reference.h"

namespace concordance {

class PassageLibrary {
public:
  // At most this many verses are read for one passage ("Psalms" alone
  // would be 2,461).
  static constexpr std::size_t MaxVerses = 500;

  PassageLibrary();
  ~PassageLibrary();
  PassageLibrary(const PassageLibrary &) = delete;
  PassageLibrary &operator=(const PassageLibrary &) = delete;

  // False when the SWORD library cannot be loaded (not built, not there).
  static bool Available();

  // The passage from the Bible text module of the translation: the module
  // of that name, else the one module of that abbreviation, else the first
  // whose name contains it ("KJV" finds engKJV2006eb), without regard to
  // case.
  // nullopt when there is no such module or the module does not know the
  // reference.
  std::optional<Passage> LookUp(const std::string &translation, const Reference &reference);

private:
  struct Modules;
  std::unique_ptr<Modules> modules_;
};

} // namespace concordance
