#include "platform/profile.h"

#include "platform/profile_cache.h"
#include "platform/profile_edit.h"
#include "platform/profile_file.h"

#include <cstdlib>
#include <optional>
#include <sys/stat.h>

namespace platform {

namespace {

thread_local std::string LastWriteError;

bool Fail(std::string reason) {
  LastWriteError = std::move(reason);
  return false;
}

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

// A settings file that is a symbolic link (as dotfile managers make them)
// stays one: the write goes to the file it points to.
std::string WriteTarget(const std::string &path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
    return path;
  char *resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr)
    return path;
  std::string target = resolved;
  std::free(resolved);
  return target;
}

// The read-modify-write of one key, under the lock of the file's folder.
bool WriteValues(const std::string &path, std::string_view section,
                 const std::vector<ProfileSetting> &values) {
  std::string error;
  if (!MakeFolders(FolderOf(path), 0700, error))
    return Fail(error);
  FileLock lock;
  if (!lock.Acquire(FolderOf(path) + "/." + NameOf(path) + ".lock", error))
    return Fail(error);
  RemoveLeftoverTemporaries(path);

  std::string text;
  struct stat info {};
  ReadResult read = ReadWholeFile(path, text, info, error);
  if (read == ReadResult::Failed)
    return Fail(error);
  std::string changed = std::move(text);
  for (const ProfileSetting &value : values)
    changed = SetProfileValue(changed, section, value.key, value.value);
  if (changed.size() > MaxProfileSize)
    return Fail(path + ": the settings file would grow too large");

  // A new file is private to the user, like the folder made for it; an
  // existing one keeps its mode, owner and group.
  const bool exists = read == ReadResult::Read;
  mode_t mode = exists ? info.st_mode & 07777 : 0600;
  uid_t owner = exists ? info.st_uid : static_cast<uid_t>(-1);
  gid_t group = exists ? info.st_gid : static_cast<gid_t>(-1);
  if (!ReplaceFile(path, changed, mode, owner, group, error))
    return Fail(error);
  return true;
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
                               std::string_view value, std::string_view fileName) {
  return WritePrivateProfileStrings(section, {{std::string(key), std::string(value)}}, fileName);
}

bool WritePrivateProfileStrings(std::string_view section, const std::vector<ProfileSetting> &values,
                                std::string_view fileName) {
  for (const ProfileSetting &value : values)
    if (std::string problem = CheckProfileEntry(section, value.key, value.value); !problem.empty())
      return Fail("cannot write [" + std::string(section) + "] " + value.key + ": " + problem);
  const std::string path = ProfilePath(fileName);
  if (NameOf(path).empty())
    return Fail("no settings file name in \"" + path + "\"");
  const std::string target = WriteTarget(path);
  bool written = WriteValues(target, section, values);
  // The next read must see the file as it now is, never a copy from before.
  SharedProfileCache().Forget(path);
  SharedProfileCache().Forget(target);
  return written;
}

std::string ProfileWriteError() {
  return LastWriteError;
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
