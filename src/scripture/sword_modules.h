#pragma once

// The catalogue of the SWORD modules installed for this user: the Bibles and
// the daily devotionals among the modules whose confs are in the mods.d
// folders of the library roots (scripture/sword_library.h), read as the
// Bible programs of the library read them. The files come from module
// packages and downloads, so they are read as outside data: a file that is
// no regular file, larger than ConfLimit or without a module's section is
// passed over.
//
// One rule finds a module wherever a word names one (the Xiphos list, the
// links, the reading of passages, the stand-in concordance): FindModule.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TModuleKind {
  Bible,      // a text module: zText, zText4, RawText, RawText4
  Devotional, // a dictionary of days (RawLD, RawLD4, zLD) marked as daily devotional
};

struct TSwordModule {
  std::string name;         // the section's name, e.g. "engKJV2006eb"
  std::string abbreviation; // "KJV"; the name when the file gives none
  std::string description;  // "King James Version"
  TModuleKind kind = TModuleKind::Bible;
  std::string driver;        // ModDrv: "zText"
  std::string language;      // Lang: "en", "es", "pt-BR"; empty when not given
  std::string sourceType;    // SourceType: "OSIS", "ThML", "GBF", "TEI"; empty: plain
  std::string encoding;      // Encoding: "UTF-8"; empty: Latin-1
  std::string versification; // Versification; empty: the KJV's
  std::string compressType;  // CompressType: "ZIP", "LZSS"...
  std::string blockType;     // BlockType: "BOOK", "CHAPTER", "VERSE"
  // The conf has a CipherKey: the module's text is enciphered (a locked
  // module, or one unlocked with the key the conf holds).
  bool enciphered = false;
  // Where its files are: the library root joined with the conf's DataPath
  // (a folder for a Bible, the files' common start for a dictionary);
  // empty when the conf has none or one that would leave the library.
  std::string dataPath;
};

// Whether the module's texts are UTF-8 (Encoding=UTF-8, or UTF8 as some
// confs write it); every other module's are Latin-1.
bool IsUtf8Module(const TSwordModule &module);

// The largest configuration file read, and the most files read in a folder
// (the first by their names).
inline constexpr std::uint64_t ConfLimit = 256 * 1024;
inline constexpr std::size_t FolderLimit = 1000;

// The module that one configuration file describes, a Bible or a daily
// devotional; nullopt when it describes another kind of module
// (commentary, lexicon, book) or none. Only printable ASCII of the names and
// keys is kept, and each is cut to 60 characters; the description keeps its
// letters (UTF-8, from Latin-1 in a module that is not UTF-8), without
// control characters, cut to 60 characters. The data path is the conf's
// DataPath joined to root, when it stays inside it: relative, without "..".
std::optional<TSwordModule> ReadSwordModuleConf(std::string_view text, std::string_view root = {});

// The mods.d folders of the library roots, in their order.
std::vector<std::string> SwordModuleFolders();

// The modules of the files in folders (mods.d folders; each one's parent is
// its library root), one per name (the first found, names compared without
// regard to case), in the order of their names.
std::vector<TSwordModule> InstalledModules(const std::vector<std::string> &folders);
// While one of these lives, the library's confs are read once: the
// catalogue's later answers for the same folders are the first one's. For a
// burst of questions (the day's load, then whether a Bible is installed).
class ModuleCatalogueBatch {
public:
  ModuleCatalogueBatch();
  ~ModuleCatalogueBatch();
  ModuleCatalogueBatch(const ModuleCatalogueBatch &) = delete;
  ModuleCatalogueBatch &operator=(const ModuleCatalogueBatch &) = delete;
};

// Those of one kind.
std::vector<TSwordModule> InstalledBibleModules(const std::vector<std::string> &folders);
std::vector<TSwordModule> InstalledDevotionals(const std::vector<std::string> &folders);

// The module that translation names: the one of that name, else the one
// module of that abbreviation (without regard to case); null when none, or
// when several share the abbreviation.
const TSwordModule *FindModule(const std::vector<TSwordModule> &modules,
                               std::string_view translation);

// A module as a list shows it: its abbreviation, or its name where another
// module has the same abbreviation or that abbreviation as its name, so that
// each entry names one module.
std::string ListedName(const std::vector<TSwordModule> &modules, const TSwordModule &module);
// What a screen reader says of a listed module, and its tooltip: "KJV - King
// James Version"; empty where the abbreviation says it all.
std::string SpokenName(const TSwordModule &module);
