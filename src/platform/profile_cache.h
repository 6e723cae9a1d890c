#pragma once

// Parsed profile files kept in memory, so that a read of an unchanged file
// costs one stat.

#include "platform/profile_parse.h"

#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace platform {

class ProfileCache {
public:
  // The parsed file at path, or null when there is none or it cannot be read.
  // A kept copy is used while the file's device, inode, size, modification
  // and change times (to the nanosecond) are those it was read with, and only
  // when its modification time was over a second old at the read: a change
  // within the same tick of the file system's clock as our read would leave
  // the times as they were, so a recently changed file is read every time
  // until it has settled.
  std::shared_ptr<const ProfileIndex> Get(const std::string &path);

  // Drops the kept copy of path (after a write).
  void Forget(const std::string &path);

  // How many times a file was read and parsed.
  std::uint64_t Reads() const;

  // Inside a batch each file is looked at once: later reads of it use what
  // the first found, without a stat. Batches nest.
  void BeginBatch();
  void EndBatch();

private:
  struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const Identity &other) const;
  };
  struct Entry {
    Identity identity;
    bool settled = false;
    std::shared_ptr<const ProfileIndex> index;
  };

  static Identity IdentityOf(const struct stat &info);

  std::shared_ptr<const ProfileIndex> Look(const std::string &path);

  mutable std::mutex mutex_;
  std::map<std::string, Entry> entries_;
  int batchDepth_ = 0;
  std::map<std::string, std::shared_ptr<const ProfileIndex>> batch_;
  std::uint64_t reads_ = 0;
};

// The one cache the profile functions share.
ProfileCache &SharedProfileCache();

} // namespace platform
