#include "content/day_sources.h"

#include <algorithm>

#include "content/package_reader.h"
#include "content/settings_file.h"
#include "platform/file_rename.h"
#include "platform/file_search.h"
#include "platform/profile.h"
#include "scripture/devotional_reader.h"
#include "scripture/sword_modules.h"

namespace {

constexpr const char *PackageOn = "*.QXP";
constexpr const char *PackageOff = "*.OFF";
constexpr const char *EnabledSuffix = "_enabled";

// The module names that can be a settings key as they are: SWORD's own are
// letters, digits and underscores.
bool UsableModuleName(std::string_view name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
  });
}

TDaySource PackageSource(const std::string &fileName, bool enabled) {
  TDaySource source;
  source.kind = TSourceKind::Package;
  source.name = fileName;
  source.key = platform::LowerCaseName(fileName);
  source.enabled = enabled;
  return source;
}

void AddPackages(std::vector<TDaySource> &sources, bool withDisabled) {
  for (const std::string &name : platform::FindFiles(PackageOn))
    sources.push_back(PackageSource(name, true));
  if (withDisabled)
    for (const std::string &name : platform::FindFiles(PackageOff))
      sources.push_back(PackageSource(name, false));
}

void AddDevotionals(std::vector<TDaySource> &sources, bool withDisabled) {
  for (TSwordModule &module : InstalledDevotionals(SwordModuleFolders())) {
    if (!UsableModuleName(module.name))
      continue;
    TDaySource source;
    source.kind = TSourceKind::Devotional;
    source.name = module.name + DevotionalNameEnding;
    source.key = platform::LowerCaseName(source.name);
    source.enabled = ReadSettingInt(source.key + EnabledSuffix, 1) != 0;
    source.module = std::move(module);
    if (source.enabled || withDisabled)
      sources.push_back(std::move(source));
  }
}

} // namespace

std::vector<TDaySource> DaySources(bool withDisabled) {
  std::vector<TDaySource> sources;
  AddPackages(sources, withDisabled);
  // One look at the settings file for every devotional's switch.
  platform::ProfileReadBatch settingsBatch;
  AddDevotionals(sources, withDisabled);
  return sources;
}

const TDaySource *SourceNamed(const std::vector<TDaySource> &sources, std::string_view name) {
  const auto found = std::find_if(sources.begin(), sources.end(),
                                  [&](const TDaySource &source) { return source.name == name; });
  return found == sources.end() ? nullptr : &*found;
}

std::string SwitchedPackageName(const std::string &name) {
  const std::size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
  const char letter = dot == std::string::npos || dot + 1 == name.size() ? 0 : name[dot + 1];
  return stem + (letter == 'q' || letter == 'Q' ? ".OFF" : ".QXP");
}

platform::Result<void> SwitchSource(const TDaySource &source) {
  if (source.kind == TSourceKind::Devotional)
    return WriteSettings({{source.key + EnabledSuffix, source.enabled ? "0" : "1"}});
  // Switching never replaces a file: a package of the other state with the
  // same name would be lost.
  return platform::RenameNoReplace(source.name, SwitchedPackageName(source.name));
}

std::string SourceDescription(const TDaySource &source) {
  if (source.kind != TSourceKind::Devotional)
    return ReadPackageDescription(source.name);
  // A module whose files cannot be read says why here, as the day shows
  // nothing of it.
  std::string text = source.module.description;
  if (auto read = ReadDevotionalEntry(source.module, DevotionalKey(1, 1)); !read)
    text += (text.empty() ? "" : "\r\n\r\n") + read.error();
  return text;
}
