// Feeds arbitrary bytes to qxp as a package source. A source that compiles
// must give a package that writes, checks sound and reads back as the same
// content, and whose dumped source compiles to that content again.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "qxp/diagnostics.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char *>(data), size);
  qxp::Diagnostics diagnostics("fuzz.qxs");
  auto content = qxp::BuildContent(text, diagnostics);
  if (!content) {
    if (diagnostics.Empty())
      Fail("a source was refused without a message", "");
    return 0;
  }

  std::string error;
  auto bytes = qxp::SerializePackage(*content, error);
  if (!bytes)
    Fail("compiled content does not write", error);
  auto report = qxp::CheckPackage(qxp::PackageImage::FromBytes(*bytes));
  if (!report.Sound())
    Fail("a built package is not sound", report.faults.front());
  if (*report.content != *content)
    Fail("a built package reads back differently", "");

  std::string dumped = qxp::DumpSource(*content);
  qxp::Diagnostics again("dump.qxs");
  auto rebuilt = qxp::BuildContent(dumped, again);
  if (!rebuilt)
    Fail("a dumped source does not compile", again.Messages().front() + "\n" + dumped);
  if (*rebuilt != *content)
    Fail("a dumped source compiles to other content", dumped);
  return 0;
}
