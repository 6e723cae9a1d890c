#pragma once

// Judges a package file as the program would read it and names every fault:
// the header's fields, the slot offsets, the pieces of every slot, the
// trailers and the description. Faults are what the program refuses (it
// shows no entry of a damaged package); warnings are what it reads but
// shows otherwise than the author surely meant.

#include <optional>
#include <string>
#include <vector>

#include "qxp/package_content.h"
#include "qxp/package_image.h"

namespace qxp {

struct CheckReport {
  std::vector<std::string> faults;       // each names the field and the slot
  std::vector<std::string> warnings;     // as the faults
  std::optional<PackageContent> content; // what the package holds, when sound
                                         // (warnings or not)
  int entries = 0;                       // slots with something to show

  bool Sound() const { return faults.empty(); }
};

CheckReport CheckPackage(const PackageImage &image);

// Judges what the program reads of a package for one day (an image from
// PackageImage::LoadDay): the header, the offsets that bound the day's
// entry, and the entry. The faults say why the program shows nothing of it
// that day, in the words CheckPackage uses.
CheckReport CheckPackageDay(const PackageImage &dayImage);

} // namespace qxp
