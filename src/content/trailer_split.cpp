#include "content/trailer_split.h"

#include "content/package_format.h"

namespace {

// The marker starts the trailer; how it is shown depends on the marker.
std::string FinishTrailer(std::string raw, char marker) {
  if (raw.empty())
    return raw;
  if (marker == package::HyphenMarker)
    return "- " + raw.substr(1);
  return raw.substr(1);
}

} // namespace

std::string SplitTrailer(TTextPiece &first, char marker) {
  if (marker == 0)
    return {};
  TTextPiece *beforeLast = nullptr;
  TTextPiece *last = &first;
  while (last->NextPiece) {
    beforeLast = last;
    last = last->NextPiece.get();
  }

  std::string raw;
  if (const auto at = last->Text.rfind(marker); at != std::string::npos) {
    raw = last->Text.substr(at);
    last->Text.resize(at);
  } else if (beforeLast != nullptr) {
    if (const auto before = beforeLast->Text.rfind(marker); before != std::string::npos) {
      raw = beforeLast->Text.substr(before) + last->Text;
      beforeLast->Text.resize(before);
      beforeLast->NextPiece.reset();
    }
  }
  return FinishTrailer(std::move(raw), marker);
}
