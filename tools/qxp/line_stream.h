#pragma once

// A stdio stream that passes what is written to it on to another stream one
// line at a time, each line changed first (wrapped, made UTF-8 for a
// terminal). The day's text is written through it as it is read, so that
// what qxp holds is one line, never the whole day: a folder of hundreds of
// packages costs what its longest entry costs.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace qxp {

class LineStream {
public:
  // Each line, with its CR LF, becomes change(line) in out (which stays the
  // caller's); no change passes the text on as it is.
  using Change = std::function<std::string(std::string_view)>;
  LineStream(std::FILE *out, Change change);
  ~LineStream();
  LineStream(const LineStream &) = delete;
  LineStream &operator=(const LineStream &) = delete;

  // The stream to write to; null when it could not be made.
  std::FILE *Stream() const { return stream_; }
  // Passes on what follows the last line end and closes the stream (out is
  // flushed, not closed). The errno of the first write to out that failed,
  // 0 when every byte went out.
  int Close();

private:
  static ssize_t Write(void *cookie, const char *data, std::size_t size);
  // Passes text on, changed; false (errno set) when out refused it.
  bool Pass(std::string_view text);

  std::FILE *out_;
  Change change_;
  std::FILE *stream_ = nullptr;
  std::string pending_; // the line begun and not yet ended
  int failure_ = 0;
};

} // namespace qxp
