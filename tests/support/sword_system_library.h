#pragma once

// The system's SWORD library replaced, for the test's life, by one of its
// own: the system configuration the catalogue reads names a temporary
// library root, empty unless the test puts modules there, so that what the
// machine has installed does not change what a test sees. (The user's
// ~/.sword follows HOME, which tests set themselves.)

#include <filesystem>
#include <string>

#include "scripture/sword_library.h"
#include "support/temp_dir.h"

namespace testsupport {

class SwordSystemLibrary {
public:
  SwordSystemLibrary() {
    std::filesystem::create_directories(root_.Path() / "library/mods.d");
    root_.Write("sword.conf", "[Install]\nDataPath=" + Root().string() + "/\n");
    SetSystemSwordConfForTests(root_.File("sword.conf"));
  }
  ~SwordSystemLibrary() { SetSystemSwordConfForTests({}); }
  SwordSystemLibrary(const SwordSystemLibrary &) = delete;
  SwordSystemLibrary &operator=(const SwordSystemLibrary &) = delete;

  // The library root: its mods.d/ and the modules' files.
  std::filesystem::path Root() const { return root_.Path() / "library"; }
  // Rewrites the system configuration.
  void WriteConf(const std::string &text) { root_.Write("sword.conf", text); }

private:
  TempDir root_;
};

} // namespace testsupport
