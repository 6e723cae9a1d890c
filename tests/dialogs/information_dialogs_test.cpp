#include <gtest/gtest.h>

#include <filesystem>

#include "content/day_state.h"
#include "content/settings.h"
#include "dialogs/about_dialogs.h"
#include "dialogs/references_dialog.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/about_ids.h"
#include "resources/reference_ids.h"
#include "support/config_sandbox.h"
#include "support/devotional_library.h"
#include "support/layer_reset.h"
#include "support/prepared_settings.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

class InformationDialogTest : public ::testing::Test {
protected:
  void SetUp() override { testsupport::ResetDialogsLayers(); }
  void CopyPicture(const std::string &name, const std::string &as) {
    std::filesystem::copy_file(std::filesystem::path(testsupport::SourceTree()) / "packages" /
                                   "pictures" / name,
                               folder.Path() / as);
  }
  // A picture of one colour, drawn by ImageMagick.
  void DrawPicture(const std::string &name, const std::string &size) {
    const auto drawn = testsupport::RunProcess("/usr/bin/convert",
                                               {"-size", size, "xc:#2050a0", "-type", "Palette",
                                                "-compress", "none", "BMP3:" + folder.File(name)});
    ASSERT_EQ(drawn.exitStatus, 0) << drawn.errors;
  }
  // What the program would lend the dialogs.
  Settings settings;
  DayState day;
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
  testsupport::DevotionalLibrary library;
  HeadlessBackend backend;
};

TEST_F(InformationDialogTest, ReferencesShowTheTopLeftBlockOfTheChosenPicture) {
  DrawPicture("LANDS.QXR", "396x528");
  DrawPicture("a-very-long-reference-name.QXR", "600x300");
  settings.Topmost = 1;
  TReferencesDialog dialog(nullptr, settings);
  dialog.Create();
  EXPECT_TRUE(dialog.IsCreated());
  EXPECT_TRUE(backend.IsTopmost(dialog));
  TListBox list(dialog, reference::FileList);
  ASSERT_EQ(list.GetCount(), 2);

  dialog.UserClick(reference::ShowButton); // nothing selected yet
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text, "First highlight a reference to show.");

  dialog.UserDoubleClick(reference::FileList, 1); // LANDS.QXR, 396 x 528
  const TControlState &picture = *dialog.Control(reference::PictureControl);
  EXPECT_EQ(dialog.ShownName(), "LANDS.QXR");
  EXPECT_EQ(picture.Picture.Width, 325);
  EXPECT_EQ(picture.Picture.Height, 325);
  EXPECT_EQ(PictureOrigin(picture, 326, 326), (TPoint{0, 0}));
  EXPECT_EQ(PictureOrigin(picture, 330, 320), (TPoint{2, -3}));

  dialog.UserSelect(reference::FileList, 0); // 600 x 300, under a long name
  dialog.UserClick(reference::ShowButton);
  EXPECT_EQ(dialog.ShownName(), "a-very-long-reference-name.QXR");
  EXPECT_EQ(picture.Picture.Width, 325);
  EXPECT_EQ(picture.Picture.Height, 300); // a smaller picture fills part of the square

  dialog.UserClick(IDCANCEL);
  EXPECT_FALSE(dialog.IsCreated());
  EXPECT_FALSE(dialog.IsCreated());
}

TEST_F(InformationDialogTest, AnUnreadablePictureIsReportedAndShowsNothing) {
  CopyPicture("TABERNAC.QXR", "GOOD.QXR");
  folder.Write("BAD.QXR", "BM this is not a picture");
  TReferencesDialog dialog(nullptr, settings);
  dialog.Create();
  dialog.UserDoubleClick(reference::FileList, 1); // GOOD.QXR
  ASSERT_FALSE(dialog.Control(reference::PictureControl)->Picture.Empty());
  dialog.UserDoubleClick(reference::FileList, 0); // BAD.QXR
  EXPECT_TRUE(dialog.Control(reference::PictureControl)->Picture.Empty());
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text, "The reference picture could not be read.");
  EXPECT_EQ(backend.Messages()[0].Caption, "Oops...");
  EXPECT_TRUE(dialog.IsCreated());
  dialog.Destroy();
}

TEST_F(InformationDialogTest, AboutPackagesListsEveryPackageWithItsDescription) {
  testpackage::PackageLayout layout;
  layout.Titles = {"Daily Verse"};
  layout.Description = "One verse for every day";
  folder.Write("a.qxp", testpackage::BuildPackage(layout));
  layout.Titles = {"Quiz"};
  layout.Description = "Questions";
  folder.Write("b.off", testpackage::BuildPackage(layout));
  backend.InDialog("ABOUTPACKAGES", [](TDialog &d) {
    TListBox list(d, aboutpackages::PackageList);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetSelIndex(), 0);
    EXPECT_EQ(TEdit(d, aboutpackages::DescriptionEdit).GetText(),
              "Daily Verse: One verse for every day");
    d.UserSelect(aboutpackages::PackageList, 1);
    EXPECT_EQ(TEdit(d, aboutpackages::DescriptionEdit).GetText(), "Quiz: Questions");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(TAboutPackagesDialog(nullptr).Execute(), IDOK);
}

// The devotionals are listed with the packages, turned off or not; a package
// whose name is longer than the list's old field is described all the same.
TEST_F(InformationDialogTest, AboutPackagesListsTheDevotionalsWithThePackages) {
  testpackage::PackageLayout layout;
  layout.Titles = {"Daily Verse"};
  layout.Description = "One verse for every day";
  const std::string longName = std::string(120, 'z') + ".QXP";
  folder.Write(longName, testpackage::BuildPackage(layout));
  folder.Write("b.off", testpackage::BuildPackage(layout));
  folder.Write("notes.sword", "not a package");
  library.AddDevotional("DailyLight", "Daily Light on the Daily Path");
  library.AddDevotional("Grace", "Morning by Morning");
  WriteSettingInt("grace.sword_enabled", 0);
  backend.InDialog("ABOUTPACKAGES", [&](TDialog &d) {
    TListBox list(d, aboutpackages::PackageList);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetString(0), "b.off");
    EXPECT_EQ(list.GetString(1), "DailyLight.sword");
    EXPECT_EQ(list.GetString(2), "Grace.sword");
    EXPECT_EQ(list.GetString(3), longName);
    // A devotional's Description leads; where its files cannot be read the
    // reason follows it.
    d.UserSelect(aboutpackages::PackageList, 1);
    EXPECT_EQ(TEdit(d, aboutpackages::DescriptionEdit)
                  .GetText()
                  .rfind("Daily Light on the Daily Path", 0),
              0u);
    d.UserSelect(aboutpackages::PackageList, 2);
    EXPECT_EQ(TEdit(d, aboutpackages::DescriptionEdit).GetText().rfind("Morning by Morning", 0),
              0u);
    d.UserSelect(aboutpackages::PackageList, 3);
    EXPECT_EQ(TEdit(d, aboutpackages::DescriptionEdit).GetText(),
              "Daily Verse: One verse for every day");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(TAboutPackagesDialog(nullptr).Execute(), IDOK);
}

TEST_F(InformationDialogTest, AboutPackagesSaysWhenThereIsNone) {
  backend.InDialog("ABOUTPACKAGES", [](TDialog &d) {
    EXPECT_EQ(TListBox(d, aboutpackages::PackageList).GetCount(), 0);
    EXPECT_EQ(TEdit(d, aboutpackages::DescriptionEdit).GetText(),
              "No Selwarth packages were found in the current directory.");
  });
  TAboutPackagesDialog(nullptr).Execute();
}

TEST_F(InformationDialogTest, AboutShowsTheVersionAndPlatform) {
  backend.InDialog("ABOUTSELWARTH", [](TDialog &d) {
    EXPECT_EQ(TStatic(d, aboutselwarth::VersionStatic).GetText(), "Version 2.20");
    EXPECT_EQ(TStatic(d, aboutselwarth::PlatformStatic).GetText(), "for Linux");
    EXPECT_EQ(d.Title(), "About Selwarth for Linux");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(TAboutSelwarthDialog(nullptr).Execute(), IDOK);
}

} // namespace
