#pragma once

// Points the settings files (XDG_CONFIG_HOME) at a fresh temporary folder and
// puts the clock back to the system's when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "support/temp_dir.h"

namespace testsupport {

class ConfigSandbox {
public:
  ConfigSandbox() {
    if (const char *old = std::getenv("XDG_CONFIG_HOME"))
      previous_ = old;
    setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
  }
  ~ConfigSandbox() {
    if (previous_)
      setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
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
  std::optional<std::string> previous_;
};

} // namespace testsupport
