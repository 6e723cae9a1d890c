#pragma once

// The Bible text modules of the SWORD library installed for this user, as
// the Bible program that reads them sees them: each module's configuration
// file in the system's folder (/usr/share/sword/mods.d) and the user's own
// (~/.sword/mods.d). The files come from module packages and downloads, so
// they are read as outside data: a file that is no regular file, larger than
// ConfLimit or without a module's section is passed over.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TSwordModule {
  std::string name;         // the section's name, e.g. "engKJV2006eb"
  std::string abbreviation; // "KJV"; the name when the file gives none
  std::string description;  // "King James Version"
};

// The largest configuration file read, and the most files read in a folder
// (the first by their names).
inline constexpr std::uint64_t ConfLimit = 256 * 1024;
inline constexpr std::size_t FolderLimit = 1000;

// The Bible text module that one configuration file describes; nullopt when
// it describes another kind of module (commentary, dictionary, book) or
// none. Only printable ASCII of the name, abbreviation and description is
// kept, and each is cut to 60 characters.
std::optional<TSwordModule> ReadSwordModuleConf(std::string_view text);

// The folders read, the system's first.
std::vector<std::string> SwordModuleFolders();

// The Bible modules of the files in folders, one per name (the first found,
// names compared without regard to case), in the order of their names.
std::vector<TSwordModule> InstalledBibleModules(const std::vector<std::string> &folders);

// The module that translation names: the one of that name, else the one
// module of that abbreviation (without regard to case); null when none, or
// when several share the abbreviation.
const TSwordModule *FindModule(const std::vector<TSwordModule> &modules,
                               std::string_view translation);
