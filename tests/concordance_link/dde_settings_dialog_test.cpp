// The DDE Settings dialog driven by a scripted user, against the stand-in
// server started under each kind's service name.

#include "concordance_link/dde_settings_dialog.h"

#include <gmock/gmock.h>

#include "concordance_link/xiphos_link.h"
#include "content/settings_file.h"
#include "dde_fixture.h"
#include "framework/message_box.h"
#include "framework/session_bus.h"
#include "resources/dde_settings_ids.h"
#include "support/sword_system_library.h"

namespace {

using ::testing::ElementsAre;
using testsupport::StartConcordance;
using namespace ddesettings;

// A main window stand-in: a window that holds the conversation slot.
class SlotWindow : public TWindow, public TConversationSlot {};

class DdeSettingsDialogTest : public ddetest::DdeClientTest {
protected:
  void SetUp() override {
    DdeClientTest::SetUp();
    window.Instance = &inst;
    ddetest::CallbackSlot = &window;
  }
  void TearDown() override {
    EXPECT_EQ(window.HConv, 0u);
    DdeClientTest::TearDown();
  }
  int Run() { return TDDESettingsDialog(&window, settings).Execute(); }
  void Step(std::function<void(TDialog &)> step) {
    backend.InDialog("DDESETTINGS", std::move(step));
  }

  static int Checked(TDialog &d) {
    for (int id = DdeLogosRadio; id <= DdeNoneRadio; ++id)
      if (TButton(d, id).GetCheck() == BF_CHECKED)
        return id;
    return 0;
  }
  static std::vector<std::string> Items(TDialog &d) {
    TListBox list(d, DdeTranslationList);
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i)
      items.push_back(list.GetString(i));
    return items;
  }
  static std::string Selected(TDialog &d) {
    TListBox list(d, DdeTranslationList);
    return list.GetSelIndex() < 0 ? "<none>" : list.GetString(list.GetSelIndex());
  }
  static bool ReadOnly(TDialog &d) {
    return (d.Control(DdeIdEdit)->Template.Style & ES_READONLY) != 0;
  }
  std::string Stored(const char *key) { return ReadSettingText(key, "<absent>", 20); }

  SlotWindow window;
  // Only the Bibles a test writes, whatever this machine has installed.
  testsupport::SwordSystemLibrary noneOfTheMachines;
};

// What a server other than Logos sees: checked on "Verses" without a
// request, then the list on "Verses".
const std::vector<std::string> CheckedThenListedOnVerses = {
    "CONNECT\tVerses\t\t", "DISCONNECT\t\t\t", "CONNECT\tVerses\t\t", "DISCONNECT\t\t\t"};

// What a Logos server sees whose version passes and that counts three
// translations (or claims more and can name only three).
const std::vector<std::string> LogosCheckedThenThreeListed = {
    "CONNECT\tSystem\t\t",      "REQUEST\tSystem\tVersion\t",   "DISCONNECT\t\t\t",
    "CONNECT\tData\t\t",        "REQUEST\tData\tNumVersions\t", "REQUEST\tData\tVerAbr0\t",
    "REQUEST\tData\tVerAbr1\t", "REQUEST\tData\tVerAbr2\t",     "DISCONNECT\t\t\t"};

// A saved server opens checked under its kind, with its translations listed
// and the saved one chosen; OK stores the names as the dialog shows them.
struct SavedServerCase {
  const char *What;
  const char *SavedServer;
  const char *SavedTranslation;
  const char *Service; // the name the stand-in serves
  int Radio;
  const char *IdText;
  bool IdReadOnly;
};

class DdeSettingsSavedServerTest : public DdeSettingsDialogTest,
                                   public ::testing::WithParamInterface<SavedServerCase> {};

TEST_P(DdeSettingsSavedServerTest, OpensCheckedWithTheSavedTranslation) {
  const SavedServerCase &c = GetParam();
  settings.ConcordanceServer = c.SavedServer;
  settings.ConcordanceTranslation = c.SavedTranslation;
  auto server = StartConcordance(c.Service, {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Step([&c](TDialog &d) {
    EXPECT_EQ(Checked(d), c.Radio);
    EXPECT_EQ(TEdit(d, DdeIdEdit).GetText(), c.IdText);
    EXPECT_EQ(ReadOnly(d), c.IdReadOnly);
    EXPECT_THAT(Items(d), ElementsAre("Default"));
    EXPECT_EQ(Selected(d), "Default");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_TRUE((Messages()).empty());
  EXPECT_EQ(settings.ConcordanceServer, c.IdText);
  EXPECT_EQ(settings.ConcordanceTranslation, "Default");
  EXPECT_EQ(Stored("ConcordanceServer"), c.IdText);
  EXPECT_EQ(Stored("ConcordanceTranslation"), "Default");
  // Checked, then listed: for Other that is the automatic retry.
  EXPECT_EQ(SettledLog(), CheckedThenListedOnVerses);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DdeSettingsSavedServerTest,
    ::testing::Values(SavedServerCase{"QuickVerseInAnyCase", "qvwin", "default", "QVWIN",
                                      DdeQuickVerseRadio, "QVWIN", true},
                      SavedServerCase{"AnOtherServer", "MyBible", "Default", "MyBible",
                                      DdeOtherRadio, "MyBible", false}),
    [](const auto &info) { return std::string(info.param.What); });

// A chosen kind whose server is too old, not compatible or not there: the
// dialog says why and falls back to None.
struct FallBackCase {
  const char *What;
  const char *Service; // nullptr: no server runs
  std::vector<std::string> Arguments;
  int Radio;
  const char *OtherName; // with Other: typed into the DDE Id box before Retry
  const char *Message;
  const char *Caption;
  unsigned Style;
  const char *Version; // the version the check took, or nullptr when none
};

class DdeSettingsFallBackTest : public DdeSettingsDialogTest,
                                public ::testing::WithParamInterface<FallBackCase> {};

TEST_P(DdeSettingsFallBackTest, SaysWhyAndFallsBackToNone) {
  const FallBackCase &c = GetParam();
  std::unique_ptr<testsupport::BackgroundProcess> server;
  if (c.Service != nullptr) {
    server = StartConcordance(c.Service, c.Arguments);
    ASSERT_NE(server, nullptr);
  }
  Step([&c](TDialog &d) {
    EXPECT_EQ(Checked(d), DdeNoneRadio); // nothing configured
    d.UserClick(c.Radio);
    if (c.OtherName != nullptr) {
      d.UserType(DdeIdEdit, c.OtherName);
      d.UserClick(DdeRetryButton);
    }
  });
  Step([&c](TDialog &d) { // the posted None has run
    EXPECT_EQ(Checked(d), DdeNoneRadio);
    EXPECT_EQ(TEdit(d, DdeIdEdit).GetText(), "");
    EXPECT_TRUE((Items(d)).empty());
    EXPECT_EQ(static_cast<TDDESettingsDialog &>(d).ServerName(), "");
    if (c.Version != nullptr) {
      EXPECT_EQ(static_cast<TDDESettingsDialog &>(d).Version(), c.Version);
    }
  });
  Run();
  EXPECT_THAT(Messages(), ElementsAre(c.Message));
  ASSERT_FALSE(backend.Messages().empty());
  EXPECT_EQ(backend.Messages()[0].Caption, c.Caption);
  EXPECT_EQ(backend.Messages()[0].Style, c.Style);
}

const char *const TooOld = "DDE not available";

INSTANTIATE_TEST_SUITE_P(
    Kinds, DdeSettingsFallBackTest,
    ::testing::Values(FallBackCase{"AVersionBelowTheMinimum",
                                   "Logos",
                                   {"--version", "01.59"},
                                   DdeLogosRadio,
                                   nullptr,
                                   "Sorry, Selwarth needs Logos 1.60 or higher.",
                                   TooOld,
                                   MB_OK,
                                   "01.59"},
                      // A server of that name that does not answer "Version" within its
                      // time: taken as 1.0i, which is too old.
                      FallBackCase{"ASeedMasterThatDoesNotSayItsVersion",
                                   "SMW",
                                   {"--no-answer"},
                                   DdeSeedMasterRadio,
                                   nullptr,
                                   "Sorry, Selwarth needs SeedMaster 2.63 or higher.",
                                   TooOld,
                                   MB_OK,
                                   "1.0i"},
                      FallBackCase{
                          "AnOtherWithoutAVersion",
                          "Logos",
                          {"--version", ""},
                          DdeOtherRadio,
                          "LOGOS",
                          "Sorry, this program does not appear to be fully QuickVerse compatible.",
                          TooOld,
                          MB_OK,
                          nullptr},
                      FallBackCase{"AKindThatCannotBeReached",
                                   nullptr,
                                   {},
                                   DdeQuickVerseRadio,
                                   nullptr,
                                   "Unable to link with server.",
                                   "DDE Error",
                                   MB_ICONEXCLAMATION,
                                   nullptr}),
    [](const auto &info) { return std::string(info.param.What); });

TEST_F(DdeSettingsDialogTest, LogosListsItsTranslationsSortedWithTheSavedOnePreselected) {
  settings.ConcordanceServer = "Logos";
  settings.ConcordanceTranslation = "kj";
  auto server = StartConcordance(
      "Logos", {"--version", "01.60", "--translations", "WEB,KJV,ASV", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Step([](TDialog &d) {
    EXPECT_EQ(Checked(d), DdeLogosRadio);
    EXPECT_THAT(Items(d), ElementsAre("ASV", "KJV", "WEB"));
    EXPECT_EQ(Selected(d), "KJV");
    d.UserSelect(DdeTranslationList, 2);
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_TRUE((Messages()).empty());
  EXPECT_EQ(settings.ConcordanceServer, "Logos");
  EXPECT_EQ(settings.ConcordanceTranslation, "WEB");
  EXPECT_EQ(SettledLog(), LogosCheckedThenThreeListed);
}

TEST_F(DdeSettingsDialogTest, LogosVersionsCompareByteByByte) {
  struct Case {
    const char *version;
    bool accepted;
  };
  for (Case c : {Case{"01.60", true}, Case{"01.61", true}, Case{"1.50", true}, Case{"01.59", false},
                 Case{"01.5", false}}) {
    SCOPED_TRACE(c.version);
    auto server = StartConcordance("Logos", {"--version", c.version});
    ASSERT_NE(server, nullptr);
    std::size_t before = backend.Messages().size();
    bool accepted = false;
    std::string version;
    Step([&](TDialog &d) {
      d.UserClick(DdeLogosRadio);
      accepted = Checked(d) == DdeLogosRadio && !Items(d).empty();
      version = static_cast<TDDESettingsDialog &>(d).Version();
    });
    Run();
    EXPECT_EQ(accepted, c.accepted);
    EXPECT_EQ(version, c.version);
    if (!c.accepted) {
      ASSERT_EQ(backend.Messages().size(), before + 1);
      EXPECT_EQ(backend.Messages().back().Text, "Sorry, Selwarth needs Logos 1.60 or higher.");
      EXPECT_EQ(backend.Messages().back().Caption, "DDE not available");
    }
    server->Signal(SIGTERM);
    server->WaitForExit(std::chrono::seconds(60));
  }
}

TEST_F(DdeSettingsDialogTest, TheTranslationsStopAtTheFirstRequestThatFails) {
  // It counts a thousand translations but can name two.
  auto server = StartConcordance(
      "Logos", {"--translations", "KJV,WEB", "--claim-versions", "1000", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Step([](TDialog &d) {
    d.UserClick(DdeLogosRadio);
    EXPECT_THAT(Items(d), ElementsAre("KJV", "WEB"));
    d.UserCancel();
  });
  Run();
  EXPECT_EQ(SettledLog(), LogosCheckedThenThreeListed);
}

TEST_F(DdeSettingsDialogTest, TheStandInPassesTheCheckOfEveryNamedServer) {
  for (auto [radio, service] :
       {std::pair{DdeLogosRadio, "Logos"}, std::pair{DdeQuickVerseRadio, "QVWIN"},
        std::pair{DdeSeedMasterRadio, "SMW"}}) {
    auto server = StartConcordance(service, {}); // its own version
    ASSERT_NE(server, nullptr);
    Step([radio = radio](TDialog &d) {
      d.UserClick(radio);
      EXPECT_EQ(Checked(d), radio);
      EXPECT_FALSE((Items(d)).empty());
      d.UserCancel();
    });
    Run();
    EXPECT_TRUE((Messages()).empty()) << service;
  }
}

// A silent SeedMaster is taken as too old (a row of the fall-back cases).
TEST_F(DdeSettingsDialogTest, SeedMasterIsAskedItsVersion) {
  auto server = StartConcordance("SMW", {"--version", "2.70", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Step([](TDialog &d) {
    d.UserClick(DdeSeedMasterRadio);
    EXPECT_EQ(static_cast<TDDESettingsDialog &>(d).Version(), "2.70");
    EXPECT_THAT(Items(d), ElementsAre("Default"));
    EXPECT_EQ(Checked(d), DdeSeedMasterRadio);
  });
  Run();
  EXPECT_TRUE((Messages()).empty());
  EXPECT_THAT(SettledLog(),
              ElementsAre("CONNECT\tVerses\t\t", "REQUEST\tVerses\tVersion\t", "DISCONNECT\t\t\t",
                          "CONNECT\tVerses\t\t", "DISCONNECT\t\t\t"));
}

TEST_F(DdeSettingsDialogTest, OtherWithTheNameLogosIsTreatedAsLogos) {
  auto server = StartConcordance(
      "Logos", {"--version", "00.10", "--translations", "KJV", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Step([](TDialog &d) {
    d.UserClick(DdeOtherRadio);
    EXPECT_EQ(TEdit(d, DdeIdEdit).GetText(), "Enter name");
    EXPECT_FALSE(ReadOnly(d));
    d.UserType(DdeIdEdit, "logos");
    d.UserClick(DdeRetryButton);
    // No minimum version for Other.
    EXPECT_THAT(Items(d), ElementsAre("KJV"));
    d.UserSelect(DdeTranslationList, 0);
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(settings.ConcordanceServer, "logos");
  EXPECT_EQ(settings.ConcordanceTranslation, "KJV");
  EXPECT_THAT(SettledLog(),
              ElementsAre("CONNECT\tSystem\t\t", "REQUEST\tSystem\tVersion\t", "DISCONNECT\t\t\t",
                          "CONNECT\tData\t\t", "REQUEST\tData\tNumVersions\t",
                          "REQUEST\tData\tVerAbr0\t", "DISCONNECT\t\t\t"));
}

TEST_F(DdeSettingsDialogTest, RetryAsksForWhatIsMissing) {
  Step([](TDialog &d) {
    d.UserClick(DdeRetryButton); // None
    d.UserClick(DdeOtherRadio);
    d.UserClick(DdeRetryButton); // "Enter name"
    d.UserType(DdeIdEdit, "");
    d.UserClick(DdeRetryButton);
    d.UserType(DdeIdEdit, "AConcordanceNameOf20");
    d.UserClick(DdeRetryButton);
    d.UserType(DdeIdEdit, "Nobody");
    d.UserClick(DdeRetryButton); // cannot be reached: stays on Other
    EXPECT_EQ(Checked(d), DdeOtherRadio);
    d.UserClick(HelpButton);
    d.UserType(DdeIdEdit, "./QVWIN"); // the program in the packages folder
    d.UserClick(DdeRetryButton);
  });
  PutProgram("QVWIN", false);
  Run();
  ASSERT_EQ(backend.Messages().size(), 7u);
  EXPECT_EQ(Messages()[6], "The DDE Id \"./QVWIN\" holds a '/'. A DDE Id is the name of a "
                           "program alone, without a folder.");
  EXPECT_TRUE(StartedPids().empty());
  EXPECT_EQ(Messages()[0], "First select a concordance to connect to.");
  EXPECT_EQ(Messages()[1], "Please enter the server's name in the 'DDE Id' box first.");
  EXPECT_EQ(Messages()[2], Messages()[1]);
  EXPECT_EQ(Messages()[3], "The DDE Id \"AConcordanceNameOf20\" is too long. Selwarth can keep a "
                           "DDE Id of at most 19 characters.");
  EXPECT_EQ(Messages()[4], "Unable to link with server.");
  EXPECT_THAT(Messages()[5], ::testing::StartsWith("To select a Bible concordance server, first"));
  // What holds here: the program's folder on PATH, no ".EXE", Xiphos a choice.
  EXPECT_THAT(Messages()[5], ::testing::AllOf(::testing::HasSubstr("in a folder on your PATH"),
                                              ::testing::HasSubstr("Xiphos"),
                                              ::testing::Not(::testing::HasSubstr(".EXE"))));
  EXPECT_EQ(backend.Messages()[5].Caption, "Selecting a DDE Server");
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(backend.Messages()[i].Caption, "Oops...");
}

TEST_F(DdeSettingsDialogTest, RetryRepeatsTheCheckedKind) {
  settings.ConcordanceServer = "QVWIN";
  auto server = StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Step([](TDialog &d) { d.UserClick(DdeRetryButton); });
  Step([](TDialog &d) { EXPECT_THAT(Items(d), ElementsAre("Default")); });
  Run();
  EXPECT_EQ(SettledLog().size(), 8u); // two checks and two fillings
}

TEST_F(DdeSettingsDialogTest, OkNeedsATranslationUnlessNoneIsChosen) {
  settings.ConcordanceServer = "QVWIN";
  settings.ConcordanceTranslation = "KJV";
  auto server = StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  Step([](TDialog &d) {
    EXPECT_EQ(Selected(d), "<none>"); // no "KJV" offered
    d.UserClick(IDOK);
    EXPECT_FALSE(d.Ended());
    d.UserClick(DdeNoneRadio);
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_THAT(Messages(),
              ElementsAre("Please select the Bible translation you would like to use."));
  EXPECT_EQ(backend.Messages()[0].Caption, "Unable to accept settings");
  EXPECT_EQ(settings.ConcordanceServer, "");
  EXPECT_EQ(settings.ConcordanceTranslation, "");
  EXPECT_EQ(Stored("ConcordanceServer"), "");
  EXPECT_EQ(Stored("ConcordanceTranslation"), "");
}

TEST_F(DdeSettingsDialogTest, CancelKeepsTheSettings) {
  settings.ConcordanceServer = "QVWIN";
  settings.ConcordanceTranslation = "Default";
  auto server = StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  Step([](TDialog &d) {
    d.UserClick(DdeNoneRadio);
    d.UserCancel();
  });
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_EQ(settings.ConcordanceServer, "QVWIN");
  EXPECT_EQ(settings.ConcordanceTranslation, "Default");
  EXPECT_EQ(Stored("ConcordanceServer"), "<absent>");
}

TEST_F(DdeSettingsDialogTest, SettingsThatCannotBeSavedAreToldWithTheReason) {
  config.BlockFolder();
  Step([](TDialog &d) {
    d.UserClick(DdeNoneRadio);
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  ASSERT_EQ(Messages().size(), 1u);
  const std::string text = Messages()[0];
  EXPECT_EQ(text.rfind("The DDE settings could not be saved.\n", 0), 0u) << text;
  EXPECT_NE(text.find(config.Folder()), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("\nThey will be used until you exit.")) << text;
  EXPECT_EQ(backend.Messages()[0].Caption, "Dynamic Data Exchange Settings");
}

// Xiphos's name on the session bus, owned or not. The check only looks at
// the name: a call could reach a Xiphos still starting, which ends it.
class XiphosName : public SessionBus {
public:
  bool HasOwner(const std::string &name) override { return owned && name == "org.xiphos.remote"; }
  TBusReply Call(const TBusObject &, const std::string &method, const std::optional<std::string> &,
                 unsigned) override {
    ADD_FAILURE() << "the check called Xiphos: " << method;
    return {};
  }
  bool owned = false;
};

// Xiphos lists the Bibles it reads (here the user's own) by abbreviation,
// or by name where two share one, each with its full name for a screen
// reader; the saved one is chosen by its abbreviation and OK stores the
// module's name. The DDE Id box tells whether Xiphos runs; nothing is
// started. Without Xiphos the dialog names its package and falls back,
// unless one runs.
TEST_F(DdeSettingsDialogTest, XiphosListsTheInstalledBiblesOrNamesItsPackage) {
  testsupport::TempDir home;
  std::filesystem::create_directories(home.Path() / ".sword/mods.d");
  home.Write(".sword/mods.d/web.conf", "[ENGWEB]\nAbbreviation=WEB\nDescription=World English "
                                       "Bible\nModDrv=zText\n");
  home.Write(".sword/mods.d/kjv.conf", "[engKJV2006eb]\nAbbreviation=KJV\nDescription=King James "
                                       "Version\nModDrv=zText\n");
  home.Write(".sword/mods.d/kjva.conf", "[KJVA]\nAbbreviation=KJV\nModDrv=zText\n");
  testsupport::ScopedEnvironment homeIsTemp("HOME", home.Path().string());
  PutProgram("xiphos", false);
  settings.ConcordanceServer = "XIPHOS";
  settings.ConcordanceTranslation = "web";
  Step([](TDialog &d) {
    EXPECT_EQ(TButton(d, DdeXiphosRadio).GetCheck(), BF_CHECKED);
    EXPECT_EQ(TEdit(d, DdeIdEdit).GetText(), "Xiphos (no session bus)");
    EXPECT_THAT(Items(d), ElementsAre("engKJV2006eb", "KJVA", "WEB"));
    EXPECT_THAT(d.Control(DdeTranslationList)->ItemNames,
                ElementsAre("KJV - King James Version", "", "WEB - World English Bible"));
    EXPECT_EQ(Selected(d), "WEB");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(Stored("ConcordanceServer"), "Xiphos");
  EXPECT_EQ(Stored("ConcordanceTranslation"), "ENGWEB");
  EXPECT_TRUE(StartedPids().empty());

  XiphosName bus;
  backend.SetBus(&bus);
  Step([](TDialog &d) { EXPECT_EQ(TEdit(d, DdeIdEdit).GetText(), "Xiphos (not running)"); });
  Run();
  testsupport::ScopedEnvironment noXiphos("PATH", "/nonexistent");
  bus.owned = true;
  Step([](TDialog &d) {
    EXPECT_EQ(TEdit(d, DdeIdEdit).GetText(), "Xiphos (running)");
    EXPECT_EQ(Items(d).size(), 3u);
  });
  Run();
  bus.owned = false;
  Step([](TDialog &d) { EXPECT_EQ(Checked(d), DdeNoneRadio); });
  Run();
  backend.SetBus(nullptr);
  EXPECT_THAT(Messages(), ElementsAre(XiphosMissingMessage()));
  EXPECT_TRUE(StartedPids().empty());
}

// A Bible is stored so that it reads back as itself after a restart: by its
// name, by its abbreviation where the name does not fit the setting and the
// abbreviation is its alone, or not at all (the dialog says why and stays
// open). Each entry of the list names one Bible, and the saved translation
// preselects only the Bible it names alone.
TEST_F(DdeSettingsDialogTest, AChosenBibleIsStoredSoThatItReadsBackAsItself) {
  const struct {
    const char *conf;     // a second Bible beside engKJV2006eb (KJV)
    const char *entries;  // the list, "|" between entries
    const char *selected; // preselected for the saved "KJV"
    const char *chosen;
    const char *stored; // "": refused
  } rows[] = {
      {"[KJV]\nAbbreviation=KJV1769", "engKJV2006eb|KJV1769", "KJV1769", "engKJV2006eb",
       "engKJV2006eb"},
      {"[KJV]\nAbbreviation=KJV1769", "engKJV2006eb|KJV1769", "KJV1769", "KJV1769", "KJV"},
      {"[AAShadow]\nAbbreviation=KJV", "AAShadow|engKJV2006eb", "<none>", "AAShadow", "AAShadow"},
      {"[LongModuleNameOfTwenty]\nAbbreviation=LMN", "KJV|LMN", "KJV", "LMN", "LMN"},
      {"[AAAAAlongModuleNameXX]", "AAAAAlongModuleNameXX|KJV", "KJV", "AAAAAlongModuleNameXX", ""},
      {"[LongModuleNameOfTwenty]\nAbbreviation=KJV", "engKJV2006eb|LongModuleNameOfTwenty",
       "<none>", "LongModuleNameOfTwenty", ""},
  };
  testsupport::TempDir home;
  std::filesystem::create_directories(home.Path() / ".sword/mods.d");
  home.Write(".sword/mods.d/kjv.conf", "[engKJV2006eb]\nAbbreviation=KJV\nModDrv=zText\n");
  testsupport::ScopedEnvironment homeIsTemp("HOME", home.Path().string());
  PutProgram("xiphos", false);
  for (const auto &row : rows) {
    home.Write(".sword/mods.d/other.conf", std::string(row.conf) + "\nModDrv=zText\n");
    settings.ConcordanceServer = "Xiphos";
    settings.ConcordanceTranslation = "KJV";
    Step([&](TDialog &d) {
      std::string entries;
      for (const std::string &item : Items(d))
        entries += (entries.empty() ? "" : "|") + item;
      EXPECT_EQ(entries, row.entries) << row.conf;
      EXPECT_EQ(Selected(d), row.selected) << row.conf;
      std::vector<std::string> items = Items(d);
      d.UserSelect(
          DdeTranslationList,
          static_cast<int>(std::find(items.begin(), items.end(), row.chosen) - items.begin()));
      d.UserClick(IDOK);
      if (row.stored[0] == '\0')
        d.UserCancel();
    });
    const std::size_t told = Messages().size();
    Run();
    EXPECT_EQ(Stored("ConcordanceTranslation"), row.stored[0] != '\0' ? row.stored : "<absent>")
        << row.conf;
    if (row.stored[0] == '\0')
      EXPECT_THAT(Messages().back(),
                  ::testing::HasSubstr("cannot keep the Bible \"" + std::string(row.chosen) +
                                       "\": its name is longer than 19"));
    else
      EXPECT_EQ(Messages().size(), told) << Messages().back();
    std::filesystem::remove(config.SettingsPath());
  }
}

} // namespace
