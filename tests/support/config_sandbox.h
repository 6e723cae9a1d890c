#pragma once

// Points the settings files (XDG_CONFIG_HOME) at a fresh temporary folder and
// puts the clock back to the system's when the test ends.

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/clock.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace testsupport {

class ConfigSandbox {
public:
  ConfigSandbox() = default;
  ~ConfigSandbox() {
    platform::SetTimeSource({});
    platform::SetTickCountSource({});
  }
  ConfigSandbox(const ConfigSandbox &) = delete;
  ConfigSandbox &operator=(const ConfigSandbox &) = delete;

  // The folder that holds SELWARTH.INI and CONTROL.INI.
  std::string Folder() const { return config_.File("selwarth"); }
  std::string SettingsPath() const { return Folder() + "/SELWARTH.INI"; }

  // Every later write of a settings file fails: a file stands where the
  // folder would be made (a folder's mode would not stop root).
  void BlockFolder() const {
    std::filesystem::create_directories(config_.Path());
    std::ofstream(Folder()) << "not a folder";
  }

private:
  TempDir config_;
  ScopedEnvironment configHome_{"XDG_CONFIG_HOME", config_.Path().string()};
};

} // namespace testsupport
