#pragma once

// An output stream buffer onto a C stdio stream, for qxp's commands that
// print through C++ streams. It is made only when such a command runs: the
// C++ standard streams set up the locales at every start of the program,
// which costs more than printing the day's text, and qxp today runs at
// every log-in.

#include <cstdio>
#include <streambuf>

namespace qxp {

class StdioBuffer : public std::streambuf {
public:
  explicit StdioBuffer(std::FILE *file) : file_(file) {}

protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof()))
      return traits_type::not_eof(c);
    return std::fputc(traits_type::to_char_type(c), file_) == EOF ? traits_type::eof() : c;
  }
  std::streamsize xsputn(const char *text, std::streamsize count) override {
    return static_cast<std::streamsize>(
        std::fwrite(text, 1, static_cast<std::size_t>(count), file_));
  }
  // A failed flush (a full disk, a closed pipe) sets the stream's badbit.
  int sync() override { return std::fflush(file_) == 0 ? 0 : -1; }

private:
  std::FILE *file_;
};

} // namespace qxp
