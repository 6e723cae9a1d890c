#include "platform/profile_cache.h"

#include "platform/profile_file.h"

#include <ctime>

namespace platform {

namespace {

bool SameTime(const timespec &a, const timespec &b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

bool ProfileCache::Identity::operator==(const Identity &other) const {
  return device == other.device && inode == other.inode && size == other.size &&
         SameTime(modified, other.modified) && SameTime(changed, other.changed);
}

ProfileCache::Identity ProfileCache::IdentityOf(const struct stat &info) {
  return Identity{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

std::shared_ptr<const ProfileIndex> ProfileCache::Get(const std::string &path) {
  std::lock_guard lock(mutex_);
  if (batchDepth_ == 0)
    return Look(path);
  auto seen = batch_.find(path);
  if (seen != batch_.end())
    return seen->second;
  return batch_[path] = Look(path);
}

void ProfileCache::BeginBatch() {
  std::lock_guard lock(mutex_);
  ++batchDepth_;
}

void ProfileCache::EndBatch() {
  std::lock_guard lock(mutex_);
  if (batchDepth_ > 0 && --batchDepth_ == 0)
    batch_.clear();
}

std::shared_ptr<const ProfileIndex> ProfileCache::Look(const std::string &path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    entries_.erase(path);
    return nullptr;
  }
  auto kept = entries_.find(path);
  if (kept != entries_.end() && kept->second.settled && kept->second.identity == IdentityOf(info))
    return kept->second.index;

  // Taken before reading, so that a change made during the read is never
  // counted as settled.
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  // An unreadable file reads as an absent one: its reason is for the writes.
  Result<WholeFile, Fault<WholeFileFault>> read = ReadWholeFile(path);
  if (!read) {
    entries_.erase(path);
    return nullptr;
  }
  std::string &bytes = read->bytes;
  info = read->info;
  ++reads_;
  Entry entry;
  entry.identity = IdentityOf(info);
  entry.settled = info.st_mtim.tv_sec < now.tv_sec - 1;
  // A recently changed file is read again at every look; while its bytes
  // stay the same, so does what was made of them.
  if (kept != entries_.end() && kept->second.index->Text() == bytes) {
    entry.index = kept->second.index;
  } else {
    if (kept != entries_.end())
      entries_.erase(kept); // not kept alongside the new one while it is made
    entry.index = std::make_shared<const ProfileIndex>(std::move(bytes));
  }
  entries_[path] = entry;
  return entry.index;
}

void ProfileCache::Forget(const std::string &path) {
  std::lock_guard lock(mutex_);
  entries_.erase(path);
  batch_.erase(path);
}

std::uint64_t ProfileCache::Reads() const {
  std::lock_guard lock(mutex_);
  return reads_;
}

ProfileCache &SharedProfileCache() {
  static ProfileCache cache;
  return cache;
}

} // namespace platform
