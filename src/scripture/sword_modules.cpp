#include "scripture/sword_modules.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/ascii.h"
#include "platform/name_choice.h"
#include "platform/profile_parse.h"
#include "platform/regular_file.h"
#include "platform/utf8.h"
#include "scripture/markup_text.h"
#include "scripture/sword_conf.h"
#include "scripture/sword_library.h"

namespace {

constexpr std::size_t FieldLimit = 60;

std::string Printable(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (c >= ' ' && c <= '~' && kept.size() < FieldLimit)
      kept += c;
  return std::string(platform::TrimBlanks(kept));
}

// A text a reader sees (the description): the module's own letters kept,
// read as UTF-8 from a UTF-8 module and as Latin-1 from any other, without
// control characters, cut to FieldLimit characters.
std::string Readable(std::string_view text, bool utf8) {
  std::string unicode = utf8 ? std::string(text) : Latin1ToUtf8(text);
  platform::ReplaceMalformedUtf8(unicode);
  std::string kept;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < unicode.size() && characters < FieldLimit;) {
    const std::size_t start = at;
    const char32_t c = platform::NextUtf8(unicode, at).value_or(U'\uFFFD');
    if (c < U' ' || c == U'\x7F' || (c >= U'\x80' && c < U'\xA0'))
      continue;
    kept.append(unicode, start, at - start);
    ++characters;
  }
  return std::string(platform::TrimBlanks(kept));
}

bool OneOf(std::string_view value, std::initializer_list<std::string_view> names) {
  return std::any_of(names.begin(), names.end(),
                     [&](std::string_view name) { return platform::SameAscii(value, name); });
}

std::optional<TModuleKind> KindOf(const TConfSection &section) {
  std::string_view driver = platform::TrimBlanks(section.Value("ModDrv"));
  if (OneOf(driver, {"zText", "zText4", "RawText", "RawText4"}))
    return TModuleKind::Bible;
  // A devotional says so in one of its Feature lines (a module may have
  // several) or in its Category.
  std::vector<std::string_view> features = section.Values("Feature");
  bool daily = std::any_of(features.begin(), features.end(), [](std::string_view feature) {
    return platform::SameAscii(platform::TrimBlanks(feature), "DailyDevotion");
  });
  daily = daily ||
          platform::SameAscii(platform::TrimBlanks(section.Value("Category")), "Daily Devotional");
  if (daily && OneOf(driver, {"RawLD", "RawLD4", "zLD"}))
    return TModuleKind::Devotional;
  return std::nullopt;
}

// root joined with a DataPath that stays inside it ("./modules/texts/x/");
// empty for one that is absolute, climbs out ("../", "a/../../") or is
// missing.
std::string DataPathIn(std::string_view root, std::string_view dataPath) {
  if (root.empty() || dataPath.empty() || dataPath.starts_with('/') ||
      dataPath.find('\\') != std::string_view::npos)
    return {};
  std::string joined(root);
  while (!dataPath.empty()) {
    std::size_t slash = dataPath.find('/');
    std::string_view part = dataPath.substr(0, slash);
    dataPath = slash == std::string_view::npos ? std::string_view() : dataPath.substr(slash + 1);
    if (part == "..")
      return {};
    if (part.empty() || part == ".")
      continue;
    joined += '/';
    joined += part;
  }
  return joined == root ? std::string() : joined;
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

// A mods.d folder's library root: the folder above it.
std::string RootOf(const std::string &folder) {
  std::filesystem::path path(folder);
  if (!path.has_filename())
    path = path.parent_path();
  return path.parent_path().string();
}

std::vector<TSwordModule> OfKind(std::vector<TSwordModule> modules, TModuleKind kind) {
  std::erase_if(modules, [kind](const TSwordModule &module) { return module.kind != kind; });
  return modules;
}

} // namespace

bool IsUtf8Module(const TSwordModule &module) {
  return platform::SameAscii(module.encoding, "UTF-8") ||
         platform::SameAscii(module.encoding, "UTF8");
}

std::optional<TSwordModule> ReadSwordModuleConf(std::string_view text, std::string_view root) {
  std::vector<TConfSection> sections = ReadConfSections(text);
  // The file's first section names the module; what follows it is not read.
  if (sections.empty())
    return std::nullopt;
  const TConfSection &section = sections.front();
  std::optional<TModuleKind> kind = KindOf(section);
  TSwordModule module;
  module.name = Printable(section.name);
  // A name with a '/' or a blank could not be handed on as one word.
  if (!kind || module.name.empty() || module.name.find_first_of("/ ") != std::string::npos)
    return std::nullopt;
  module.kind = *kind;
  module.abbreviation = Printable(section.Value("Abbreviation"));
  if (module.abbreviation.empty() || module.abbreviation.find('/') != std::string::npos)
    module.abbreviation = module.name;
  module.driver = Printable(section.Value("ModDrv"));
  module.language = Printable(section.Value("Lang"));
  module.sourceType = Printable(section.Value("SourceType"));
  module.encoding = Printable(section.Value("Encoding"));
  module.description = Readable(section.Value("Description"), IsUtf8Module(module));
  module.versification = Printable(section.Value("Versification"));
  module.compressType = Printable(section.Value("CompressType"));
  module.blockType = Printable(section.Value("BlockType"));
  module.enciphered = !section.Values("CipherKey").empty();
  module.dataPath = DataPathIn(root, platform::TrimBlanks(section.Value("DataPath")));
  return module;
}

std::vector<std::string> SwordModuleFolders() {
  std::vector<std::string> folders;
  for (const std::string &root : SwordLibraryRoots())
    folders.push_back((root == "/" ? "" : root) + "/mods.d");
  return folders;
}

namespace {

// What InstalledModules found while a ModuleCatalogueBatch lives.
struct CatalogueBatch {
  int depth = 0;
  std::optional<std::pair<std::vector<std::string>, std::vector<TSwordModule>>> read;
};

CatalogueBatch &Batch() {
  static CatalogueBatch batch;
  return batch;
}

std::vector<TSwordModule> ReadInstalledModules(const std::vector<std::string> &folders) {
  std::vector<TSwordModule> modules;
  for (const std::string &folder : folders) {
    const std::string root = RootOf(folder);
    for (const std::string &file : FirstConfFiles(folder)) {
      platform::Result<std::string> text =
          platform::ReadRegularFile(file, ConfLimit, "a module's configuration");
      if (!text)
        continue;
      std::optional<TSwordModule> module = ReadSwordModuleConf(*text, root);
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

} // namespace

ModuleCatalogueBatch::ModuleCatalogueBatch() {
  ++Batch().depth;
}

ModuleCatalogueBatch::~ModuleCatalogueBatch() {
  if (--Batch().depth == 0)
    Batch().read.reset();
}

std::vector<TSwordModule> InstalledModules(const std::vector<std::string> &folders) {
  CatalogueBatch &batch = Batch();
  if (batch.depth == 0)
    return ReadInstalledModules(folders);
  if (!batch.read || batch.read->first != folders)
    batch.read.emplace(folders, ReadInstalledModules(folders));
  return batch.read->second;
}

std::vector<TSwordModule> InstalledBibleModules(const std::vector<std::string> &folders) {
  return OfKind(InstalledModules(folders), TModuleKind::Bible);
}

std::vector<TSwordModule> InstalledDevotionals(const std::vector<std::string> &folders) {
  return OfKind(InstalledModules(folders), TModuleKind::Devotional);
}

const TSwordModule *FindModule(const std::vector<TSwordModule> &modules,
                               std::string_view translation) {
  return platform::ChooseByName(
      modules, translation, [](const TSwordModule &module) { return module.name; },
      [](const TSwordModule &module) { return module.abbreviation; });
}

std::string ListedName(const std::vector<TSwordModule> &modules, const TSwordModule &module) {
  for (const TSwordModule &other : modules)
    if (&other != &module && (platform::SameAscii(other.abbreviation, module.abbreviation) ||
                              platform::SameAscii(other.name, module.abbreviation)))
      return module.name;
  return module.abbreviation;
}

std::string SpokenName(const TSwordModule &module) {
  if (module.description.empty() || module.description == module.abbreviation)
    return {};
  return module.abbreviation + " - " + module.description;
}
