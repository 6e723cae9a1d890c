#include "platform/profile.h"

#include "platform/file_lock.h"
#include "platform/profile_cache.h"
#include "platform/profile_edit.h"
#include "platform/profile_file.h"
#include "platform/profile_parse.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::optional<std::string> ReadValue(std::string_view section, std::string_view key,
                                     std::string_view fileName) {
  std::shared_ptr<const ProfileIndex> index = SharedProfileCache().Get(ProfilePath(fileName));
  if (!index)
    return std::nullopt;
  std::optional<std::string_view> value = index->Find(section, key);
  if (!value)
    return std::nullopt;
  return std::string(*value);
}

// Where a write of path goes: path itself, or for a symbolic link (as
// dotfile managers make them) the file it points to, so that the link stays
// one. A failure for a link that is refused or leads nowhere: replacing it
// by a file would undo what the user set up, and making the file it names
// would write wherever the link happens to point.
Result<std::string> WriteTarget(const std::string &path, ProfileLinks links) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
    return path;
  if (links == ProfileLinks::Refuse)
    return Failure(path + " is a symbolic link, and the text is not written through one");
  char *resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr)
    return Failure(path + " is a symbolic link to a file that cannot be reached (" +
                   std::strerror(errno) + "); it is left as it is");
  std::string target = resolved;
  std::free(resolved);
  return target;
}

// Whether the user took the right to write the file away (chmod a-w): then
// it is not replaced, although the folder would let us.
bool MadeReadOnly(const std::string &path, const struct stat &info) {
  if (info.st_uid == ::geteuid())
    return (info.st_mode & S_IWUSR) == 0;
  return (info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

// The values to write, from the file's text as it is under the lock.
using ValuesOf = std::function<Result<std::vector<ProfileSetting>>(const std::string &text)>;

// The read-modify-write of the keys, under the lock of the file's folder.
Result<void> WriteValues(const std::string &path, std::string_view section,
                         const ValuesOf &valuesOf) {
  if (Result<void> made = MakeFolders(FolderOf(path), 0700); !made)
    return made;
  FileLock lock;
  if (Result<void> locked = lock.Acquire(FolderOf(path) + "/." + NameOf(path) + ".lock"); !locked)
    return locked;
  RemoveLeftoverTemporaries(path);

  Result<WholeFile, Fault<WholeFileFault>> read = ReadWholeFile(path);
  if (!read && read.error().kind == WholeFileFault::Unreadable)
    return Failure(read.error().message);
  if (read && MadeReadOnly(path, read->info))
    return Failure(path + " is read-only, so it is not changed");
  std::string changed = read ? std::move(read->bytes) : std::string();
  const Result<std::vector<ProfileSetting>> values = valuesOf(changed);
  if (!values)
    return Failure(values.error());
  for (const ProfileSetting &value : *values)
    changed = SetProfileValue(changed, section, value.key, value.value);
  if (changed.size() > MaxProfileSize)
    return Failure(path + ": the settings file would grow too large");

  // A new file is private to the user, like the folder made for it; an
  // existing one keeps its mode, owner and group.
  const bool exists = read.has_value();
  mode_t mode = exists ? read->info.st_mode & 07777 : 0600;
  uid_t owner = exists ? read->info.st_uid : static_cast<uid_t>(-1);
  gid_t group = exists ? read->info.st_gid : static_cast<gid_t>(-1);
  return ReplaceFile(path, changed, mode, owner, group);
}

Result<void> WriteComputedValues(std::string_view section, const ValuesOf &valuesOf,
                                 std::string_view fileName, ProfileLinks links) {
  const std::string path = ProfilePath(fileName);
  if (NameOf(path).empty())
    return Failure("no settings file name in \"" + path + "\"");
  Result<std::string> target = WriteTarget(path, links);
  Result<void> written = target ? WriteValues(*target, section, valuesOf) : Failure(target.error());
  // The next read must see the file as it now is, never a copy from before.
  SharedProfileCache().Forget(path);
  SharedProfileCache().Forget(target ? *target : path);
  return written;
}

} // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t bufferSize,
                                    std::string_view fileName) {
  if (bufferSize == 0)
    return "";
  std::optional<std::string> value = ReadValue(section, key, fileName);
  std::string result = value ? std::move(*value) : std::string(defaultValue);
  if (result.size() > bufferSize - 1)
    result.resize(bufferSize - 1);
  return result;
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view fileName) {
  std::optional<std::string> value = ReadValue(section, key, fileName);
  return value ? ParseProfileInt(*value, defaultValue) : defaultValue;
}

Result<void> WritePrivateProfileString(std::string_view section, std::string_view key,
                                       std::string_view value, std::string_view fileName,
                                       ProfileLinks links) {
  return WritePrivateProfileStrings(section, {{std::string(key), std::string(value)}}, fileName,
                                    links);
}

Result<void> WritePrivateProfileStrings(std::string_view section,
                                        const std::vector<ProfileSetting> &values,
                                        std::string_view fileName, ProfileLinks links) {
  for (const ProfileSetting &value : values)
    if (Result<void> checked = CheckProfileEntry(section, value.key, value.value); !checked)
      return Failure("cannot write [" + std::string(section) + "] " + value.key + ": " +
                     checked.error());
  return WriteComputedValues(
      section, [&values](const std::string &) { return values; }, fileName, links);
}

Result<std::string> UpdatePrivateProfileString(
    std::string_view section, std::string_view key,
    const std::function<std::string(std::optional<std::string_view> stored)> &change,
    std::string_view fileName, ProfileLinks links) {
  std::string updated;
  const ValuesOf valuesOf = [&](const std::string &text) -> Result<std::vector<ProfileSetting>> {
    updated = change(ProfileIndex(text).Find(section, key));
    if (Result<void> checked = CheckProfileEntry(section, key, updated); !checked)
      return Failure("cannot write [" + std::string(section) + "] " + std::string(key) + ": " +
                     checked.error());
    return std::vector<ProfileSetting>{{std::string(key), updated}};
  };
  if (Result<void> written = WriteComputedValues(section, valuesOf, fileName, links); !written)
    return Failure(written.error());
  return updated;
}

Result<void> CheckProfileReadable(std::string_view fileName) {
  Result<WholeFile, Fault<WholeFileFault>> read = ReadWholeFile(ProfilePath(fileName));
  if (!read && read.error().kind == WholeFileFault::Unreadable)
    return Failure(read.error().message);
  return {};
}

std::uint64_t ProfileFileReads() {
  return SharedProfileCache().Reads();
}

ProfileReadBatch::ProfileReadBatch() {
  SharedProfileCache().BeginBatch();
}

ProfileReadBatch::~ProfileReadBatch() {
  SharedProfileCache().EndBatch();
}

} // namespace platform
