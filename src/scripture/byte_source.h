#pragma once

// The bytes of a module's file, read a range at a time where the reader asks
// for them: from an open file (pread, so that a large index is never read
// whole) or from memory (the fuzz target hands the reader its input).

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {
class RegularFile;
}

class TByteSource {
public:
  virtual ~TByteSource() = default;
  // The size the reader judges offsets by; a file's when it was opened.
  virtual std::uint64_t Size() const = 0;
  // count bytes at offset into `into`; false when they cannot all be read
  // (a file that got shorter, or a read error).
  virtual bool Read(std::uint64_t offset, std::size_t count, char *into) const = 0;
};

class TMemorySource final : public TByteSource {
public:
  explicit TMemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool Read(std::uint64_t offset, std::size_t count, char *into) const override;

private:
  std::string_view bytes_;
};

// An open regular file, kept open by its owner while the source is used.
class TFileSource final : public TByteSource {
public:
  explicit TFileSource(const platform::RegularFile &file) : file_(file) {}
  std::uint64_t Size() const override;
  bool Read(std::uint64_t offset, std::size_t count, char *into) const override;

private:
  const platform::RegularFile &file_;
};
