#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes away.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  const std::filesystem::path &Path() const { return path_; }
  std::string File(std::string_view name) const;

  // Writes bytes to a file in the folder (replacing it) and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The whole file as bytes; empty when it cannot be read.
  std::string Read(std::string_view name) const;
  bool Exists(std::string_view name) const;

private:
  std::filesystem::path path_;
};

// Changes the working directory for the lifetime of the object.
class WorkingDirectory {
public:
  explicit WorkingDirectory(const std::filesystem::path &path);
  ~WorkingDirectory();
  WorkingDirectory(const WorkingDirectory &) = delete;
  WorkingDirectory &operator=(const WorkingDirectory &) = delete;

private:
  std::filesystem::path previous_;
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path &path);

} // namespace testsupport
