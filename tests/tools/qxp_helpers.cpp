#include "qxp_helpers.h"

#include <gtest/gtest.h>

#include "qxp/diagnostics.h"
#include "qxp/package_writer.h"
#include "qxp/source_compiler.h"

namespace qxptest {

qxp::PackageContent Compile(std::string_view source) {
  qxp::Diagnostics diagnostics("test.qxs");
  auto content = qxp::BuildContent(source, diagnostics);
  EXPECT_TRUE(content.has_value()) << Joined(diagnostics.Messages());
  return content.value_or(qxp::PackageContent{});
}

std::string Build(std::string_view source) {
  std::string error;
  auto bytes = qxp::SerializePackage(Compile(source), error);
  EXPECT_TRUE(bytes.has_value()) << error;
  return bytes.value_or("");
}

std::vector<std::string> Errors(std::string_view source) {
  qxp::Diagnostics diagnostics("test.qxs");
  EXPECT_FALSE(qxp::BuildContent(source, diagnostics).has_value());
  return diagnostics.Messages();
}

std::string Joined(const std::vector<std::string> &messages) {
  std::string out;
  for (const std::string &message : messages)
    out += message + "\n";
  return out;
}

std::uint32_t U32At(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

void PutU32(std::string &bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes.at(at + i) = static_cast<char>(value >> (8 * i));
}

std::size_t OffsetAt(int index, int titleCount) {
  return 4 + 41 * static_cast<std::size_t>(titleCount) + 1 + 4 * static_cast<std::size_t>(index);
}

} // namespace qxptest
