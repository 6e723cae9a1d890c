#include "scripture/byte_source.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/regular_file.h"

bool TMemorySource::Read(std::uint64_t offset, std::size_t count, char *into) const {
  if (offset > bytes_.size() || count > bytes_.size() - offset)
    return false;
  if (count != 0)
    std::memcpy(into, bytes_.data() + offset, count);
  return true;
}

std::uint64_t TFileSource::Size() const {
  return file_.Size();
}

bool TFileSource::Read(std::uint64_t offset, std::size_t count, char *into) const {
  std::size_t have = 0;
  while (have < count) {
    const ssize_t got =
        ::pread(file_.Fd(), into + have, count - have, static_cast<off_t>(offset + have));
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      return false;
    have += static_cast<std::size_t>(got);
  }
  return true;
}
