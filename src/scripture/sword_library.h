#pragma once

// Where the modules of the SWORD library are, as libsword and Xiphos find
// them: the DataPath of the system's sword.conf (section [Install]), each of
// its AugmentPath entries, the folder SWORD_PATH names and the user's
// ~/.sword. Each is a library root: the modules' confs are in its mods.d/,
// their files below it where each conf's DataPath says.
//
// Never the working folder: a path that is not absolute (".", "", "mods")
// is passed over. libsword on its own reads ./mods.d first, so a folder of
// downloaded packages that carries a mods.d would replace the user's
// library.

#include <string>
#include <string_view>
#include <vector>

// The system's configuration file, and the library used when it cannot be
// read.
inline constexpr const char *SystemSwordConf = "/etc/sword.conf";
inline constexpr const char *DefaultSwordLibrary = "/usr/share/sword";

// The roots sword.conf's text names: its DataPath, then its AugmentPaths.
std::vector<std::string> SystemConfRoots(std::string_view text);

// Every root, in the order the modules are read (the first module of a
// name is the one used), each once: the system's, SWORD_PATH's, the user's.
std::vector<std::string> SwordLibraryRoots();

// For tests: the system configuration file read instead of SystemSwordConf
// (empty: SystemSwordConf again).
void SetSystemSwordConfForTests(std::string path);
