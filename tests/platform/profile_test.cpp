#include "platform/profile.h"

#include "support/noted.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::GetPrivateProfileInt;
using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;
using platform::WritePrivateProfileStrings;
using testsupport::ScopedEnvironment;
namespace fs = std::filesystem;

// Moves a file's modification time an hour back, so that the reader counts
// it as settled and may keep it in memory.
void MakeOld(const std::string &path, long secondsBack = 3600) {
  timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - secondsBack, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::set<std::string> Listing(const fs::path &folder) {
  std::set<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

class ProfileTest : public testing::Test {
protected:
  std::string Put(std::string_view text) { return dir.Write("SELWARTH.INI", text); }
  std::string Text() const { return dir.Read("SELWARTH.INI"); }
  std::string Get(std::string_view section, std::string_view key, std::size_t size = 256) {
    return GetPrivateProfileString(section, key, "<none>", size, path);
  }
  int Int(std::string_view key, int defaultValue = -99) {
    return GetPrivateProfileInt("S", key, defaultValue, path);
  }
  bool Set(std::string_view section, std::string_view key, std::string_view value) {
    return testsupport::Noted(WritePrivateProfileString(section, key, value, path), error);
  }

  testsupport::TempDir dir;
  std::string path = dir.File("SELWARTH.INI");
  std::string error; // why the last failed write failed
};

TEST_F(ProfileTest, FindsSectionsAndKeysByAsciiCaseAndDropsBlanksAndQuotes) {
  Put("[Selwarth]\n"
      "HideMenu=1\n"
      " \t Padded \t=  a b \t\n"
      "Double=\"  quoted \"\n"
      "Single='x'\n"
      "Mixed=\"x'\n"
      "Lone=\"\n"
      "\xc9t\xe9=accented\n");
  EXPECT_EQ(Get("SELWARTH", "hidemenu"), "1");
  EXPECT_EQ(Get(" selwarth ", " padded"), "a b");
  EXPECT_EQ(Get("Selwarth", "Double"), "  quoted ");
  EXPECT_EQ(Get("Selwarth", "Single"), "x");
  EXPECT_EQ(Get("Selwarth", "Mixed"), "\"x'");
  EXPECT_EQ(Get("Selwarth", "Lone"), "\"");
  EXPECT_EQ(Get("Selwarth", "\xc9t\xe9"), "accented");
  EXPECT_EQ(Get("Selwarth", "\xe9t\xe9"), "<none>"); // only ASCII letters fold
}

TEST_F(ProfileTest, IgnoresCommentsStrayLinesAndRepeats) {
  Put("Orphan=0\n"
      "[S]\n"
      "; A=1\n"
      "  ;B=2\n"
      "[Broken\n"
      "C=3\n"
      "C=4\n"
      "[T] trailing text\n"
      "D=5\n"
      "[s]\n"
      "E=6\n");
  EXPECT_EQ(Get("S", "Orphan"), "<none>");
  EXPECT_EQ(Get("S", "A"), "<none>");
  EXPECT_EQ(Get("S", "B"), "<none>");
  EXPECT_EQ(Get("S", "C"), "3"); // "[Broken" opens no section
  EXPECT_EQ(Get("T", "D"), "5");
  EXPECT_EQ(Get("S", "E"), "<none>"); // a repeated section is not read
}

TEST_F(ProfileTest, CutsTextsAndDefaultsToBufferSizeMinusOne) {
  Put("[S]\nK=abcdef\n");
  EXPECT_EQ(Get("S", "K", 7), "abcdef");
  EXPECT_EQ(Get("S", "K", 4), "abc");
  EXPECT_EQ(Get("S", "K", 1), "");
  EXPECT_EQ(Get("S", "K", 0), "");
  EXPECT_EQ(GetPrivateProfileString("S", "Absent", "default", 4, path), "def");
  EXPECT_EQ(GetPrivateProfileString("S", "K", "d", 9, dir.File("NONE.INI")), "d");
  EXPECT_EQ(GetPrivateProfileString("Absent", "K", "d", 9, path), "d");
}

TEST_F(ProfileTest, ReadsIntegersLikeThePlatform) {
  Put("[S]\nPlain=42\nNeg=-7\nPlus=+5\nQuotedBlanks=\" \t-3\"\nTrailing=12abc\nWord=abc\n"
      "Sign=-\nGap=- 4\nHex=0x1F\nEmpty=\nBlank=   \nQuotedEmpty=\"\"\n"
      "Big=99999999999\nSmall=-99999999999\nAbove=2147483648\nLowest=-2147483648\n");
  EXPECT_EQ(Int("Plain"), 42);
  EXPECT_EQ(Int("Neg"), -7);
  EXPECT_EQ(Int("Plus"), 5);
  EXPECT_EQ(Int("QuotedBlanks"), -3);
  EXPECT_EQ(Int("Trailing"), 12);
  EXPECT_EQ(Int("Word"), 0);
  EXPECT_EQ(Int("Sign"), 0);
  EXPECT_EQ(Int("Gap"), 0);
  EXPECT_EQ(Int("Hex"), 0);
  EXPECT_EQ(Int("Empty"), -99);
  EXPECT_EQ(Int("Blank"), -99);
  EXPECT_EQ(Int("QuotedEmpty"), -99);
  EXPECT_EQ(Int("Absent"), -99);
  EXPECT_EQ(Int("Big"), INT_MAX); // clamped, never wrapped
  EXPECT_EQ(Int("Small"), INT_MIN);
  EXPECT_EQ(Int("Above"), INT_MAX);
  EXPECT_EQ(Int("Lowest"), INT_MIN);
}

TEST_F(ProfileTest, ReplacingAValueKeepsEveryOtherByte) {
  const std::string before = "; settings\r\n\r\n[Other]\r\nx=1\r\n"
                             "[Selwarth]\r\n  hidemenu =  0 ; old\r\nHideMenu=9\n\tTail=t";
  Put(before);
  ASSERT_TRUE(Set("Selwarth", "HideMenu", "1"));
  EXPECT_EQ(Text(), "; settings\r\n\r\n[Other]\r\nx=1\r\n"
                    "[Selwarth]\r\n  hidemenu =  1\r\nHideMenu=9\n\tTail=t");
  ASSERT_TRUE(Set("selwarth", "TAIL", "u"));
  EXPECT_EQ(Text(), "; settings\r\n\r\n[Other]\r\nx=1\r\n"
                    "[Selwarth]\r\n  hidemenu =  1\r\nHideMenu=9\n\tTail=u");
}

TEST_F(ProfileTest, AddsKeysAfterTheSectionsLastKeyAndSectionsAtTheEnd) {
  Put("[A]\r\na=1\r\n; about B\r\n\r\n[B]\r\n[C]\r\nc=1");
  ASSERT_TRUE(Set("A", "a2", "2"));
  ASSERT_TRUE(Set("B", "b", "3"));
  ASSERT_TRUE(Set("C", "c2", "4"));
  ASSERT_TRUE(Set("D", "d", "5"));
  EXPECT_EQ(Text(), "[A]\r\na=1\r\na2=2\r\n; about B\r\n\r\n[B]\r\nb=3\r\n[C]\r\nc=1\r\nc2=4\r\n"
                    "\r\n[D]\r\nd=5\r\n");

  Put("[S]\r\nK=1\r"); // a CR LF cut short at the end
  EXPECT_EQ(Get("S", "K"), "1");
  ASSERT_TRUE(Set("S", "K2", "2"));
  EXPECT_EQ(Text(), "[S]\r\nK=1\r\nK2=2\r\n");
}

TEST_F(ProfileTest, AByteOrderMarkIsSkippedOnReadAndKeptOnWrite) {
  const std::string bom = "\xEF\xBB\xBF";
  Put(bom + "[Selwarth]\r\nHideMenu=1\r\n");
  EXPECT_EQ(Get("Selwarth", "HideMenu"), "1");
  ASSERT_TRUE(Set("Selwarth", "HideMenu", "0"));
  ASSERT_TRUE(Set("Selwarth", "Topmost", "1"));
  EXPECT_EQ(Text(), bom + "[Selwarth]\r\nHideMenu=0\r\nTopmost=1\r\n");

  Put(bom);
  ASSERT_TRUE(Set("S", "K", "v"));
  EXPECT_EQ(Text(), bom + "[S]\nK=v\n");
}

TEST_F(ProfileTest, CrLfAndCrAloneEndLinesAndEachLineKeepsItsEnding) {
  Put("[Selwarth]\rHideMenu=1\rTopmost=1\r[Other]\nx=2\r\ny=3");
  EXPECT_EQ(Get("Selwarth", "HideMenu"), "1");
  EXPECT_EQ(Get("Selwarth", "Topmost"), "1");
  EXPECT_EQ(Get("Other", "x"), "2");
  EXPECT_EQ(Get("Other", "y"), "3");
  ASSERT_TRUE(Set("Selwarth", "HideMenu", "0"));
  ASSERT_TRUE(Set("Selwarth", "Zoom", "150"));
  ASSERT_TRUE(Set("Other", "z", "4"));
  EXPECT_EQ(Text(), "[Selwarth]\rHideMenu=0\rTopmost=1\rZoom=150\r[Other]\nx=2\r\ny=3\rz=4\r");
  // No duplicate section or key after the writes.
  EXPECT_EQ(Get("Selwarth", "Zoom"), "150");
}

TEST_F(ProfileTest, ValuesReadBackAsWritten) {
  for (std::string value : {" padded\t", "\"quoted\"", "'x'", "a=b;c[d]", "\xe9\x80", ""}) {
    ASSERT_TRUE(Set("S", "K", value));
    EXPECT_EQ(Get("S", "K"), value);
  }
  EXPECT_EQ(Int("K", 8), 8); // the empty value was written: default
}

TEST_F(ProfileTest, RefusesNamesAndValuesThatWouldCorruptTheFile) {
  Put("[S]\nK=1\n");
  struct Case {
    std::string section, key, value, reason;
  } cases[] = {
      {"S", "a=b", "v", "'='"},       {"S", "a]", "v", "']'"},    {"a]b", "K", "v", "']'"},
      {"S=T", "K", "v", "'='"},       {"S", "a\nb", "v", "line"}, {"S\r", "K", "v", "line"},
      {"S", "K", "v\r\nX=1", "line"}, {"S", ";K", "v", "';'"},    {"S", "[K", "v", "'['"},
      {"S", "  ", "v", "empty"},      {"", "K", "v", "empty"}};
  for (const Case &c : cases) {
    EXPECT_FALSE(Set(c.section, c.key, c.value)) << c.key;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  EXPECT_EQ(Text(), "[S]\nK=1\n");
  EXPECT_EQ(Listing(dir.Path()), std::set<std::string>{"SELWARTH.INI"});
}

TEST_F(ProfileTest, CreatesFolderAndPrivateFileAndKeepsAnExistingFilesMode) {
  ScopedEnvironment config("XDG_CONFIG_HOME", dir.File("config"));
  ASSERT_TRUE(
      testsupport::Noted(WritePrivateProfileString("Selwarth", "x", "5", "SELWARTH.INI"), error))
      << error;
  const fs::path folder = dir.Path() / "config" / "selwarth";
  EXPECT_EQ(testsupport::ReadFileBytes(folder / "SELWARTH.INI"), "[Selwarth]\nx=5\n");
  EXPECT_EQ(GetPrivateProfileInt("selwarth", "X", 0, "SELWARTH.INI"), 5);
  struct stat info;
  ASSERT_EQ(::stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat((folder / "SELWARTH.INI").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  ASSERT_EQ(::chmod((folder / "SELWARTH.INI").c_str(), 0644), 0);
  ASSERT_TRUE(
      testsupport::Noted(WritePrivateProfileString("Selwarth", "y", "6", "SELWARTH.INI"), error))
      << error;
  ASSERT_EQ(::stat((folder / "SELWARTH.INI").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  // Only the file and its lock file: no temporary file stays behind.
  EXPECT_EQ(Listing(folder), (std::set<std::string>{"SELWARTH.INI", ".SELWARTH.INI.lock"}));
}

TEST_F(ProfileTest, ReportsAWriteIntoAFolderThatIsAFile) {
  dir.Write("plain", "not a folder");
  EXPECT_FALSE(testsupport::Noted(
      WritePrivateProfileString("S", "K", "v", dir.File("plain/SELWARTH.INI")), error));
  EXPECT_NE(error.find(std::strerror(ENOTDIR)), std::string::npos) << error;
  EXPECT_EQ(dir.Read("plain"), "not a folder");
}

TEST_F(ProfileTest, WritingThroughASymbolicLinkKeepsTheLink) {
  dir.Write("real.ini", "[S]\nK=1\n");
  fs::create_symlink(dir.Path() / "real.ini", path);
  ASSERT_TRUE(Set("S", "K", "2"));
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(dir.Read("real.ini"), "[S]\nK=2\n");
}

TEST_F(ProfileTest, OddFilesGiveDefaultsWithoutHanging) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(Get("S", "K"), "<none>");
  EXPECT_FALSE(Set("S", "K", "v"));
  fs::remove(path);

  Put("[S]\nK=1\n");
  fs::resize_file(path, (std::uintmax_t{16} << 20) + 1); // sparse, so quick
  EXPECT_EQ(Get("S", "K"), "<none>");
  EXPECT_FALSE(Set("S", "K", "v"));
}

TEST_F(ProfileTest, KeptCopyIsUsedUntilTheFileChanges) {
  Put("[S]\nK=one\n");
  MakeOld(path);
  EXPECT_EQ(Get("S", "K"), "one");
  const auto reads = platform::ProfileFileReads();
  EXPECT_EQ(Get("S", "K"), "one");
  EXPECT_EQ(platform::ProfileFileReads(), reads); // served from memory

  // Same inode, same size, another modification time.
  Put("[S]\nK=two\n");
  MakeOld(path, 1800);
  EXPECT_EQ(Get("S", "K"), "two");

  // Another process replaces the file.
  pid_t child = ::fork();
  if (child == 0)
    ::_exit(Set("S", "K", "six") ? 0 : 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Get("S", "K"), "six");
}

TEST_F(ProfileTest, RecentlyChangedFileIsReadEveryTime) {
  // A change within the same tick of the file system's clock would leave the
  // times as they are, so a fresh file is never taken from memory.
  Put("[S]\nK=one\n");
  EXPECT_EQ(Get("S", "K"), "one");
  const auto reads = platform::ProfileFileReads();
  EXPECT_EQ(Get("S", "K"), "one");
  EXPECT_EQ(platform::ProfileFileReads(), reads + 1);
}

TEST_F(ProfileTest, SeveralValuesAreWrittenTogetherOrNotAtAll) {
  dir.Write("SELWARTH.INI", "; mine\n[S]\nb=old\n");
  ASSERT_TRUE(testsupport::Noted(
      WritePrivateProfileStrings("S", {{"a", "1"}, {"b", " two "}, {"a", "3"}}, path), error));
  // As the same writes one at a time would leave it.
  EXPECT_EQ(dir.Read("SELWARTH.INI"), "; mine\n[S]\nb=\" two \"\na=3\n");

  // One refused value and nothing is written.
  EXPECT_FALSE(
      testsupport::Noted(WritePrivateProfileStrings("S", {{"c", "4"}, {"d=", "5"}}, path), error));
  EXPECT_NE(error.find("d="), std::string::npos) << error;
  EXPECT_EQ(dir.Read("SELWARTH.INI"), "; mine\n[S]\nb=\" two \"\na=3\n");
}

TEST(ProfilePathTest, FollowsTheXdgRulesAndTakesFoldersAsGiven) {
  ScopedEnvironment home("HOME", "/home/reader");
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(platform::ConfigFolder(), "/cfg/selwarth");
    EXPECT_EQ(platform::ProfilePath("SELWARTH.INI"), "/cfg/selwarth/SELWARTH.INI");
    EXPECT_EQ(platform::ProfilePath("./CONTROL.INI"), "./CONTROL.INI");
  }
  {
    ScopedEnvironment relative("XDG_CONFIG_HOME", "relative/cfg");
    EXPECT_EQ(platform::ConfigFolder(), "/home/reader/.config/selwarth");
  }
  ScopedEnvironment noConfig("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(platform::ConfigFolder(), "/home/reader/.config/selwarth");
  ScopedEnvironment noHome("HOME", std::nullopt);
  EXPECT_EQ(platform::ConfigFolder().rfind('/', 0), 0u); // from the password file
}

} // namespace
