// The main window from the keyboard and its scrolling, on the headless
// backend: the scroll keys, a position pulled back by a shorter range, and
// the menu key that brings hidden menus back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/verse_window.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/frame_window.h"
#include "resources/main_menu.h"
#include "support/main_window_fixture.h"
#include "support/package_bytes.h"

namespace {

class VerseKeyboardTest : public testsupport::MainWindowTest {
protected:
  // Ten packages of two long words each: far taller than a small window.
  void AddLongDay() {
    testpackage::PackageLayout longText;
    longText.Entries[59] = {std::string(120, 'w') + " " + std::string(120, 'w')};
    for (char c = 'A'; c <= 'J'; ++c)
      packages.Write(std::string(1, c) + ".QXP", testpackage::BuildPackage(longText));
  }
  // Makes the window 400 x 100 and paints it, which sets the scroll range.
  void SmallWindowPainted() {
    backend.Resize(Frame(), 400, 100);
    backend.Paint(Verse());
  }
  void Press(unsigned key, bool ctrl = false) {
    backend.PressKey(Frame(), TKeyPress{key, 0, ctrl});
  }
};

TEST_F(VerseKeyboardTest, TheKeysScrollTheTextAsTheScrollBarDoes) {
  AddLongDay();
  Run({[&] {
    SmallWindowPainted();
    const int range = Verse().Scroller->YRange;
    const int page = (100 + 1) / 4 - 1; // 4-pixel units of a 100-pixel window, less one
    ASSERT_GT(range, 2 * page);
    struct Step {
      unsigned key;
      bool ctrl;
      int position;
    };
    const std::vector<Step> steps = {
        {VK_DOWN, false, 1},        {VK_DOWN, false, 2},    {VK_UP, false, 1},
        {VK_NEXT, false, 1 + page}, {VK_PRIOR, false, 1},   {VK_PRIOR, false, 0},
        {VK_UP, false, 0},          {VK_END, false, range}, {VK_DOWN, false, range},
        {VK_HOME, true, range}, // Ctrl+Home is Day Reset (disabled today), not a scroll
        {VK_HOME, false, 0},        {VK_DOWN, true, 0}, // Ctrl+Down is no scroll key
    };
    for (const Step &step : steps) {
      const int before = Verse().Scroller->YPos;
      const int invalidations = backend.InvalidationsOf(Verse());
      Press(step.key, step.ctrl);
      EXPECT_EQ(Verse().Scroller->YPos, step.position) << "key " << step.key;
      // Only a move repaints.
      EXPECT_EQ(backend.InvalidationsOf(Verse()) > invalidations, step.position != before)
          << "key " << step.key;
    }
  }});
}

TEST_F(VerseKeyboardTest, APositionPulledBackByAShorterRangeIsPaintedAgain) {
  AddLongDay();
  Run({[&] {
    SmallWindowPainted();
    Verse().HandleMessage(TMessage{WM_VSCROLL, SB_BOTTOM, 0});
    ASSERT_GT(Verse().Scroller->YPos, 0);
    // A window tall enough for the whole day: the range becomes 0 at the
    // next paint, and that paint still used the old position.
    backend.Resize(Frame(), 400, 4000);
    backend.Paint(Verse());
    EXPECT_EQ(Verse().Scroller->YRange, 0);
    EXPECT_EQ(Verse().Scroller->YPos, 0);
    const int invalidations = backend.InvalidationsOf(Verse());
    backend.Paint(Verse());
    EXPECT_EQ(backend.InvalidationsOf(Verse()), invalidations) << "painted again and again";
  }});
}

TEST_F(VerseKeyboardTest, TheRangeStayingPutDoesNotRepaint) {
  AddLongDay();
  Run({[&] {
    SmallWindowPainted();
    Verse().HandleMessage(TMessage{WM_VSCROLL, SB_LINEDOWN, 0});
    backend.Resize(Frame(), 400, 100);
    const int invalidations = backend.InvalidationsOf(Verse());
    backend.Paint(Verse());
    EXPECT_EQ(Verse().Scroller->YPos, 1);
    EXPECT_EQ(backend.InvalidationsOf(Verse()), invalidations);
  }});
}

TEST_F(VerseKeyboardTest, AltOrF10BringsHiddenMenusBackAsTheDoubleClickDoes) {
  AddPackage("VERSE.QXP", "Daily Verse", "Love one another. -John 13:34", '-');
  settings.HideMenu = 1;
  std::vector<std::string> seen;
  auto note = [&] { seen.push_back(Frame().GetMenu() ? "menu" : "no menu"); };
  Run({[&] {
         note();
         Press(VK_F10);
       },
       [&] {
         note();
         Press(VK_F10); // with the menu shown the key leaves it alone
       },
       [&] {
         note();
         Frame().MenuCommand(CM_HIDEMENUS);
         note();
         Press(VK_MENU);
       },
       [&] {
         note();
         Frame().MenuCommand(CM_HIDEMENUS);
         Press(VK_MENU, true); // Ctrl+Alt is no menu key
       },
       [&] { note(); }});
  EXPECT_EQ(seen,
            (std::vector<std::string>{"no menu", "menu", "menu", "no menu", "menu", "no menu"}));
  EXPECT_EQ(ReadSettingInt("HideMenu", -1), 1);
}

} // namespace
