// selwarth-concordance as a user runs it: passages asked for over DDE are
// shown in its window (offscreen here) or printed.

#include <gtest/gtest.h>

#include <cstdlib>

#include "passage_library.h"
#include "platform/dde.h"
#include "support/dde_sandbox.h"

namespace {

using namespace platform;
using testsupport::WaitUntil;

HDDEDATA Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return 0;
}

class ConcordanceProgramTest : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ASSERT_EQ(DdeInitialize(&inst, Ignore, APPCMD_CLIENTONLY), DMLERR_NO_ERROR);
  }
  void TearDown() override {
    for (HSZ hsz : made)
      DdeFreeStringHandle(inst, hsz);
    DdeUninitialize(inst);
  }
  HSZ Name(const char *text) {
    made.push_back(DdeCreateStringHandle(inst, text));
    return made.back();
  }
  bool Poke(HCONV conv, const char *item, const std::string &text) {
    return DdeClientTransaction(text.c_str(), static_cast<DWORD>(text.size() + 1), conv, Name(item),
                                CF_TEXT, XTYP_POKE, 10000) != 0;
  }
  bool Execute(HCONV conv, const std::string &command) {
    return DdeClientTransaction(command.c_str(), static_cast<DWORD>(command.size() + 1), conv, 0,
                                CF_TEXT, XTYP_EXECUTE, 10000) != 0;
  }
  // Asks for John 3:16 the way the Logos link does.
  void ShowJohn316(const char *translation) {
    HCONV conv = DdeConnect(inst, Name("Logos"), Name("Passage"));
    ASSERT_NE(conv, 0u);
    EXPECT_TRUE(Poke(conv, "CurVer", translation));
    EXPECT_TRUE(Poke(conv, "CurRef", "John 3:16"));
    DdeDisconnect(conv);
  }
  static bool HaveKjv() {
    concordance::PassageLibrary library;
    return library.LookUp("KJV", *concordance::ParseReference("John 3:16")).has_value();
  }

  testsupport::DdeSandbox sandbox;
  DWORD inst = 0;
  std::vector<HSZ> made;
};

TEST_F(ConcordanceProgramTest, AWindowShowsEachPassageAndComesForwardOnActivate) {
  if (!HaveKjv())
    GTEST_SKIP() << "no SWORD King James Version module installed";
  auto server =
      testsupport::StartConcordance("Logos", {"--window", "--translations", "KJV,NOSUCH"});
  ASSERT_NE(server, nullptr);
  ShowJohn316("KJV");
  EXPECT_TRUE(WaitUntil([&] {
    return server->Output().find("Shown in the window: 1 verses of ") != std::string::npos;
  })) << server->Output();

  HCONV verses = DdeConnect(inst, Name("Logos"), Name("Verses"));
  ASSERT_NE(verses, 0u);
  EXPECT_TRUE(Execute(verses, "[GoTo(\"Psalm 23\")]"));
  EXPECT_TRUE(Execute(verses, "[Activate]"));
  DdeDisconnect(verses);
  EXPECT_TRUE(WaitUntil([&] { return server->Output().find("Activated") != std::string::npos; }));
  EXPECT_NE(server->Output().find("Shown in the window: 6 verses of "), std::string::npos)
      << server->Output();

  // A translation no module holds is printed instead; the server goes on.
  ShowJohn316("NOSUCH");
  EXPECT_TRUE(WaitUntil([&] {
    return server->Output().find("(no window: no Bible module of NOSUCH holds it)") !=
           std::string::npos;
  })) << server->Output();
  server->Signal(SIGTERM);
  EXPECT_EQ(server->WaitForExit(std::chrono::seconds(60)), 0) << server->Output();
  EXPECT_EQ(DdeServiceListening("Logos"), false);
}

TEST_F(ConcordanceProgramTest, WithoutAWindowThePassageIsPrintedWithItsText) {
  if (!HaveKjv())
    GTEST_SKIP() << "no SWORD King James Version module installed";
  auto server = testsupport::StartConcordance(
      "Logos", {"--no-window", "--verse-text", "--translations", "KJV,NOSUCH"});
  ASSERT_NE(server, nullptr);
  ShowJohn316("KJV");
  EXPECT_TRUE(WaitUntil([&] {
    return server->Output().find("Showing John 3:16 (KJV)\nJohn 3\n16 For God so loved") !=
           std::string::npos;
  })) << server->Output();
  ShowJohn316("NOSUCH");
  EXPECT_TRUE(WaitUntil([&] {
    return server->Output().find("(no text: no Bible module of NOSUCH holds it)") !=
           std::string::npos;
  })) << server->Output();
}

TEST_F(ConcordanceProgramTest, AWindowCannotBeHadWithoutADisplay) {
  testsupport::ProcessOptions options;
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    options.environment[name] = "";
  testsupport::ProcessResult result =
      testsupport::RunProcess(testsupport::BuiltProgram("selwarth-concordance"),
                              {"--window", "--service", "Logos"}, options);
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.errors.find("--window: "), std::string::npos) << result.errors;
}

} // namespace
