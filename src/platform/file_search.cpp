#include "platform/file_search.h"

#include "platform/ascii.h"

#include <algorithm>
#include <dirent.h>
#include <string>
#include <sys/stat.h>

namespace platform {
namespace {

bool IsOrdinaryFile(const std::string &folder, const dirent &entry) {
  if (entry.d_type == DT_REG)
    return true;
  if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
    return false;
  // The file system did not say, or the entry is a link: ask for what it is.
  struct stat info {};
  std::string path = folder + "/" + entry.d_name;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

std::string LowerCaseName(std::string_view name) {
  std::string lower(name);
  for (char &c : lower)
    c = LowerAscii(c);
  return lower;
}

bool HasExtension(std::string_view name, std::string_view extension) {
  if (name.size() < extension.size())
    return false;
  return SameAscii(name.substr(name.size() - extension.size()), extension);
}

bool NameLess(std::string_view a, std::string_view b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    char la = LowerAscii(a[i]), lb = LowerAscii(b[i]);
    if (la != lb)
      return static_cast<unsigned char>(la) < static_cast<unsigned char>(lb);
  }
  if (a.size() != b.size())
    return a.size() < b.size();
  return a < b;
}

std::vector<std::string> FindFiles(std::string_view pattern, std::string_view folder) {
  std::vector<std::string> names;
  if (pattern.empty() || pattern.front() != '*')
    return names;
  std::string_view extension = pattern.substr(1);
  std::string folderName(folder.empty() ? "." : folder);

  DIR *directory = opendir(folderName.c_str());
  if (directory == nullptr)
    return names;
  while (const dirent *entry = readdir(directory)) {
    std::string_view name = entry->d_name;
    if (name.empty() || name.front() == '.')
      continue; // hidden files, "." and ".."
    if (!HasExtension(name, extension) || !IsOrdinaryFile(folderName, *entry))
      continue;
    names.emplace_back(name);
  }
  closedir(directory);
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

} // namespace platform
