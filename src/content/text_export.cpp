#include "content/text_export.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";

void WriteBytes(std::FILE *file, std::string_view bytes) {
  if (!bytes.empty())
    std::fwrite(bytes.data(), 1, bytes.size(), file);
}

} // namespace

TextExport::~TextExport() {
  Close();
}

bool TextExport::Create(const std::string &path) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  owned_ = true;
  return file_ != nullptr;
}

void TextExport::Attach(std::FILE *stream) {
  Close();
  file_ = stream;
  owned_ = false;
}

void TextExport::AppendEntry(std::string_view title, const TTextPiece &first, char marker,
                             std::string_view trailer) {
  if (file_ == nullptr)
    return;
  // Failed writes are not the user's concern: the export is rewritten at the
  // next load anyway.
  WriteBytes(file_, title);
  WriteBytes(file_, LineEnd);
  for (const TTextPiece *piece = &first; piece != nullptr; piece = piece->NextPiece.get())
    WriteBytes(file_, piece->Text);
  if (marker != 0) {
    WriteBytes(file_, " ");
    WriteBytes(file_, trailer);
  }
  WriteBytes(file_, LineEnd);
}

void TextExport::Close() {
  if (file_ == nullptr)
    return;
  if (owned_)
    std::fclose(file_);
  file_ = nullptr;
}
