#include "scripture/sword_library.h"

#include <algorithm>
#include <cstdlib>

#include "platform/regular_file.h"
#include "scripture/sword_conf.h"

namespace {

constexpr std::uint64_t SystemConfLimit = 64 * 1024;

std::string &SystemConfPath() {
  static std::string path = SystemSwordConf;
  return path;
}

// An absolute folder without its trailing slashes; empty for anything else.
std::string Root(std::string_view path) {
  if (!path.starts_with('/'))
    return {};
  while (path.size() > 1 && path.back() == '/')
    path.remove_suffix(1);
  return std::string(path);
}

void Add(std::vector<std::string> &roots, std::string_view path) {
  std::string root = Root(path);
  if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end())
    roots.push_back(std::move(root));
}

} // namespace

std::vector<std::string> SystemConfRoots(std::string_view text) {
  std::vector<std::string> roots;
  for (const TConfSection &section : ReadConfSections(text)) {
    if (section.name != "Install")
      continue;
    Add(roots, section.Value("DataPath"));
    for (std::string_view more : section.Values("AugmentPath"))
      Add(roots, more);
  }
  return roots;
}

std::vector<std::string> SwordLibraryRoots() {
  std::vector<std::string> roots;
  platform::Result<std::string> conf =
      platform::ReadRegularFile(SystemConfPath(), SystemConfLimit, "the SWORD configuration");
  if (conf)
    roots = SystemConfRoots(*conf);
  else // no configuration of the system: the library where it is installed
    roots.push_back(DefaultSwordLibrary);
  if (const char *path = std::getenv("SWORD_PATH"); path != nullptr)
    Add(roots, path);
  if (const char *home = std::getenv("HOME"); home != nullptr) {
    const std::string folder = Root(home);
    if (!folder.empty())
      Add(roots, (folder == "/" ? "" : folder) + "/.sword");
  }
  return roots;
}

void SetSystemSwordConfForTests(std::string path) {
  SystemConfPath() = path.empty() ? std::string(SystemSwordConf) : std::move(path);
}
