#include "line_stream.h"

#include <cerrno>

namespace qxp {

namespace {

constexpr std::string_view LineEnd = "\r\n";

} // namespace

LineStream::LineStream(std::FILE *out, Change change) : out_(out), change_(std::move(change)) {
  const cookie_io_functions_t functions{nullptr, &LineStream::Write, nullptr, nullptr};
  stream_ = fopencookie(this, "w", functions);
}

LineStream::~LineStream() {
  Close();
}

int LineStream::Close() {
  if (stream_ == nullptr)
    return failure_;
  std::FILE *stream = stream_;
  stream_ = nullptr;
  // The close writes what stdio holds, and then what follows the last line
  // end goes out.
  if (std::fclose(stream) != 0 && failure_ == 0)
    failure_ = errno != 0 ? errno : EIO;
  if (failure_ == 0 && !pending_.empty() && !Pass(pending_))
    failure_ = errno != 0 ? errno : EIO;
  pending_.clear();
  if (failure_ == 0 && std::fflush(out_) != 0)
    failure_ = errno != 0 ? errno : EIO;
  return failure_;
}

bool LineStream::Pass(std::string_view text) {
  errno = 0;
  if (!change_)
    return std::fwrite(text.data(), 1, text.size(), out_) == text.size();
  const std::string changed = change_(text);
  return std::fwrite(changed.data(), 1, changed.size(), out_) == changed.size();
}

ssize_t LineStream::Write(void *cookie, const char *data, std::size_t size) {
  auto &self = *static_cast<LineStream *>(cookie);
  if (self.failure_ != 0) {
    errno = self.failure_;
    return -1;
  }
  std::string_view rest(data, size);
  // A line end may be split between two writes: its CR ends the pending text.
  if (!rest.empty() && !self.pending_.empty() && self.pending_.back() == '\r' &&
      rest.front() == '\n') {
    self.pending_ += '\n';
    rest.remove_prefix(1);
    if (!self.Pass(self.pending_)) {
      self.failure_ = errno != 0 ? errno : EIO;
      return -1;
    }
    self.pending_.clear();
  }
  for (std::size_t end; (end = rest.find(LineEnd)) != std::string_view::npos;) {
    const std::size_t lineSize = end + LineEnd.size();
    bool passed = true;
    if (self.pending_.empty()) {
      passed = self.Pass(rest.substr(0, lineSize));
    } else {
      self.pending_.append(rest.substr(0, lineSize));
      passed = self.Pass(self.pending_);
      self.pending_.clear();
    }
    if (!passed) {
      self.failure_ = errno != 0 ? errno : EIO;
      return -1;
    }
    rest.remove_prefix(lineSize);
  }
  self.pending_.append(rest);
  return static_cast<ssize_t>(size);
}

} // namespace qxp
