#include "platform/profile.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// An environment variable holding an absolute path, or "". A relative one is
// ignored, as the XDG base directory rules ask.
std::string AbsoluteFromEnvironment(const char *name) {
  const char *value = std::getenv(name);
  if (value == nullptr || value[0] != '/')
    return "";
  return value;
}

std::string HomeFromPasswordFile() {
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd *found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/')
    return "";
  return found->pw_dir;
}

// Our folder in an XDG base folder: $variable/selwarth, else below the home
// folder. With no home folder at all it is below the working folder, which
// is better than losing the settings.
std::string XdgFolder(const char *variable, const std::string &belowHome) {
  if (std::string base = AbsoluteFromEnvironment(variable); !base.empty())
    return base + "/selwarth";
  std::string home = AbsoluteFromEnvironment("HOME");
  if (home.empty())
    home = HomeFromPasswordFile();
  if (home.empty())
    return belowHome + "/selwarth";
  return home + "/" + belowHome + "/selwarth";
}

} // namespace

std::string ConfigFolder() {
  return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string DataFolder() {
  return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string ProfilePath(std::string_view fileName) {
  if (fileName.find('/') != std::string_view::npos)
    return std::string(fileName);
  return ConfigFolder() + "/" + std::string(fileName);
}

} // namespace platform
