#include "qxp/entry_layout.h"

#include <cstdio>

#include "content/entry_cleaning.h"
#include "content/oem_to_ansi.h"
#include "content/package_format.h"
#include "content/text_piece.h"
#include "content/trailer_split.h"

namespace qxp {

namespace {

constexpr std::size_t PieceLength = package::PieceLength;
// How far back from the limit a cut looks for a space.
constexpr std::size_t SpaceSearch = 64;

// The byte the program compares with the marker.
unsigned char ReaderByte(char byte, std::uint8_t packageType) {
  auto value = static_cast<unsigned char>(byte);
  return packageType == package::CodePage437Type ? OemToAnsi(value) : value;
}

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

void SplitAtSpaces(std::string_view text, std::uint8_t packageType,
                   std::vector<std::string> &pieces) {
  while (text.size() > PieceLength) {
    std::size_t cut = PieceLength;
    for (std::size_t i = PieceLength; i > PieceLength - SpaceSearch; --i) {
      if (text[i - 1] == ' ') {
        cut = i;
        break;
      }
    }
    // Text without spaces (Chinese, Japanese) is cut between characters.
    if (packageType == package::Utf8Type)
      while (cut > 1 && IsContinuationByte(text[cut]))
        --cut;
    pieces.emplace_back(text.substr(0, cut));
    text.remove_prefix(cut);
  }
  if (!text.empty())
    pieces.emplace_back(text);
}

std::uint64_t TextSize(const std::vector<std::string> &pieces) {
  std::uint64_t size = 0;
  for (const std::string &piece : pieces)
    size += piece.size();
  return size;
}

// The bytes the pieces take in the file, length bytes included.
std::uint64_t StoredSize(const std::vector<std::string> &pieces) {
  return TextSize(pieces) + pieces.size();
}

TTextPiece Chain(const std::vector<std::string> &pieces) {
  TTextPiece first(pieces.front());
  TTextPiece *last = &first;
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    last->NextPiece = std::make_unique<TTextPiece>(pieces[i]);
    last = last->NextPiece.get();
  }
  return first;
}

} // namespace

EntryReading ReadEntry(const std::vector<std::string> &pieces, char marker,
                       std::uint8_t packageType) {
  EntryReading reading;
  if (pieces.empty() || pieces.front().empty())
    return reading;
  TTextPiece first = Chain(pieces);
  CleanEntryPieces(first, packageType == package::CodePage437Type);
  reading.trailer = SplitTrailer(first, marker);
  reading.body = JoinedText(first);
  reading.shown = !reading.body.empty() && reading.trailer.size() <= PieceLength;
  return reading;
}

std::optional<std::size_t> TrailerStart(std::string_view text, char marker,
                                        std::uint8_t packageType) {
  auto wanted = static_cast<unsigned char>(marker);
  if (wanted < 0x20)
    return std::nullopt;
  for (std::size_t i = text.size(); i > 0; --i) {
    if (ReaderByte(text[i - 1], packageType) == wanted)
      return i - 1;
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> LayOutEntry(std::string_view text, char marker,
                                                    std::uint8_t packageType, std::string &error) {
  std::vector<std::string> pieces;
  auto at = TrailerStart(text, marker, packageType);
  if (!at) {
    SplitAtSpaces(text, packageType, pieces);
  } else {
    std::string_view trailer = text.substr(*at);
    if (trailer.size() > PieceLength) {
      error = "the trailer (from the last " + DescribeMarker(marker) + " to the end) is " +
              std::to_string(trailer.size()) + " bytes; a trailer holds at most " +
              std::to_string(PieceLength);
      return std::nullopt;
    }
    SplitAtSpaces(text.substr(0, *at), packageType, pieces);
    if (!pieces.empty() && pieces.back().size() + trailer.size() <= PieceLength)
      pieces.back() += trailer;
    else
      pieces.emplace_back(trailer);
  }
  if (auto fault = EntryFault(pieces, marker, packageType)) {
    error = *fault;
    return std::nullopt;
  }
  return pieces;
}

std::optional<std::string> EntryFault(const std::vector<std::string> &pieces, char marker,
                                      std::uint8_t packageType) {
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].size() > PieceLength)
      return "piece " + std::to_string(i + 1) + " is " + std::to_string(pieces[i].size()) +
             " bytes; a piece holds at most " + std::to_string(PieceLength);
  }
  for (std::size_t i = 3; i < pieces.size(); ++i) {
    if (pieces[i].empty() && pieces[i - 1].empty() && pieces[i - 2].empty())
      return "piece " + std::to_string(i + 1) +
             " is the third empty piece in a row, which changes nothing; leave it out";
  }
  if (TextSize(pieces) > package::MaxEntryText)
    return "the entry holds " + std::to_string(TextSize(pieces)) + " bytes of text; an entry " +
           "holds at most " + std::to_string(package::MaxEntryText);
  if (StoredSize(pieces) > package::MaxEntrySpan)
    return "the entry takes " + std::to_string(StoredSize(pieces)) +
           " bytes of the file in its pieces; an entry takes at most " +
           std::to_string(package::MaxEntrySpan);
  if (pieces.empty() || pieces.front().empty()) {
    if (pieces.size() > 1)
      return "the first piece is empty, so the " + std::to_string(pieces.size() - 1) +
             " piece(s) after it never show";
    return std::nullopt; // nothing for the day
  }
  EntryReading reading = ReadEntry(pieces, marker, packageType);
  if (reading.trailer.size() > PieceLength)
    return "the trailer is " + std::to_string(reading.trailer.size()) +
           " bytes as shown (joined from the last two pieces, " +
           (marker == package::HyphenMarker ? std::string("a '-' marker shown as \"- \"")
                                            : "without its " + DescribeMarker(marker) + " marker") +
           "); a trailer holds at most " + std::to_string(PieceLength);
  if (reading.body.empty())
    return reading.trailer.empty()
               ? std::string("the entry holds nothing the day can show (only control bytes)")
               : "the entry holds nothing but its trailer, so the day shows nothing; "
                 "put the text before the " +
                     DescribeMarker(marker);
  return std::nullopt;
}

bool ReaderRefuses(const std::vector<std::string> &pieces, char marker, std::uint8_t packageType) {
  if (TextSize(pieces) > package::MaxEntryText || StoredSize(pieces) > package::MaxEntrySpan)
    return true;
  if (pieces.empty() || pieces.front().empty())
    return false;
  return ReadEntry(pieces, marker, packageType).trailer.size() > PieceLength;
}

std::string DescribeMarker(char marker) {
  auto value = static_cast<unsigned char>(marker);
  char text[16];
  if (value >= 0x20 && value < 0x7F)
    std::snprintf(text, sizeof text, "'%c'", marker);
  else
    std::snprintf(text, sizeof text, "0x%02X", value);
  return text;
}

} // namespace qxp
