#pragma once

// The file work behind profile writes and reads: reading a whole file without
// ever blocking or swallowing a huge one, replacing a file so that a crash
// leaves either the old or the new one, making folders, and the advisory
// lock that serialises writers.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

#include "platform/result.h"

namespace platform {

// Profile files above this size are not read (reads give the defaults) and
// not written: settings files are a few kilobytes, and anything this large
// is not one of ours.
inline constexpr std::size_t MaxProfileSize = std::size_t{16} << 20;

// A file read whole, with its status.
struct WholeFile {
  std::string bytes;
  struct stat info {};
};

// Why a file was not read: a caller treats an absent file as an empty one.
enum class WholeFileFault {
  Absent,     // there is no such file (no message)
  Unreadable, // it cannot be read, is not a regular file, or is too large
};

// Reads the regular file at path whole. Absent when there is no such file;
// Unreadable (the message says why) when it cannot be read, is not a regular
// file (a FIFO in its place does not block us), or is larger than
// MaxProfileSize.
Result<WholeFile, Fault<WholeFileFault>> ReadWholeFile(const std::string &path);

// Writes bytes to a temporary file beside path, flushes it to the disk, gives
// it mode (and, where allowed, owner and group) and renames it over path. On
// failure path is untouched and the temporary file is removed.
Result<void> ReplaceFile(const std::string &path, const std::string &bytes, mode_t mode,
                         uid_t owner, gid_t group);

// Removes the temporary files that ReplaceFile left beside path when a writer
// was killed between making one and renaming it. Call it only while holding
// the file's lock: every writer holds it from making its temporary file to
// renaming it, so any such file then belongs to a writer that is gone.
// Without this, each killed writer would leave a file behind for good.
void RemoveLeftoverTemporaries(const std::string &path);

// Makes folder and any missing folder above it, each new one with mode.
Result<void> MakeFolders(const std::string &folder, mode_t mode);

// The folder part of a path ("." for a bare name) and the name after it.
std::string FolderOf(const std::string &path);
std::string NameOf(const std::string &path);

} // namespace platform
