#pragma once

// A C stream owned by a std::unique_ptr, so that every way out of a function
// closes the file it opened.

#include <cstdio>
#include <memory>

namespace platform {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};

using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

} // namespace platform
