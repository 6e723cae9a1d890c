// The files of the day changing under the running program: packages and
// pictures cut short or replaced between two loads, a folder that can no
// longer be read, a full disk under SELWARTH.TXT. The program never stops,
// tells the user what it tells, and shows what can still be read.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/program_state.h"
#include "child_process.h"
#include "content/day_entries.h"
#include "dialogs/references_dialog.h"
#include "framework/dialog.h"
#include "framework/message_box.h"
#include "resources/main_menu.h"
#include "resources/reference_ids.h"
#include "support/fresh_start.h"
#include "support/main_window_fixture.h"

namespace hardening {
namespace {

using testsupport::MainWindowTest;

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string CannotShowPicture = "The reference picture could not be read.";

// The texts the entries of the day hold now.
std::set<std::string> EntryTexts(const DayState &day) {
  std::set<std::string> texts;
  for (TDayEntry *entry = day.DayEntries.get(); entry != nullptr; entry = entry->Next.get())
    texts.insert(entry->Text);
  return texts;
}

void Reload() {
  TheApplication()->GetMainWindow()->MenuCommand(CM_NEW);
}

// A picture of 4 x 4 pixels of one colour, 24 bits, the 40-byte header.
std::string Picture(std::uint32_t rgb) {
  auto put = [](std::string &bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
      bytes[at + i] = static_cast<char>(value >> (8 * i));
  };
  std::string bytes(54, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(bytes, 10, 54, 4);
  put(bytes, 14, 40, 4);
  put(bytes, 18, 4, 4);
  put(bytes, 22, 4, 4);
  put(bytes, 26, 1, 2);
  put(bytes, 28, 24, 2);
  for (int pixel = 0; pixel < 16; ++pixel)
    bytes += {static_cast<char>(rgb), static_cast<char>(rgb >> 8), static_cast<char>(rgb >> 16)};
  return bytes;
}

// Replaces a file the way an editor or a copy does: a new file renamed over it.
void Replace(const testsupport::TempDir &dir, const std::string &name, const std::string &bytes) {
  dir.Write(name + ".new", bytes);
  fs::rename(dir.File(name + ".new"), dir.File(name));
}

class DayFilesTest : public MainWindowTest {
protected:
  // Gives a file new bytes, either in place (truncating it) or as a new file.
  void CutOrReplace(const std::string &name, const std::string &bytes, bool inPlace) {
    if (inPlace)
      packages.Write(name, bytes);
    else
      Replace(packages, name, bytes);
  }
};

TEST_F(DayFilesTest, APackageCutAnywhereOrReplacedBetweenLoadsLeavesTheOthersShown) {
  AddPackage("A.QXP", "First", "Alpha text");
  AddPackage("C.QXP", "Third", "Gamma text");
  const std::string beta = BuildToday("Second", "Beta text");
  const std::string other = BuildToday("Second", "Other text");
  packages.Write("B.QXP", beta);
  settings.SaveFile = 1;
  Run({[&] {
    ASSERT_EQ(EntryTexts(day), (std::set<std::string>{"Alpha text", "Beta text", "Gamma text"}));
    // Every length up to the whole file, in steps that land in the header,
    // the offset table and the entries.
    for (std::size_t length = 0; length < beta.size(); length += 1 + length / 8) {
      SCOPED_TRACE(length);
      CutOrReplace("B.QXP", beta.substr(0, length), length % 2 == 0);
      Reload();
      std::set<std::string> texts = EntryTexts(day);
      ASSERT_TRUE(texts.contains("Alpha text") && texts.contains("Gamma text"));
      texts.erase("Alpha text");
      texts.erase("Gamma text");
      // A cut package shows its own entry or none, never bytes from elsewhere.
      ASSERT_TRUE(texts.empty() || texts == std::set<std::string>{"Beta text"});
      const std::string shown = Shown();
      ASSERT_THAT(shown, HasSubstr("Alpha text"));
      ASSERT_THAT(shown, HasSubstr("Gamma text"));
      ASSERT_THAT(packages.Read("SELWARTH.TXT"), HasSubstr("Gamma text"));
    }
    Replace(packages, "B.QXP", other);
    Reload();
    EXPECT_EQ(EntryTexts(day), (std::set<std::string>{"Alpha text", "Other text", "Gamma text"}));
    EXPECT_THAT(Shown(), HasSubstr("Other text"));
  }});
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DayFilesTest, APictureCutOrReplacedBetweenShowsIsRefusedAndTheOtherStillShows) {
  AddPackage("VERSE.QXP", "Verse", "Love one another.");
  const std::string red = Picture(0xFF0000);
  packages.Write("ONE.QXR", red);
  packages.Write("TWO.QXR", Picture(0x0000FF));
  int cuts = 0;
  Run({[&] {
    Frame().MenuCommand(CM_REFERENCES);
    ASSERT_TRUE(program.ReferencesOpen());
    TReferencesDialog &dialog = *program.ReferencesDialog;
    auto show = [&](int index) {
      dialog.UserSelect(reference::FileList, index); // ONE.QXR, TWO.QXR
      dialog.UserClick(reference::ShowButton);
      return dialog.Control(reference::PictureControl)->Picture;
    };
    ASSERT_EQ(show(0).Pixels.front(), 0xFF0000u);
    for (std::size_t length = 0; length < red.size(); ++length, ++cuts) {
      SCOPED_TRACE(length);
      ASSERT_EQ(show(1).Pixels.front(), 0x0000FFu);
      CutOrReplace("ONE.QXR", red.substr(0, length), length % 2 == 0);
      ASSERT_TRUE(show(0).Pixels.empty());
      ASSERT_EQ(backend.Messages().size(), static_cast<std::size_t>(cuts + 1));
    }
    Replace(packages, "ONE.QXR", Picture(0x00FF00));
    EXPECT_EQ(show(0).Pixels.front(), 0x00FF00u);
    EXPECT_THAT(Shown(), HasSubstr("Love one another."));
  }});
  const std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), static_cast<std::size_t>(cuts));
  EXPECT_EQ(std::set<std::string>(messages.begin(), messages.end()),
            std::set<std::string>{CannotShowPicture});
}

// The working folder loses its read permission for the program's user, and
// one package loses it first. For root permissions do not count, so then the
// program runs as nobody in a child.
TEST(DayFolderTest, AFolderThatCannotBeReadIsSaidAndTheDayComesBackWithIt) {
  ChildOutcome outcome = RunInChild(
      [] {
        TProgram program;
        testsupport::FreshStartOnMarchFirst2023(ResetProgramState, program.day);
        testsupport::ConfigSandbox sandbox;
        testsupport::TempDir packages;
        testsupport::WorkingDirectory cwd{packages.Path()};
        HeadlessBackend backend;
        testpackage::PackageLayout layout;
        layout.Entries[59] = {"Alpha text"};
        packages.Write("A.QXP", testpackage::BuildPackage(layout));
        layout.Entries[59] = {"Beta text"};
        packages.Write("B.QXP", testpackage::BuildPackage(layout));
        backend.Then([&] {
          EXPECT_EQ(EntryTexts(program.day), (std::set<std::string>{"Alpha text", "Beta text"}));
          chmod(packages.File("B.QXP").c_str(), 0);
          Reload();
          EXPECT_EQ(EntryTexts(program.day), (std::set<std::string>{"Alpha text"}));
          EXPECT_TRUE(backend.Messages().empty());
          chmod(packages.Path().c_str(), 0300); // may enter, may not list
          Reload();
          EXPECT_TRUE(EntryTexts(program.day).empty());
          chmod(packages.Path().c_str(), 0700);
          chmod(packages.File("B.QXP").c_str(), 0600);
          Reload();
          EXPECT_EQ(EntryTexts(program.day), (std::set<std::string>{"Alpha text", "Beta text"}));
          EXPECT_THAT(backend.Paint(*MainWindowHandle).DrawnLines(), HasSubstr("Beta text"));
        });
        TQXApp app(program);
        EXPECT_EQ(app.Run(), 0);
        ASSERT_EQ(backend.Messages().size(), 1u);
        EXPECT_EQ(backend.Messages()[0].Text,
                  "No package files were found in the current directory.");
      },
      /*asUnprivileged=*/true);
  if (outcome == ChildOutcome::CannotStart)
    GTEST_SKIP() << "could not become the user nobody";
  EXPECT_EQ(outcome, ChildOutcome::Passed);
}

// Fills the folder's file system to the last byte, on a small tmpfs of our
// own where the machine lets us mount one (root with a mount namespace of
// its own); false when it cannot.
bool FillSmallTmpfs(const testsupport::TempDir &folder, const std::vector<std::string> &names,
                    const std::vector<std::string> &contents) {
  if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0 ||
      mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("tmpfs", folder.Path().c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0)
    return false;
  for (std::size_t i = 0; i < names.size(); ++i)
    folder.Write(names[i], contents[i]);
  // What is left goes to a filler, up to the last block.
  std::FILE *filler = std::fopen(folder.File("FILLER").c_str(), "wb");
  const std::string block(512, 'f');
  while (filler != nullptr && std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
         std::fflush(filler) == 0) {
  }
  if (filler != nullptr)
    std::fclose(filler);
  return true;
}

// SELWARTH.TXT cannot take the day's text: the user hears it once in the run,
// with the reason, and the day is shown all the same. False when the full
// tmpfs could not be had.
bool CheckFullDisk(bool onTmpfs) {
  TProgram program;
  testsupport::FreshStartOnMarchFirst2023(ResetProgramState, program.day);
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir packages;
  testpackage::PackageLayout layout;
  layout.Entries[59] = {"Alpha text"};
  const std::string alpha = testpackage::BuildPackage(layout);
  layout.Entries[59] = {"Beta text"};
  const std::string beta = testpackage::BuildPackage(layout);
  if (onTmpfs) {
    if (!FillSmallTmpfs(packages, {"A.QXP", "B.QXP"}, {alpha, beta}))
      return false;
  } else {
    packages.Write("A.QXP", alpha);
    packages.Write("B.QXP", beta);
    fs::create_symlink("/dev/full", packages.File("SELWARTH.TXT"));
  }
  testsupport::WorkingDirectory cwd{packages.Path()};
  HeadlessBackend backend;
  program.settings.SaveFile = 1;
  backend.Then([&] {
    Reload();
    Reload();
    EXPECT_EQ(EntryTexts(program.day), (std::set<std::string>{"Alpha text", "Beta text"}));
    EXPECT_THAT(backend.Paint(*MainWindowHandle).DrawnLines(), HasSubstr("Beta text"));
  });
  TQXApp app(program);
  EXPECT_EQ(app.Run(), 0);
  std::vector<std::string> texts;
  for (const auto &message : backend.Messages())
    texts.push_back(message.Text);
  // A link to the full device is refused before anything is written.
  EXPECT_THAT(texts, ElementsAre(onTmpfs ? "The daily text could not be saved to SELWARTH.TXT: No "
                                           "space left on device."
                                         : "The daily text could not be saved to SELWARTH.TXT: it "
                                           "is a symbolic link, and the text is not written "
                                           "through one."));
  if (onTmpfs)
    umount2(packages.Path().c_str(), MNT_DETACH);
  return true;
}

TEST(FullDiskTest, TheTextFileOnAFullDeviceIsToldOnceAndTheDayStillShows) {
  EXPECT_TRUE(CheckFullDisk(/*onTmpfs=*/false));
}

TEST(FullDiskTest, TheTextFileOnAFullTmpfsIsToldOnceAndTheDayStillShows) {
  if (geteuid() != 0)
    GTEST_SKIP() << "mounting a tmpfs needs root";
  // In a child, so that the mount stays in a namespace of its own.
  ChildOutcome outcome = RunInChild([] {
    if (!CheckFullDisk(/*onTmpfs=*/true))
      _exit(77);
  });
  if (outcome == ChildOutcome::CannotStart)
    GTEST_SKIP() << "this machine lets no tmpfs be mounted";
  EXPECT_EQ(outcome, ChildOutcome::Passed);
}

} // namespace
} // namespace hardening
