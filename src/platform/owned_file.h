#pragma once

// A C stream owned by a std::unique_ptr, so that every way out of a function
// closes the file it opened. For files that are only read: the close's result
// says nothing about what was read. A file that is written is closed by hand
// and the close is checked (a full disk shows only there).

#include <cstdio>
#include <memory>

namespace platform {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};

using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

} // namespace platform
