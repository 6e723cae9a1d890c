#pragma once

// The system's SWORD library replaced, for the test's life, by one of its
// own: the system configuration the catalogue reads names a temporary
// library root, empty unless the test puts modules there, so that what the
// machine has installed does not change what a test sees. (The user's
// ~/.sword follows HOME, which tests set themselves.)

#include <filesystem>
#include <fstream>
#include <sstream>
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
  // Debian's installed module of that name (sword-text-kjv's engKJV2006eb)
  // put in this library: its conf copied, its data folder linked, so that a
  // test sees the real module and no other the machine has. False when it
  // is not installed.
  bool AddInstalledModule(const std::string &name) {
    const std::filesystem::path system = "/usr/share/sword";
    std::ifstream conf(system / "mods.d" / (name + ".conf"));
    if (!conf)
      return false;
    std::stringstream text;
    text << conf.rdbuf();
    std::string dataPath;
    for (std::string line; std::getline(text, line);)
      if (line.starts_with("DataPath="))
        dataPath = line.substr(9, line.find_last_not_of("/\r") - 8);
    if (!dataPath.starts_with("./") || !std::filesystem::is_directory(system / dataPath))
      return false;
    const std::filesystem::path linked = Root() / dataPath;
    std::filesystem::create_directories(linked.parent_path());
    std::filesystem::create_directory_symlink(system / dataPath, linked);
    std::filesystem::copy_file(system / "mods.d" / (name + ".conf"),
                               Root() / "mods.d" / (name + ".conf"));
    return true;
  }
  // Rewrites the system configuration.
  void WriteConf(const std::string &text) { root_.Write("sword.conf", text); }

private:
  TempDir root_;
};

} // namespace testsupport
