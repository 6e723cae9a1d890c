// Profile files: any bytes as the file, then reads through the public
// functions and a write of one key. Checks that the index finds what a walk
// over the lines finds, that reads agree with it at every buffer size, that
// a write changes only the one line it must (or adds lines in one place),
// that the written value reads back and that no other key changes; and the
// input read as a reading plan's marks, and the marks changed under the lock.

#include "content/plan_progress.h"
#include "platform/profile.h"
#include "platform/profile_edit.h"
#include "platform/profile_parse.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace platform;

void Check(bool holds, const char *what) {
  if (!holds) {
    std::fprintf(stderr, "profile invariant broken: %s\n", what);
    std::abort();
  }
}

// A folder made once per run; in memory where possible, so that the fsync of
// every write costs nothing.
const std::string &Folder() {
  static const std::string folder = [] {
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::string pattern = (base / "selwarth-profile-fuzz-XXXXXX").string();
    Check(::mkdtemp(pattern.data()) != nullptr, "temporary folder");
    return pattern;
  }();
  // Registered after the folder's name exists, so it runs before that goes.
  static const bool removedAtExit = std::atexit([] {
                                      std::error_code ignored;
                                      std::filesystem::remove_all(folder, ignored);
                                    }) == 0;
  (void)removedAtExit;
  return folder;
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes the input file and dates it a day back, a second later for every
// input, so that reads may keep it in memory (it has settled) and yet see
// each new input (its time differs from the last one's).
void WriteFile(const std::string &path, const std::string &bytes) {
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Check(out.good(), "writing the input file");
  }
  static const std::time_t base = std::time(nullptr) - 86400;
  static std::time_t inputs = 0;
  const timespec times[2] = {{0, UTIME_OMIT}, {base + inputs++ % 80000, 0}};
  Check(::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0, "dating the input file");
}

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  ProfileLines walker(text);
  while (auto line = walker.Next())
    lines.emplace_back(text.substr(line->offset, line->End() - line->offset));
  return lines;
}

// before and after differ in one place only: at most one line of before is
// replaced by at most four lines, and a replaced line is either the key's
// line, keeping everything up to its value and its ending, or a last line
// that only gained an ending.
void CheckOneSpotChanged(const std::string &before, const std::string &after,
                         std::string_view key) {
  std::vector<std::string> old = Lines(before), now = Lines(after);
  std::size_t prefix = 0;
  while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
    ++prefix;
  std::size_t suffix = 0;
  while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
         old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
    ++suffix;
  const std::size_t oldMiddle = old.size() - prefix - suffix;
  const std::size_t newMiddle = now.size() - prefix - suffix;
  Check(oldMiddle <= 1 && newMiddle <= 4, "a write changed more than one spot");
  if (oldMiddle == 0)
    return;
  Check(newMiddle >= 1, "a write removed a line");
  const std::string &was = old[prefix];
  const std::string &is = now[prefix];
  const std::string_view gained = std::string_view(is).substr(std::min(was.size(), is.size()));
  if (prefix == old.size() - 1 && is.starts_with(was) &&
      (gained == "\n" || gained == "\r\n" || gained == "\r"))
    return; // the last line gained its ending
  // The line as the file has it: a line walk of its own would take a byte
  // order mark at its start for the file's.
  ProfileLineParts parts =
      ParseProfileLine(std::string_view(was).substr(0, was.find_first_of("\r\n")));
  Check(parts.kind == ProfileLineKind::Key, "a write replaced a line that is no key");
  Check(FoldCase(parts.name) == FoldCase(TrimBlanks(key)), "a write replaced another key");
  Check(newMiddle == 1, "a replaced key line grew lines");
  Check(is.compare(0, parts.valueStart, was, 0, parts.valueStart) == 0,
        "a replaced key line lost its start");
}

// Section and key names to try: fixed ones and the first few in the text.
void CollectNames(std::string_view text, std::vector<std::string> &sections,
                  std::vector<std::string> &keys) {
  ProfileLines lines(text);
  while (auto line = lines.Next()) {
    ProfileLineParts parts = ParseProfileLine(line->content);
    if (parts.kind == ProfileLineKind::Section && sections.size() < 5)
      sections.emplace_back(parts.name);
    else if (parts.kind == ProfileLineKind::Key && keys.size() < 5)
      keys.emplace_back(parts.name);
  }
}

// The value by the rules themselves, walking the lines: the first key of
// that name in the first section of that name.
std::optional<std::string_view> Reference(std::string_view text, std::string_view section,
                                          std::string_view key) {
  ProfileLines lines(text);
  bool inside = false;
  while (auto line = lines.Next()) {
    ProfileLineParts parts = ParseProfileLine(line->content);
    if (parts.kind == ProfileLineKind::Section && inside)
      return std::nullopt;
    if (parts.kind == ProfileLineKind::Section)
      inside = FoldCase(parts.name) == FoldCase(TrimBlanks(section));
    else if (inside && parts.kind == ProfileLineKind::Key &&
             FoldCase(parts.name) == FoldCase(TrimBlanks(key)))
      return parts.value;
  }
  return std::nullopt;
}

void CheckReads(const std::string &path, const std::string &text,
                const std::vector<std::string> &sections, const std::vector<std::string> &keys) {
  const ProfileIndex index(text);
  for (const std::string &section : sections)
    for (const std::string &key : keys) {
      std::optional<std::string_view> expected = index.Find(section, key);
      Check(expected == Reference(text, section, key), "the index disagrees with the lines");
      std::string full = GetPrivateProfileString(section, key, "<absent>", 1 << 20, path);
      Check(full == (expected ? *expected : "<absent>"), "a read disagrees with the text");
      for (std::size_t size : {0, 1, 2, 7})
        Check(GetPrivateProfileString(section, key, "<absent>", size, path) ==
                  full.substr(0, size == 0 ? 0 : size - 1),
              "a cut read is not the start of the full one");
      int number = GetPrivateProfileInt(section, key, 12345, path);
      Check(number == (expected ? ParseProfileInt(*expected, 12345) : 12345),
            "an integer read disagrees with the text");
    }
}

void CheckWrite(const std::string &path, const std::string &section, const std::string &key,
                const std::string &value, const std::vector<std::string> &sections,
                const std::vector<std::string> &keys) {
  const std::string before = ReadFile(path);
  const bool refused = !CheckProfileEntry(section, key, value);
  const bool written = WritePrivateProfileString(section, key, value, path).has_value();
  const std::string after = ReadFile(path);
  if (refused) {
    Check(!written && after == before, "a refused write changed the file");
    return;
  }
  Check(written, "a valid write failed");
  Check(GetPrivateProfileString(section, key, "<absent>", value.size() + 1, path) == value,
        "a written value does not read back");
  CheckOneSpotChanged(before, after, key);
  ProfileIndex was(before), is(after);
  for (const std::string &s : sections)
    for (const std::string &k : keys)
      if (FoldCase(TrimBlanks(s)) != FoldCase(TrimBlanks(section)) ||
          FoldCase(TrimBlanks(k)) != FoldCase(TrimBlanks(key)))
        Check(was.Find(s, k) == is.Find(s, k), "a write changed another key");
}

// A reading plan's stored marks: any value reads as marks that are written
// back as a list of days and ranges, which reads as the same marks; a toggle
// through the locked update flips one day and keeps every other.
void CheckPlanMarks(const std::string &path, std::string_view value, std::uint8_t choice) {
  const PlanMarks marks = ParsePlanMarks(value);
  const std::string text = FormatPlanMarks(marks);
  Check(text.find_first_not_of("0123456789,-") == std::string::npos, "marks written oddly");
  Check(ParsePlanMarks(text) == marks, "written marks read back otherwise");
  const int day = choice * 3 % package::PlanDays;
  PlanMarks toggled;
  const Result<std::string> written = UpdatePrivateProfileString(
      PlanProgressSection, "plan",
      [&](std::optional<std::string_view> stored) {
        toggled = ParsePlanMarks(stored.value_or(""));
        toggled.flip(static_cast<std::size_t>(day));
        return FormatPlanMarks(toggled);
      },
      path);
  Check(written.has_value(), "a plan's marks could not be written");
  Check(ParsePlanMarks(GetPrivateProfileString(PlanProgressSection, "plan", "", 4096, path)) ==
            toggled,
        "toggled marks do not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string path = Folder() + "/fuzz.ini";
  const std::string text(reinterpret_cast<const char *>(data), size);
  WriteFile(path, text);

  std::vector<std::string> sections = {"Selwarth", " s "};
  std::vector<std::string> keys = {"x", "HideMenu"};
  CollectNames(text, sections, keys);
  CheckReads(path, text, sections, keys);

  // The key to write and its values come from the input's last bytes, so
  // that the fuzzer can reach names and values that must be refused.
  const std::uint8_t choice = size > 0 ? data[0] : 0;
  const std::string &section = sections[choice % sections.size()];
  const std::string &key = keys[(choice / 8) % keys.size()];
  const std::string tail = text.substr(size - std::min<std::size_t>(size, 12));
  CheckWrite(path, section, key, tail, sections, keys);
  CheckWrite(path, section, key, tail.substr(0, tail.size() / 2) + " 1", sections, keys);
  CheckPlanMarks(path, text.substr(0, 2048), choice);
  return 0;
}
