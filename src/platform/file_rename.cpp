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

bool RenameNoReplace(const std::string &from, const std::string &to, std::string &error) {
  // The kernel checks and renames in one step, so nothing can slip in between.
  if (syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  if (errno == ENOSYS || errno == EINVAL) {
    // A file system without that: a hard link cannot replace either.
    if (link(from.c_str(), to.c_str()) == 0) {
      unlink(from.c_str());
      return true;
    }
  }
  error = std::strerror(errno);
  return false;
}

} // namespace platform
