// Feeds arbitrary bytes to qxp check as a package file. Whatever the bytes,
// the check ends with a verdict; a package it calls sound must dump to a
// source that builds a package reading the same on every day.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "qxp/diagnostics.h"
#include "qxp/entry_layout.h"
#include "qxp/package_checker.h"
#include "qxp/package_image.h"
#include "qxp/package_writer.h"
#include "qxp/source_compiler.h"
#include "qxp/source_dumper.h"

namespace {

[[noreturn]] void Fail(const char *what, const std::string &detail) {
  std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
  std::abort();
}

bool ReadsTheSame(const qxp::PackageContent &a, const qxp::PackageContent &b) {
  if (a.Type != b.Type || a.Titles != b.Titles || a.TrailerMarker != b.TrailerMarker ||
      a.Description != b.Description)
    return false;
  for (int slot = 0; slot < package::SlotCount; ++slot) {
    auto first = qxp::ReadEntry(a.Entries[slot], a.TrailerMarker, a.Type);
    auto second = qxp::ReadEntry(b.Entries[slot], b.TrailerMarker, b.Type);
    if (first.shown != second.shown)
      return false;
    // Of an entry that does not show, nothing is seen.
    if (first.shown && (first.body != second.body || first.trailer != second.trailer))
      return false;
  }
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char *>(data), size);
  auto report = qxp::CheckPackage(qxp::PackageImage::FromBytes(bytes));
  if (!report.Sound()) {
    if (report.content)
      Fail("a damaged package has content", report.faults.front());
    return 0;
  }

  std::string dumped = qxp::DumpSource(*report.content);
  qxp::Diagnostics diagnostics("dump.qxs");
  auto rebuilt = qxp::BuildContent(dumped, diagnostics);
  if (!rebuilt)
    Fail("the source of a sound package does not build", diagnostics.Messages().front());
  if (!ReadsTheSame(*report.content, *rebuilt))
    Fail("the rebuilt package reads differently", dumped);
  std::string error;
  auto written = qxp::SerializePackage(*rebuilt, error);
  if (!written)
    Fail("the rebuilt package does not write", error);
  if (!qxp::CheckPackage(qxp::PackageImage::FromBytes(*written)).Sound())
    Fail("the rebuilt package is not sound", dumped);
  return 0;
}
