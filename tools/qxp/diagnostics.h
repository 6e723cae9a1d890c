#pragma once

// The error messages of one run over a source file, in the form
// "file:line: message" (or "file: message" for the file as a whole).

#include <string>
#include <string_view>
#include <vector>

namespace qxp {

class Diagnostics {
public:
  explicit Diagnostics(std::string fileName) : fileName_(std::move(fileName)) {}

  void Error(int line, std::string_view message);
  void Error(std::string_view message);

  // Enough errors have been gathered; further ones are not worth reading.
  bool Full() const { return errors_.size() >= MaxMessages; }
  bool Empty() const { return errors_.empty(); }
  // In the order of the source lines, those about the whole file last.
  std::vector<std::string> Messages() const;

private:
  static constexpr std::size_t MaxMessages = 25;

  struct Entry {
    int line; // 0: the file as a whole
    std::string text;
  };
  std::string fileName_;
  std::vector<Entry> errors_;
};

} // namespace qxp
