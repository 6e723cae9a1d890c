// The day's passages read in the reader's Bible (Links > Read Passages), and
// Settings > Bible, with Debian's Bibles (sword-text-kjv, sword-text-web,
// sword-text-sparv) and Bibles made here with imp2vs.

#include "dialogs/reading_view.h"

#include <gtest/gtest.h>

#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "dialogs/bible_dialog.h"
#include "framework/application.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message.h"
#include "readings/reading_bible.h"
#include "resources/main_menu.h"
#include "resources/reading_ids.h"
#include "support/config_sandbox.h"
#include "support/day_entry_builder.h"
#include "support/layer_reset.h"
#include "support/scoped_environment.h"
#include "support/sword_module_builder.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace {

using Kind = TDocumentBlock::Kind;

// The window Ctrl+M is sent to: it notes the commands it is given.
class CommandTarget : public TWindow {
public:
  std::vector<unsigned> commands;

protected:
  bool Respond(const TMessage &msg) override {
    if (msg.Id != WM_COMMAND)
      return false;
    commands.push_back(static_cast<unsigned>(msg.WParam));
    return true;
  }
};

class ReadingViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetDialogsLayers();
    target.Create();
  }
  // Debian's three Bibles, and no other Bible of the machine's, in the
  // library the view reads.
  bool HaveDebianBibles() {
    return system.AddInstalledModule("engKJV2006eb") && system.AddInstalledModule("engWEB2015eb") &&
           system.AddInstalledModule("spaRV1909eb");
  }
  // The sample packages' day: a plan, a daily verse and a proverb.
  void SampleDay(const std::string &plan = "Morning: Genesis 1-2 / Evening: Matthew 1",
                 const std::string &verse = "- Isaiah 43:19",
                 const std::string &proverb = "Proverbs 1:7") {
    day.DayEntries = testsupport::Entry("Daily Verse - King James Version", "Behold", '-', verse);
    day.DayEntries->Next = testsupport::Entry("Through the Bible in a Year", plan);
    day.DayEntries->Next->Next =
        testsupport::Entry("Proverb of the Day", "The fear of the LORD", '~', proverb);
  }
  const TTextDocument &Document(TReadingView &view) {
    return TDocumentView(view, readpassages::PassageText).Document();
  }
  // Every block of a kind, as text.
  std::vector<std::string> Blocks(TReadingView &view, Kind kind) {
    std::vector<std::string> texts;
    for (const TDocumentBlock &block : Document(view).blocks)
      if (block.kind == kind)
        texts.push_back(block.Text());
    return texts;
  }

  Settings settings;
  DayState day;
  TBibleShelf shelf;
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir home;
  testsupport::ScopedEnvironment homeIs{"HOME", home.Path().string()};
  testsupport::ScopedEnvironment noSwordPath{"SWORD_PATH", std::nullopt};
  testsupport::SwordSystemLibrary system;
  HeadlessBackend backend;
  CommandTarget target;
};

TEST_F(ReadingViewTest, TheDaysPassagesAreReadUnderTheirHeadingsWithTheirVerseNumbers) {
  if (!HaveDebianBibles())
    GTEST_SKIP() << "sword-text-kjv, sword-text-web and sword-text-sparv are not installed";
  SampleDay();
  TReadingView view(&target, settings, day, shelf);
  view.Create();
  EXPECT_EQ(backend.CaptionOf(view), "Passages of the Day - KJV");
  EXPECT_EQ(Blocks(view, Kind::Heading),
            (std::vector<std::string>{"Morning: Genesis 1-2", "Evening: Matthew 1",
                                      "Daily Verse: Isaiah 43:19", "Proverb: Proverbs 1:7"}));
  // Chapters are headed only where a passage runs over several.
  EXPECT_EQ(Blocks(view, Kind::Subheading), (std::vector<std::string>{"Genesis 1", "Genesis 2"}));
  EXPECT_TRUE(Blocks(view, Kind::Notice).empty());
  const std::vector<std::string> verses = Blocks(view, Kind::Paragraph);
  EXPECT_EQ(verses.size(), 31u + 25u + 25u + 1u + 1u);
  EXPECT_EQ(verses[0], "1 In the beginning God created the heaven and the earth.");
  const std::string text = Document(view).PlainText();
  EXPECT_TRUE(text.starts_with("Morning: Genesis 1-2\nGenesis 1\n1 In the beginning")) << text;
  EXPECT_NE(text.find("\n\nEvening: Matthew 1\n1 The book of the generation"), std::string::npos);
  EXPECT_EQ(text.find("<"), std::string::npos);
  EXPECT_EQ(text.find("strong"), std::string::npos);
  // The translators' addition in italics, the verse number set off.
  const TDocumentBlock &second = Document(view).blocks[3];
  ASSERT_GE(second.runs.size(), 3u);
  EXPECT_TRUE(second.runs[0].verseNumber);
  EXPECT_EQ(second.runs[2].text, "was");
  EXPECT_TRUE(second.runs[2].italic);
}

// With none stored, the Bible in the interface's language; a stored one is
// read whatever the language; Settings > Bible stores the chosen module.
TEST_F(ReadingViewTest, TheBibleIsTheStoredOneElseTheInterfacesLanguagesOne) {
  if (!HaveDebianBibles())
    GTEST_SKIP() << "sword-text-kjv, sword-text-web and sword-text-sparv are not installed";
  SampleDay();
  backend.SetInterfaceLanguage("es");
  TReadingView view(&target, settings, day, shelf);
  view.Create();
  EXPECT_EQ(backend.CaptionOf(view), "Passages of the Day - RV1909");
  EXPECT_EQ(Blocks(view, Kind::Heading)[0], "Morning: G\xC3\xA9nesis 1-2");
  EXPECT_TRUE(Blocks(view, Kind::Paragraph)[0].starts_with("1 EN el principio cri\xC3\xB3 Dios"));

  backend.InDialog("BIBLE", [](TDialog &d) {
    TListBox list(d, bible::BibleList);
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i)
      items.push_back(list.GetString(i));
    EXPECT_EQ(items, (std::vector<std::string>{"KJV", "WEB", "RV1909"}));
    EXPECT_EQ(d.Control(bible::BibleList)->ItemNames[1],
              "WEB - World English Bible with Deuterocanon");
    EXPECT_EQ(list.GetSelIndex(), 2); // the one read now
    d.UserSelect(bible::BibleList, 1);
    d.UserClick(IDOK);
  });
  EXPECT_EQ(TBibleDialog(nullptr, settings).Execute(), IDOK);
  EXPECT_EQ(settings.ReadingBible, "engWEB2015eb");
  EXPECT_EQ(ReadSettingText("ReadingBible", "", ReadingBibleBuffer), "engWEB2015eb");
  view.Refresh();
  EXPECT_EQ(backend.CaptionOf(view), "Passages of the Day - WEB");
  EXPECT_TRUE(Blocks(view, Kind::Paragraph)[0].starts_with(
      "1 In the beginning, God created the heavens and the earth."));
}

// A reference the Bible cannot read is told, and the rest is read: never
// another chapter or verse in its place.
TEST_F(ReadingViewTest, WhatCannotBeReadIsToldAndTheRestShown) {
  if (!HaveDebianBibles())
    GTEST_SKIP() << "sword-text-kjv is not installed";
  SampleDay("Morning: Genesis 51 / Evening: Matthew 1; Hezekiah 2", "- John 3:37",
            "Proverbs 1:7-40");
  TReadingView view(&target, settings, day, shelf);
  view.Create();
  EXPECT_EQ(Blocks(view, Kind::Notice),
            (std::vector<std::string>{
                "Genesis 51 cannot be read as a passage of the Bible.",
                "Hezekiah 2 cannot be read as a passage of the Bible.",
                "John 3:37 cannot be read: in the King James Version, John 3 has 36 verses.",
                "Proverbs 1:7-40 cannot be read: in the King James Version, Proverbs 1 has 33 "
                "verses."}));
  EXPECT_EQ(Blocks(view, Kind::Paragraph).size(), 25u); // Matthew 1 alone
}

TEST_F(ReadingViewTest, TheKeysCopyMarkTheDayReadZoomAndClose) {
  if (!HaveDebianBibles())
    GTEST_SKIP() << "sword-text-kjv is not installed";
  SampleDay();
  TReadingView view(&target, settings, day, shelf);
  view.Create();
  EXPECT_TRUE(view.KeyDown({0, CtrlCharacter('C'), true}));
  EXPECT_EQ(backend.ClipboardText(), Document(view).PlainText());
  EXPECT_TRUE(view.KeyDown({0, CtrlCharacter('M'), true}));
  MessageQueue().DispatchPending();
  EXPECT_EQ(target.commands, (std::vector<unsigned>{CM_MARKREAD}));

  TDocumentView text(view, readpassages::PassageText);
  for (int i = 0; i < 40; ++i)
    view.KeyDown({VK_OEM_PLUS, 0, true});
  EXPECT_EQ(text.Zoom(), TReadingView::MaxZoom);
  view.KeyDown({VK_0, 0, true});
  EXPECT_EQ(text.Zoom(), 100);
  for (int i = 0; i < 40; ++i)
    view.KeyDown({VK_OEM_MINUS, 0, true});
  EXPECT_EQ(text.Zoom(), TReadingView::MinZoom);
  EXPECT_FALSE(view.KeyDown({0, CtrlCharacter('N'), true}));

  view.UserCancel(); // Escape
  EXPECT_FALSE(view.IsCreated());
}

// With no Bible the view says so; a Bible whose files are harmful is not
// read, and the view says why.
TEST_F(ReadingViewTest, ABibleThatCannotBeReadIsTold) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2vs is not installed (libsword-utils)";
  SampleDay();
  {
    TReadingView view(&target, settings, day, shelf);
    view.Create();
    EXPECT_EQ(Blocks(view, Kind::Notice),
              (std::vector<std::string>{"No Bible of the SWORD library is installed."}));
  }
  testsupport::BuiltModule built = testsupport::BuildBible(
      system.Root(), "Harmed", "$$$Gen 1:1\nIn the beginning.\n", "Abbreviation=HRM\n");
  std::filesystem::resize_file(built.dataPath / "ot.bzz", 2);
  TReadingView view(&target, settings, day, shelf);
  view.Create();
  EXPECT_EQ(backend.CaptionOf(view), "Passages of the Day - HRM");
  EXPECT_EQ(Blocks(view, Kind::Notice),
            (std::vector<std::string>{"The index ot.bzs of Harmed points past its text."}));
}

TEST_F(ReadingViewTest, ADayWithoutPassagesSaysSo) {
  if (!HaveDebianBibles())
    GTEST_SKIP() << "sword-text-kjv is not installed";
  day.DayEntries = testsupport::Entry("Daily Bible Quiz", "Who?", '\\', "Noah (Genesis 6:14)");
  TReadingView view(&target, settings, day, shelf);
  view.Create();
  EXPECT_EQ(Blocks(view, Kind::Notice),
            (std::vector<std::string>{"None of the day's packages names a passage to read."}));
}

} // namespace
