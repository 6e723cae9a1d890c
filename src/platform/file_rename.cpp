#include "platform/file_rename.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace platform {

Result<void> RenameNoReplace(const std::string &from, const std::string &to) {
  // The kernel checks and renames in one step, so nothing can slip in between.
  if (syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return {};
  if (errno == ENOSYS || errno == EINVAL)
    return RenameByLink(from, to);
  return Failure(std::strerror(errno));
}

Result<void> RenameByLink(const std::string &from, const std::string &to) {
  // A hard link cannot replace either.
  if (link(from.c_str(), to.c_str()) != 0)
    return Failure(std::strerror(errno));
  if (unlink(from.c_str()) == 0)
    return {};
  // Both names now stand for the file: a package would count as enabled and
  // disabled at once. Take the new name back, so nothing has changed.
  std::string error = std::strerror(errno);
  if (unlink(to.c_str()) != 0)
    error += " (and the file now also has the name " + to + ")";
  return Failure(error);
}

} // namespace platform
