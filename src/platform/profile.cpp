#include "platform/profile.h"

#include "platform/file_lock.h"
#include "platform/profile_cache.h"
#include "platform/profile_edit.h"
#include "platform/profile_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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
// one. False, with error, for a link that is refused or leads nowhere:
// replacing it by a file would undo what the user set up, and making the
// file it names would write wherever the link happens to point.
bool WriteTarget(const std::string &path, ProfileLinks links, std::string &target,
                 std::string &error) {
  target = path;
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
    return true;
  if (links == ProfileLinks::Refuse) {
    error = path + " is a symbolic link, and the text is not written through one";
    return false;
  }
  char *resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    error = path + " is a symbolic link to a file that cannot be reached (" + std::strerror(errno) +
            "); it is left as it is";
    return false;
  }
  target = resolved;
  std::free(resolved);
  return true;
}

// Whether the user took the right to write the file away (chmod a-w): then
// it is not replaced, although the folder would let us.
bool MadeReadOnly(const std::string &path, const struct stat &info) {
  if (info.st_uid == ::geteuid())
    return (info.st_mode & S_IWUSR) == 0;
  return (info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

// The read-modify-write of the keys, under the lock of the file's folder.
bool WriteValues(const std::string &path, std::string_view section,
                 const std::vector<ProfileSetting> &values, std::string &error) {
  if (!MakeFolders(FolderOf(path), 0700, error))
    return false;
  FileLock lock;
  if (!lock.Acquire(FolderOf(path) + "/." + NameOf(path) + ".lock", error))
    return false;
  RemoveLeftoverTemporaries(path);

  std::string text;
  struct stat info {};
  ReadResult read = ReadWholeFile(path, text, info, error);
  if (read == ReadResult::Failed)
    return false;
  if (read == ReadResult::Read && MadeReadOnly(path, info)) {
    error = path + " is read-only, so it is not changed";
    return false;
  }
  std::string changed = std::move(text);
  for (const ProfileSetting &value : values)
    changed = SetProfileValue(changed, section, value.key, value.value);
  if (changed.size() > MaxProfileSize) {
    error = path + ": the settings file would grow too large";
    return false;
  }

  // A new file is private to the user, like the folder made for it; an
  // existing one keeps its mode, owner and group.
  const bool exists = read == ReadResult::Read;
  mode_t mode = exists ? info.st_mode & 07777 : 0600;
  uid_t owner = exists ? info.st_uid : static_cast<uid_t>(-1);
  gid_t group = exists ? info.st_gid : static_cast<gid_t>(-1);
  return ReplaceFile(path, changed, mode, owner, group, error);
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

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view fileName,
                               std::string &error, ProfileLinks links) {
  return WritePrivateProfileStrings(section, {{std::string(key), std::string(value)}}, fileName,
                                    error, links);
}

bool WritePrivateProfileStrings(std::string_view section, const std::vector<ProfileSetting> &values,
                                std::string_view fileName, std::string &error, ProfileLinks links) {
  for (const ProfileSetting &value : values)
    if (std::string problem = CheckProfileEntry(section, value.key, value.value);
        !problem.empty()) {
      error = "cannot write [" + std::string(section) + "] " + value.key + ": " + problem;
      return false;
    }
  const std::string path = ProfilePath(fileName);
  if (NameOf(path).empty()) {
    error = "no settings file name in \"" + path + "\"";
    return false;
  }
  std::string target;
  bool written =
      WriteTarget(path, links, target, error) && WriteValues(target, section, values, error);
  // The next read must see the file as it now is, never a copy from before.
  SharedProfileCache().Forget(path);
  SharedProfileCache().Forget(target);
  return written;
}

std::string ProfileReadProblem(std::string_view fileName) {
  std::string bytes, error;
  struct stat info {};
  ReadWholeFile(ProfilePath(fileName), bytes, info, error);
  return error;
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
