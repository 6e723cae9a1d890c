#include "qxp/package_writer.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_rename.h"
#include "platform/regular_file.h"
#include "qxp/entry_layout.h"
#include "qxp/slot_names.h"

namespace qxp {

namespace {

void PutU32(std::string &out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutPiece(std::string &out, std::string_view text) {
  out.push_back(static_cast<char>(text.size()));
  out += text;
}

std::optional<std::string> HeaderFault(const PackageContent &content) {
  if (!package::IsAcceptedType(content.Type))
    return "package type " + std::to_string(content.Type) + " is not accepted";
  if (content.Titles.empty() || content.Titles.size() > package::MaxTitles)
    return "a package has 1 to 7 titles, not " + std::to_string(content.Titles.size());
  for (const std::string &title : content.Titles) {
    if (title.size() > package::TitleLength)
      return "a title holds at most 40 bytes";
  }
  if (content.Description.size() > package::PieceLength)
    return "the description holds at most 255 bytes";
  return std::nullopt;
}

std::string ErrnoText(const std::string &what, const std::string &path) {
  return "cannot " + what + " '" + path + "': " + std::strerror(errno);
}

// Writes all bytes to an open descriptor and flushes them to the disk.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return ::fsync(fd) == 0;
}

// The permissions a newly created file gets: read and write for everyone the
// umask lets through.
mode_t NewFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Moves the written temporary file to path: over an existing file only when
// replace is set, else in the one step that never replaces.
platform::Result<void> MoveIntoPlace(const std::string &temporary, const std::string &path,
                                     bool replace) {
  if (!replace)
    return platform::RenameNoReplace(temporary, path);
  if (::rename(temporary.c_str(), path.c_str()) != 0)
    return platform::Failure(std::strerror(errno));
  return {};
}

} // namespace

std::optional<std::string> SerializePackage(const PackageContent &content, std::string &error) {
  if (auto fault = HeaderFault(content)) {
    error = *fault;
    return std::nullopt;
  }
  std::string out;
  out.push_back(static_cast<char>(content.Type));
  out.append(2, '\0');
  out.push_back(static_cast<char>(content.Titles.size()));
  for (const std::string &title : content.Titles) {
    out.push_back(static_cast<char>(title.size()));
    out += title;
    out.append(package::TitleLength - title.size(), '\0');
  }
  out.push_back(content.TrailerMarker);
  std::size_t offsets = out.size();
  out.append(package::OffsetCount * 4, '\0');

  constexpr std::uint64_t Limit = std::numeric_limits<std::uint32_t>::max();
  for (int slot = 0; slot < package::SlotCount; ++slot) {
    const std::vector<std::string> &pieces = content.Entries[slot];
    if (auto fault = EntryFault(pieces, content.TrailerMarker, content.Type)) {
      error = DescribeSlot(slot) + ": " + *fault;
      return std::nullopt;
    }
    if (out.size() > Limit) {
      error = "the package would pass 4 GiB";
      return std::nullopt;
    }
    PutU32(out, offsets + 4 * slot, static_cast<std::uint32_t>(out.size()));
    if (pieces.empty())
      PutPiece(out, "");
    for (const std::string &piece : pieces)
      PutPiece(out, piece);
  }
  if (out.size() > Limit - 256) {
    error = "the package would pass 4 GiB";
    return std::nullopt;
  }
  PutU32(out, offsets + 4 * package::DescriptionSlot, static_cast<std::uint32_t>(out.size()));
  PutPiece(out, content.Description);
  return out;
}

bool WriteFileAtomically(const std::string &path, std::string_view bytes, bool replace,
                         std::string &error) {
  // Only a package is replaced, never a device, a FIFO, a folder or a link
  // (--force on /dev/full would put a file in the device's place).
  if (struct stat existing{}; ::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    error = "cannot write '" + path + "': it is " + platform::FileKindOf(existing.st_mode) +
            ", not a regular file; qxp build replaces a regular file only";
    return false;
  }
  std::filesystem::path target(path);
  std::filesystem::path folder = target.parent_path();
  std::string pattern = (folder.empty() ? std::string(".") : folder.string()) + "/." +
                        target.filename().string() + ".XXXXXX";
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    error = ErrnoText("write into the folder of", path);
    return false;
  }
  bool written = ::fchmod(fd, NewFileMode()) == 0 && WriteAll(fd, bytes);
  int savedErrno = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    savedErrno = errno;
  }
  if (written) {
    const platform::Result<void> moved = MoveIntoPlace(pattern, path, replace);
    if (moved)
      return true;
    ::unlink(pattern.c_str());
    struct stat existing {};
    error = !replace && ::lstat(path.c_str(), &existing) == 0
                ? "'" + path + "' exists; qxp build replaces a file only with --force"
                : "cannot write '" + path + "': " + moved.error();
    return false;
  }
  ::unlink(pattern.c_str());
  errno = savedErrno;
  error = ErrnoText("write", path);
  return false;
}

} // namespace qxp
