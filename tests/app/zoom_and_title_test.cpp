// The verse window's zoom (keys, wheel, menu, the key that keeps it) and the
// title that names the shown day while it is not today.

#include <gtest/gtest.h>

#include "content/settings_file.h"
#include "resources/main_menu.h"
#include "support/main_window_fixture.h"
#include "support/prepared_settings.h"

namespace {

class ZoomAndTitleTest : public testsupport::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    AddPackage("A.QXP", "Verse", "Love one another. -John 13:34", '-');
    AddPackage("B.QXP", "Plan", "Morning: Genesis 1");
    WriteSettingInt("a.qxp_fontsize", 20);
    settings.BlankLines = 1;
  }

  // The font height and y of each heading drawn ("Verse", "Plan").
  std::vector<std::pair<int, int>> Headings() {
    HeadlessDC dc = backend.Paint(Verse());
    std::vector<std::pair<int, int>> headings;
    for (const auto &drawn : dc.Drawn())
      if (drawn.text == "Verse" || drawn.text == "Plan")
        headings.push_back({drawn.font.Height, drawn.y});
    return headings;
  }
  void Key(unsigned virtualKey) { backend.PressKey(Frame(), TKeyPress{virtualKey, 0, true}); }
  // The item texts of the main menu's popup, "-" for a separator.
  static std::vector<std::string> PopupTexts(const std::string &popup) {
    const TMenu menu = MainMenu();
    std::vector<std::string> texts;
    for (const TMenuItem &item : menu.Bar())
      if (item.Text == popup)
        for (const TMenuItem &entry : item.Popup)
          texts.push_back(entry.Separator ? "-" : entry.Text);
    return texts;
  }
  void Wheel(int delta, std::uintptr_t keys) {
    Verse().HandleMessage(TMessage{WM_MOUSEWHEEL, MouseWheelParam(delta, keys), 0});
  }
};

TEST_F(ZoomAndTitleTest, ZoomScalesTextAndGapsAndIsKeptInItsOwnKey) {
  Run({[&] {
    // The file as the start left it (it notes the day the window was shown).
    const std::string before = testsupport::ReadFileBytes(sandbox.SettingsPath());
    backend.Resize(Frame(), 1000, 600);
    const auto normal = Headings();
    ASSERT_EQ(normal.size(), 2u);
    EXPECT_EQ(normal[0].first, 20);
    EXPECT_FALSE(Enabled(CM_ZOOMRESET));

    Key(VK_OEM_PLUS);
    EXPECT_EQ(settings.Zoom, 110);
    EXPECT_EQ(Headings()[0].first, 22);
    // Only the new key was added to the file.
    EXPECT_EQ(testsupport::ReadFileBytes(sandbox.SettingsPath()), before + "Zoom=110\n");
    Key(VK_OEM_MINUS);
    Key(VK_OEM_MINUS);
    EXPECT_EQ(settings.Zoom, 90);
    EXPECT_EQ(Headings()[0].first, 18);

    // Two notches with Ctrl held, in small turns; without Ctrl nothing.
    for (int i = 0; i < 4; ++i)
      Wheel(WHEEL_DELTA / 2, MK_CONTROL);
    EXPECT_EQ(settings.Zoom, 110);
    Wheel(-WHEEL_DELTA, 0);
    EXPECT_EQ(settings.Zoom, 110);

    // Headings, bodies, trailers and gaps all scale: at 200 % the second
    // heading lies twice as far down.
    Frame().MenuCommand(CM_ZOOMRESET);
    for (int i = 0; i < 5; ++i) // 110, 125, 150, 175, 200
      Frame().MenuCommand(CM_ZOOMIN);
    ASSERT_EQ(settings.Zoom, 200);
    const auto doubled = Headings();
    EXPECT_EQ(doubled[0].first, 40);
    EXPECT_EQ(doubled[1].first, 20);
    EXPECT_EQ(doubled[1].second, 2 * normal[1].second);

    for (int i = 0; i < 10; ++i)
      Key(VK_OEM_PLUS);
    EXPECT_EQ(settings.Zoom, MaxZoom);
    EXPECT_FALSE(Enabled(CM_ZOOMIN));
    Key(VK_0);
    EXPECT_EQ(settings.Zoom, NormalZoom);
    for (int i = 0; i < 10; ++i)
      Wheel(-WHEEL_DELTA, MK_CONTROL);
    EXPECT_EQ(settings.Zoom, MinZoom);
    EXPECT_FALSE(Enabled(CM_ZOOMOUT));
    Key(VK_OEM_PLUS);
  }});
  // Kept for the next start, which reads it with the other keys.
  EXPECT_EQ(ReadSettingInt("Zoom", 0), 67);
}

TEST_F(ZoomAndTitleTest, TheZoomItemsFollowTheOptionsMenusItemsWithTheirKeys) {
  EXPECT_EQ(
      PopupTexts("&Options"),
      (std::vector<std::string>{"&References...\tCtrl+R", "&Show Answers\tCtrl+A", "&Hide Menus",
                                "&Mark Reading as Read\tCtrl+M", "Mark &Earlier Days as Read",
                                "C&alendar...\tCtrl+L", "-", "&Copy Text\tCtrl+C", "-",
                                "Zoom &In\tCtrl++", "Zoom &Out\tCtrl+-", "&Normal Size\tCtrl+0"}));
  // The other menus' keys, each shown as the accelerator table sends it.
  EXPECT_EQ(PopupTexts("&File"), (std::vector<std::string>{"&New\tCtrl+N", "E&xit"}));
  EXPECT_EQ(PopupTexts("&Settings"),
            (std::vector<std::string>{"&Packages...\tCtrl+K", "Pro&gram...\tCtrl+G",
                                      "&Start Date...\tCtrl+D", "&DDE...", "B&ible...",
                                      "Re&minder...", "-", "Day &Backward\tCtrl+Left",
                                      "Day &Forward\tCtrl+Right", "Day &Reset\tCtrl+Home", "-",
                                      "Catch &Up Reading Plan", "Start &Over Reading Plan"}));
  EXPECT_EQ(PopupTexts("&Links").back(), "&Read Passages\tCtrl+B");
}

TEST_F(ZoomAndTitleTest, TheTitleNamesTheShownDayWhileItIsNotToday) {
  Run({[&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth");
         Key(VK_LEFT);
       },
       [&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth \x97 Tue Feb 28, 2023");
         Key(VK_RIGHT);
         Key(VK_RIGHT);
       },
       [&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth \x97 Thu Mar 2, 2023");
         Key(VK_HOME);
       },
       [&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth");
         // Past midnight without a reload the window still shows yesterday;
         // the menu's date item shows today.
         settings.UpdateDaily = 0;
         testsupport::SetDate(2023, 3, 2);
         backend.FireTimer(Verse(), DayTimer);
       },
       [&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth \x97 Wed Mar 1, 2023");
         Frame().MenuCommand(CM_NEW);
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth");
       }});
}

} // namespace
