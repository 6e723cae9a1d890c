#pragma once

// Private profile files: the INI-style settings files SELWARTH.INI and
// CONTROL.INI. They behave like the Windows private-profile functions the
// program was written against:
//  - sections and keys compare without regard to ASCII case; of a repeated
//    section or key the first counts;
//  - blanks around keys and values are dropped;
//  - a value in matching single or double quotes loses them;
//  - lines starting with ';' are comments;
//  - a text longer than the buffer is cut to buffer - 1 characters;
//  - an absent key (or file, or section) gives the default;
//  - integers: blanks skipped, an optional sign, decimal digits up to the
//    first other character, no digits read as 0, an empty value gives the
//    default; a number beyond the range of int reads as INT_MAX or INT_MIN.
// A write keeps every other line of the file as it was, goes to a temporary
// file in the same folder that is then renamed over the old one, and holds an
// advisory lock during the read-modify-write so that two running copies of
// the program lose no key.
//
// A bare file name ("SELWARTH.INI") lives in ConfigFolder(); a name with a
// folder in it is used as given.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace platform {

// $XDG_CONFIG_HOME/selwarth when that is set to an absolute path, else
// $HOME/.config/selwarth, with the home folder from the password file when
// HOME is not an absolute path either.
std::string ConfigFolder();

// The data folder the launcher runs the program in, where the packages are:
// $XDG_DATA_HOME/selwarth, else $HOME/.local/share/selwarth, found as
// ConfigFolder() is.
std::string DataFolder();

// Where a profile file of the given name lives: a name with a '/' in it as
// given, a bare name in ConfigFolder().
std::string ProfilePath(std::string_view fileName);

// The value of key in section, cut to bufferSize - 1 bytes; defaultValue
// (cut the same way) when the key is absent. bufferSize 0 gives "".
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t bufferSize,
                                    std::string_view fileName);

// The integer value of key in section, or defaultValue when the key is absent
// or its value is empty.
int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view fileName);

// Sets key in section to value, creating the folder (mode 0700), the file
// (mode 0600), the section and the key as needed; see SetProfileValue in
// profile_edit.h for where new lines go. The lock file is ".<name>.lock"
// beside the file. A file that is a symbolic link stays one: with
// ProfileLinks::WriteThrough (settings files, which dotfile managers make
// links) the file it points to is replaced, and a link to nothing is not
// written; with ProfileLinks::Refuse (a file the program only hands text to)
// a link is not written at all. A file nobody may write (the user made it
// read-only) is not replaced. Fails when the file could not be written, or
// when section, key or value could not be stored as given (an empty name, a
// line break, '=' or ']' in a name, a key starting with ';' or '['; see
// CheckProfileEntry), saying why: what was being done, and the system's
// error text or what was wrong with the names or the value.
enum class ProfileLinks { WriteThrough, Refuse };
Result<void> WritePrivateProfileString(std::string_view section, std::string_view key,
                                       std::string_view value, std::string_view fileName,
                                       ProfileLinks links = ProfileLinks::WriteThrough);

// Several keys of one section set in one go: the file is read, changed and
// replaced once, so either every value is written or none (a program killed
// in between never leaves half of them), and the disk is flushed once rather
// than once a key. Values are set in the order given, as that many
// WritePrivateProfileString calls would set them; each is checked the same
// way, and a refused one writes nothing.
struct ProfileSetting {
  std::string key;
  std::string value;
};
Result<void> WritePrivateProfileStrings(std::string_view section,
                                        const std::vector<ProfileSetting> &values,
                                        std::string_view fileName,
                                        ProfileLinks links = ProfileLinks::WriteThrough);

// One key changed from the value it has in the file at the moment of the
// write: change gets the stored value (nothing when the key is absent) while
// the lock is held, and gives the new one, which is checked and written as
// WritePrivateProfileString would. Two running copies that change a key this
// way each build on the other's change. The value written, or why not.
Result<std::string> UpdatePrivateProfileString(
    std::string_view section, std::string_view key,
    const std::function<std::string(std::optional<std::string_view> stored)> &change,
    std::string_view fileName, ProfileLinks links = ProfileLinks::WriteThrough);

// Fails, saying why, when the profile file is there but cannot be read (too
// large, not a regular file, no permission): reads then give the defaults and
// writes fail. Succeeds when it reads, or is absent.
Result<void> CheckProfileReadable(std::string_view fileName);

// How many times a profile file has been read from the disk and parsed; a
// read served by the parsed copy kept in memory does not count. For tests and
// diagnostics.
std::uint64_t ProfileFileReads();

// While one of these lives, each profile file is looked at once: reads after
// the first use what it found, without asking the file system again. For a
// burst of reads (one per package in the daily load); writes still go to the
// file and are seen by later reads.
class ProfileReadBatch {
public:
  ProfileReadBatch();
  ~ProfileReadBatch();
  ProfileReadBatch(const ProfileReadBatch &) = delete;
  ProfileReadBatch &operator=(const ProfileReadBatch &) = delete;
};

} // namespace platform
