#pragma once

// A SWORD library of the test's own, with HOME and SWORD_PATH out of the
// way, so that the day's sources are the test's packages and the
// devotionals it installs, whatever the machine has. A devotional's conf is
// enough for the lists; its files are the test's to add.

#include <filesystem>
#include <fstream>
#include <string>

#include "support/scoped_environment.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace testsupport {

class DevotionalLibrary {
public:
  // Installs the conf of a RawLD4 devotional; returns the conf's path.
  std::filesystem::path AddDevotional(const std::string &name, const std::string &description) {
    const std::string lower = LowerCase(name);
    const std::filesystem::path conf = system_.Root() / "mods.d" / (lower + ".conf");
    std::ofstream(conf) << "[" << name << "]\nDescription=" << description
                        << "\nModDrv=RawLD4\nDataPath=./modules/lexdict/rawld4/" << lower << "/"
                        << lower << "\nFeature=DailyDevotion\n";
    return conf;
  }
  // The library root: mods.d/ and the modules' folders.
  std::filesystem::path Root() const { return system_.Root(); }

private:
  static std::string LowerCase(std::string text) {
    for (char &c : text)
      if (c >= 'A' && c <= 'Z')
        c = static_cast<char>(c - 'A' + 'a');
    return text;
  }
  TempDir home_;
  ScopedEnvironment homeIs_{"HOME", home_.Path().string()};
  ScopedEnvironment noSwordPath_{"SWORD_PATH", std::nullopt};
  SwordSystemLibrary system_;
};

} // namespace testsupport
