#include "scripture/sword_modules.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/ascii.h"
#include "platform/name_choice.h"
#include "platform/regular_file.h"

namespace {

constexpr std::size_t FieldLimit = 60;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::string Printable(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (c >= ' ' && c <= '~' && kept.size() < FieldLimit)
      kept += c;
  return std::string(Trimmed(kept));
}

// The drivers of Bible text modules.
bool IsBibleDriver(std::string_view driver) {
  for (std::string_view bible : {"zText", "zText4", "RawText", "RawText4"})
    if (platform::SameAscii(driver, bible))
      return true;
  return false;
}

// The first FolderLimit configuration files of folder in the order of their
// names, however many it holds: a heap keeps the smallest names seen.
std::vector<std::string> FirstConfFiles(const std::string &folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::string file = it->path().string();
    if (!file.ends_with(".conf"))
      continue;
    if (files.size() < FolderLimit) {
      files.push_back(std::move(file));
      std::push_heap(files.begin(), files.end());
    } else if (file < files.front()) {
      std::pop_heap(files.begin(), files.end());
      files.back() = std::move(file);
      std::push_heap(files.begin(), files.end());
    }
  }
  std::sort_heap(files.begin(), files.end());
  return files;
}

} // namespace

std::optional<TSwordModule> ReadSwordModuleConf(std::string_view text) {
  TSwordModule module;
  bool inSection = false, bible = false;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.starts_with('[')) {
      // The file's first section names the module; what follows it is not
      // read.
      if (inSection)
        break;
      std::size_t close = line.find(']');
      if (close == std::string_view::npos)
        return std::nullopt;
      module.name = Printable(line.substr(1, close - 1));
      inSection = true;
      continue;
    }
    std::size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos)
      continue;
    std::string_view key = Trimmed(line.substr(0, equals));
    std::string_view value = Trimmed(line.substr(equals + 1));
    if (key == "ModDrv")
      bible = IsBibleDriver(value);
    else if (key == "Abbreviation")
      module.abbreviation = Printable(value);
    else if (key == "Description")
      module.description = Printable(value);
  }
  // A name with a '/' or a blank could not be handed on as one word.
  if (!bible || module.name.empty() || module.name.find_first_of("/ ") != std::string::npos)
    return std::nullopt;
  if (module.abbreviation.empty() || module.abbreviation.find('/') != std::string::npos)
    module.abbreviation = module.name;
  return module;
}

std::vector<std::string> SwordModuleFolders() {
  std::vector<std::string> folders = {"/usr/share/sword/mods.d"};
  if (const char *home = std::getenv("HOME"); home != nullptr && home[0] == '/')
    folders.push_back(std::string(home) + "/.sword/mods.d");
  return folders;
}

std::vector<TSwordModule> InstalledBibleModules(const std::vector<std::string> &folders) {
  std::vector<TSwordModule> modules;
  for (const std::string &folder : folders) {
    for (const std::string &file : FirstConfFiles(folder)) {
      platform::Result<std::string> text =
          platform::ReadRegularFile(file, ConfLimit, "a module's configuration");
      if (!text)
        continue;
      std::optional<TSwordModule> module = ReadSwordModuleConf(*text);
      // A module is known by its name: a second of the same name is the
      // first one's shadow, whatever its abbreviation.
      if (module && std::none_of(modules.begin(), modules.end(), [&](const TSwordModule &known) {
            return platform::SameAscii(known.name, module->name);
          }))
        modules.push_back(std::move(*module));
    }
  }
  std::sort(modules.begin(), modules.end(),
            [](const TSwordModule &a, const TSwordModule &b) { return a.name < b.name; });
  return modules;
}

const TSwordModule *FindModule(const std::vector<TSwordModule> &modules,
                               std::string_view translation) {
  return platform::ChooseByName(
      modules, translation, [](const TSwordModule &module) { return module.name; },
      [](const TSwordModule &module) { return module.abbreviation; });
}
