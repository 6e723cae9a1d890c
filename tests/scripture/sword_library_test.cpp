// Where the SWORD library's modules are found: the system's sword.conf, its
// AugmentPaths, SWORD_PATH and the user's ~/.sword, never the working
// folder.

#include "scripture/sword_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scripture/sword_modules.h"
#include "support/scoped_environment.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace {

using Roots = std::vector<std::string>;

TEST(SwordLibraryTest, TheSystemConfNamesItsDataPathThenItsAugmentPaths) {
  const struct {
    const char *conf;
    Roots roots;
  } rows[] = {
      {"[Install]\nDataPath=/usr/share/sword/\n", {"/usr/share/sword"}},
      {"# comment\n[Install]\r\nDataPath = /a//\r\nAugmentPath=/b\r\nAugmentPath=/c/\r\n",
       {"/a", "/b", "/c"}},
      {"[Install]\nAugmentPath=/b\nDataPath=/a\nAugmentPath=/a\n", {"/a", "/b"}},
      // Not absolute: it would be read from the working folder.
      {"[Install]\nDataPath=./\nAugmentPath=mods\nAugmentPath=\nAugmentPath=/ok\n", {"/ok"}},
      {"[Other]\nDataPath=/a\n", {}},
      {"DataPath=/a\n", {}},
      {"[Install]\nDataPath=/\n", {"/"}},
  };
  for (const auto &row : rows)
    EXPECT_EQ(SystemConfRoots(row.conf), row.roots) << row.conf;
}

// The roots in their order: the system's, SWORD_PATH's, the user's; with no
// system configuration, the library where Debian installs it.
TEST(SwordLibraryTest, EveryRootIsReadOnceInItsOrder) {
  testsupport::SwordSystemLibrary system;
  testsupport::TempDir home, extra;
  const std::string root = system.Root().string();
  testsupport::ScopedEnvironment homeIs("HOME", home.Path().string());
  testsupport::ScopedEnvironment swordPath("SWORD_PATH", extra.Path().string() + "/");
  system.WriteConf("[Install]\nDataPath=" + root + "\nAugmentPath=/opt/sword\n");
  EXPECT_EQ(SwordLibraryRoots(),
            (Roots{root, "/opt/sword", extra.Path().string(), home.Path().string() + "/.sword"}));
  EXPECT_EQ(SwordModuleFolders().front(), root + "/mods.d");

  testsupport::ScopedEnvironment relative("SWORD_PATH", ".");
  testsupport::ScopedEnvironment noHome("HOME", "");
  system.WriteConf("[Install]\nDataPath=" + root + "\nAugmentPath=" + root + "/\n");
  EXPECT_EQ(SwordLibraryRoots(), (Roots{root}));

  SetSystemSwordConfForTests(home.File("absent.conf"));
  EXPECT_EQ(SwordLibraryRoots(), (Roots{DefaultSwordLibrary}));
}

// A folder of downloaded packages that carries a mods.d, the working folder
// of the program, adds no module and hides none.
TEST(SwordLibraryTest, AModsFolderInTheWorkingFolderIsNeverRead) {
  testsupport::SwordSystemLibrary system;
  testsupport::TempDir home, packages;
  testsupport::ScopedEnvironment homeIs("HOME", home.Path().string());
  testsupport::ScopedEnvironment noSwordPath("SWORD_PATH", std::nullopt);
  std::filesystem::create_directories(home.Path() / ".sword/mods.d");
  home.Write(".sword/mods.d/kjv.conf", "[KJV]\nModDrv=zText\nDataPath=./modules/texts/kjv/\n");
  std::filesystem::create_directories(packages.Path() / "mods.d");
  packages.Write("mods.d/kjv.conf", "[KJV]\nDescription=Fake\nModDrv=zText\n");
  packages.Write("mods.d/other.conf", "[Other]\nModDrv=zText\n");
  testsupport::WorkingDirectory inPackages(packages.Path());
  for (std::string_view relative : {".", "", "mods.d"}) {
    testsupport::ScopedEnvironment swordPath("SWORD_PATH", std::string(relative));
    std::vector<TSwordModule> modules = InstalledModules(SwordModuleFolders());
    ASSERT_EQ(modules.size(), 1u) << relative;
    EXPECT_EQ(modules[0].description, "");
    EXPECT_EQ(modules[0].dataPath, home.Path().string() + "/.sword/modules/texts/kjv");
  }
}

} // namespace
