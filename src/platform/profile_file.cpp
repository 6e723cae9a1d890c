#include "platform/profile_file.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

std::string Reason(const std::string &what, int code) {
  return what + ": " + std::strerror(code);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  Descriptor(const Descriptor &) = delete;
  Descriptor &operator=(const Descriptor &) = delete;
  int Get() const { return fd_; }
  // Closes now, reporting the result (a delayed write error shows here).
  int Close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

private:
  int fd_;
};

bool WriteAll(int fd, const std::string &bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// Reads to the end, failing with EFBIG past MaxProfileSize.
bool ReadAll(int fd, std::string &bytes) {
  bytes.clear();
  std::vector<char> chunk(65536);
  for (;;) {
    ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return false;
    if (got == 0)
      return true;
    if (bytes.size() + static_cast<std::size_t>(got) > MaxProfileSize) {
      errno = EFBIG;
      return false;
    }
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
}

} // namespace

Result<WholeFile, Fault<WholeFileFault>> ReadWholeFile(const std::string &path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.Get() < 0) {
    if (errno == ENOENT)
      return Failure(WholeFileFault::Absent);
    return Failure(WholeFileFault::Unreadable, Reason(path, errno));
  }
  WholeFile whole;
  if (::fstat(file.Get(), &whole.info) != 0)
    return Failure(WholeFileFault::Unreadable, Reason(path, errno));
  if (!S_ISREG(whole.info.st_mode))
    return Failure(WholeFileFault::Unreadable, path + ": not a regular file");
  // Reserved whole, so that the text costs its size once, not up to twice.
  const bool tooLarge = static_cast<std::size_t>(whole.info.st_size) > MaxProfileSize;
  if (!tooLarge)
    whole.bytes.reserve(static_cast<std::size_t>(whole.info.st_size));
  if (tooLarge || !ReadAll(file.Get(), whole.bytes))
    return Failure(WholeFileFault::Unreadable, tooLarge || errno == EFBIG
                                                   ? path + ": larger than " +
                                                         std::to_string(MaxProfileSize >> 20) +
                                                         " MiB, too large for a settings file"
                                                   : Reason(path, errno));
  return whole;
}

Result<void> ReplaceFile(const std::string &path, const std::string &bytes, mode_t mode,
                         uid_t owner, gid_t group) {
  const std::string folder = FolderOf(path);
  std::string temp = folder + "/." + NameOf(path) + ".XXXXXX";
  Descriptor file(::mkostemp(temp.data(), O_CLOEXEC));
  if (file.Get() < 0)
    return Failure(Reason("cannot create a temporary file in " + folder, errno));
  // Owner first, since a change of owner may clear mode bits. Only root may
  // give a file away, so for anyone else this keeps at most the group, and a
  // refusal is no reason to fail the write.
  if (owner != static_cast<uid_t>(-1)) {
    [[maybe_unused]] int refused = ::fchown(file.Get(), owner, group);
  }
  const char *failure = nullptr;
  const std::string *subject = &temp;
  if (!WriteAll(file.Get(), bytes))
    failure = "cannot write ";
  else if (::fchmod(file.Get(), mode) != 0)
    failure = "cannot set the mode of ";
  else if (::fsync(file.Get()) != 0)
    failure = "cannot flush ";
  else if (file.Close() != 0)
    failure = "cannot close ";
  else if (::rename(temp.c_str(), path.c_str()) != 0) {
    failure = "cannot replace ";
    subject = &path;
  }
  if (failure != nullptr) {
    const int code = errno;
    ::unlink(temp.c_str());
    return Failure(Reason(failure + *subject, code));
  }
  // Make the rename itself durable. The new file is in place whatever this
  // gives, so a failure here (some file systems cannot sync a folder) is not
  // reported as a failed write.
  Descriptor folderFile(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folderFile.Get() >= 0) {
    [[maybe_unused]] int unsynced = ::fsync(folderFile.Get());
  }
  return {};
}

namespace {

// Whether name is "." + base + "." and the six letters or digits mkostemp
// puts in place of XXXXXX.
bool IsTemporaryOf(const std::string &name, const std::string &base) {
  const std::string lead = "." + base + ".";
  if (name.size() != lead.size() + 6 || name.compare(0, lead.size(), lead) != 0)
    return false;
  for (std::size_t i = lead.size(); i < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      return false;
  }
  return true;
}

} // namespace

void RemoveLeftoverTemporaries(const std::string &path) {
  const std::string folder = FolderOf(path);
  const std::string base = NameOf(path);
  DIR *directory = ::opendir(folder.c_str());
  if (directory == nullptr)
    return; // the write that follows reports what is wrong with the folder
  std::vector<std::string> leftovers;
  while (const dirent *entry = ::readdir(directory))
    if (IsTemporaryOf(entry->d_name, base))
      leftovers.emplace_back(entry->d_name);
  ::closedir(directory);
  for (const std::string &name : leftovers)
    ::unlink((folder + "/" + name).c_str());
}

Result<void> MakeFolders(const std::string &folder, mode_t mode) {
  struct stat info;
  if (::stat(folder.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode))
      return {};
    return Failure(Reason(folder, ENOTDIR));
  }
  if (errno != ENOENT)
    return Failure(Reason(folder, errno));
  const std::string parent = FolderOf(folder);
  if (parent.size() < folder.size())
    if (Result<void> made = MakeFolders(parent, mode); !made)
      return made;
  if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST)
    return Failure(Reason("cannot create " + folder, errno));
  return {};
}

std::string FolderOf(const std::string &path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  if (slash == 0)
    return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string &path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace platform
