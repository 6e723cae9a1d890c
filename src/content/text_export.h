#pragma once

// SELWARTH.TXT: the day's text of every package, two lines a package (the
// title; the body followed, for a package with a trailer marker, by a space
// and the trailer), CR LF line ends, code page 1252 bytes: the day's UTF-8 is
// written back as Windows writes it (platform/code_page_1252.h), so that a
// day of code page 1252 packages is exported byte for byte as stored.

#include <cstdio>
#include <string>
#include <string_view>

#include "content/text_piece.h"
#include "platform/result.h"

class TextExport {
public:
  TextExport() = default;
  ~TextExport();
  TextExport(const TextExport &) = delete;
  TextExport &operator=(const TextExport &) = delete;

  // Creates the file anew (emptying an old one). A failure, saying why, when
  // it cannot, or when the name is a symbolic link, a FIFO, a device or
  // another user's file (see CreateExportFile).
  platform::Result<void> Create(const std::string &path);
  // Writes to a stream the caller owns (a tool's standard output); Close
  // leaves it open.
  void Attach(std::FILE *stream);
  bool IsOpen() const { return file_ != nullptr; }
  // Leaves quiz answers out (a quiz entry's body line ends with its
  // question), for a text the reader should not see the answers in.
  void LeaveOutAnswers() { answers_ = false; }
  // Writes the program's own text (UTF-8) rather than code page 1252, for a
  // reader that takes every script (qxp today --utf8).
  void KeepUtf8() { utf8_ = true; }
  // Appends one package's two lines; does nothing when the file is not open.
  void AppendEntry(std::string_view title, const TTextPiece &first, char marker,
                   std::string_view trailer);
  // Appends a line of the caller's own (qxp's progress line after a plan's
  // entry); does nothing when the file is not open.
  void AppendLine(std::string_view line);
  // Closes the file (a stream that is only attached stays open). A failure,
  // saying why, when a write or the close failed, as on a full disk: the file
  // on the disk then lacks some of the day's text.
  platform::Result<void> Close();

private:
  void Write(std::string_view text);
  // Closes and forgets the first failure's errno, 0 when all went well.
  int CloseFile();

  std::FILE *file_ = nullptr;
  bool owned_ = false;
  bool answers_ = true;
  bool utf8_ = false;
  int writeError_ = 0; // the first failed write's errno, 0 when none failed
};
