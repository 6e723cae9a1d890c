// Built without the SWORD library: there are no modules to read.

#include "passage_library.h"

namespace concordance {

struct PassageLibrary::Modules {};

PassageLibrary::PassageLibrary() = default;
PassageLibrary::~PassageLibrary() = default;

bool PassageLibrary::Available() {
  return false;
}

std::optional<Passage> PassageLibrary::LookUp(const std::string &, const Reference &) {
  return std::nullopt;
}

} // namespace concordance
