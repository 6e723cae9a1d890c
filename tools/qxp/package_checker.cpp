#include "qxp/package_checker.h"

#include <array>
#include <cstdio>
#include <optional>

#include "content/entry_cleaning.h"
#include "content/package_format.h"
#include "qxp/entry_layout.h"
#include "qxp/slot_names.h"
#include "qxp/source_text.h"

namespace qxp {

namespace {

using Offsets = std::array<std::uint32_t, package::OffsetCount>;

constexpr std::uint64_t TitleCountAt = 3;
constexpr std::uint64_t TitlesAt = 4;
constexpr std::uint64_t TitleRecord = 1 + package::TitleLength;

std::string TitleField(int index) {
  return "Titles[" + std::to_string(index) + "] (title " + std::to_string(index + 1) + ")";
}

std::string OffsetField(int index) {
  std::string field = "SlotOffsets[" + std::to_string(index) + "] (";
  if (index == package::DescriptionSlot)
    return field + "the description)";
  return field + "slot " + std::to_string(index) + ", " + SlotDate(index) + ")";
}

bool OnlyControlBytes(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 32)
      return false;
  return true;
}

// An entry of many tiny pieces would cost tens of bytes of memory (and of its
// dump) for each byte of the file. Only the first piece, the first piece that
// has text after cleaning (the screen saver takes it alone) and the last two
// (where the trailer is looked for) have a meaning of their own; the pieces
// between are only ever shown joined. So when there are more pieces than qxp
// would store the text in, those between are joined and cut again into full pieces, which
// reads the same (see MostPieces); pieces of control bytes alone among them
// are dropped, as cleaning would leave nothing of them.
std::vector<std::string> Compacted(const std::vector<std::string_view> &pieces) {
  std::uint64_t text = 0;
  for (std::string_view piece : pieces)
    text += piece.size();
  if (pieces.size() <= MostPieces(text))
    return {pieces.begin(), pieces.end()};
  std::vector<std::string> kept{std::string(pieces.front())};
  bool textShown = !OnlyControlBytes(kept.front());
  std::string joined;
  const std::size_t lastTwo = pieces.size() - 2;
  for (std::size_t i = 1; i < lastTwo; ++i) {
    if (OnlyControlBytes(pieces[i]))
      continue;
    if (!textShown) {
      kept.emplace_back(pieces[i]);
      textShown = true;
      continue;
    }
    joined += pieces[i];
  }
  for (std::size_t at = 0; at < joined.size(); at += package::PieceLength)
    kept.push_back(joined.substr(at, package::PieceLength));
  kept.emplace_back(pieces[lastTwo]);
  kept.emplace_back(pieces[lastTwo + 1]);
  return kept;
}

bool OnlyTextBytes(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) < 32)
      return false;
  return true;
}

// Package text as a message quotes it: UTF-8, with every byte a terminal
// could take as a control (C0, DEL, C1) written {xHH} as in a source.
std::string Quoted(std::string_view bytes, std::uint8_t packageType) {
  return EncodeSourceText(bytes, TextCodePage(packageType));
}

// Where text that should be UTF-8 is not, for a message: "byte 0xE4 at 12".
std::optional<std::string> NotUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    if (!NextUtf8(text, pos)) {
      char byte[8];
      std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[start]));
      return std::string("byte ") + byte + " at " + std::to_string(start);
    }
  }
  return std::nullopt;
}

class Checker {
public:
  explicit Checker(const PackageImage &image) : image_(image) {}

  CheckReport Run() {
    if (!CheckHeader())
      return std::move(report_);
    CheckOffsets();
    for (int slot = 0; slot < package::SlotCount; ++slot)
      CheckSlot(slot);
    CheckDescription();
    CheckLeapDay();
    if (report_.Sound())
      report_.content = std::move(content_);
    return std::move(report_);
  }

  CheckReport RunDay() {
    if (!CheckHeader())
      return std::move(report_);
    if (const std::optional<int> slot = image_.DaySlot()) {
      CheckOffset(*slot);
      CheckOffset(*slot + 1);
      CheckSlot(*slot);
    }
    return std::move(report_);
  }

private:
  void Fault(std::string text) { report_.faults.push_back(std::move(text)); }
  bool Utf8() const { return content_.Type == package::Utf8Type; }
  void Warn(std::string text) { report_.warnings.push_back(std::move(text)); }

  // Checks the fields of the header and takes the offsets; false when the
  // layout of the rest of the file cannot be known.
  bool CheckHeader() {
    auto type = image_.Byte(0);
    if (!type) {
      Fault("the file is empty, shorter than its header");
      return false;
    }
    if (!package::IsAcceptedType(*type))
      Fault("PackageType: " + std::to_string(*type) +
            " is not one of 0, 1, 2, 10, 11, 12, 20, 21, 22, 30, 31, 32");
    content_.Type = *type;
    auto countByte = image_.Byte(TitleCountAt);
    if (!countByte) {
      Fault("the file is " + std::to_string(image_.Size()) + " bytes, shorter than its header");
      return false;
    }
    auto count = static_cast<std::int8_t>(*countByte);
    if (count < 1 || count > package::MaxTitles) {
      Fault("TitleCount: " + std::to_string(count) + " is outside 1-7");
      return false;
    }
    headerSize_ = package::HeaderSize(count);
    if (image_.Size() < headerSize_) {
      Fault("the file is " + std::to_string(image_.Size()) + " bytes, shorter than its header (" +
            std::to_string(headerSize_) + " bytes with " + std::to_string(count) + " titles)");
      return false;
    }
    bool titlesSound = CheckTitles(count);
    const auto &shared = image_.Header();
    if (!shared && titlesSound)
      Fault("header: " + image_.HeaderFault());
    if (shared) {
      content_.Titles = shared->Titles;
      content_.TrailerMarker = shared->TrailerMarker;
      offsets_ = shared->SlotOffsets;
      return true;
    }
    // The layout is known even though a title is damaged: go on to the
    // offsets so that one fault does not hide the others.
    std::uint64_t at = headerSize_ - package::OffsetCount * 4;
    content_.TrailerMarker = static_cast<char>(*image_.Byte(at - 1));
    for (int i = 0; i < package::OffsetCount; ++i)
      offsets_[i] = *image_.U32(at + 4 * i);
    return true;
  }

  bool CheckTitles(int count) {
    bool sound = true;
    for (int i = 0; i < count; ++i) {
      std::uint8_t length = *image_.Byte(TitlesAt + i * TitleRecord);
      if (length > package::TitleLength) {
        Fault(TitleField(i) + ": length " + std::to_string(length) + " is above 40");
        sound = false;
        continue;
      }
      auto stored = image_.Span(TitlesAt + i * TitleRecord + 1, length);
      if (stored && Utf8() && NotUtf8(*stored))
        Fault(TitleField(i) + ": the title is not UTF-8 (" + *NotUtf8(*stored) + ")");
      if (stored && ShownTitle(*stored) != *stored)
        Warn(TitleField(i) + ": holds control bytes; the title shows as \"" +
             Quoted(ShownTitle(*stored), content_.Type) + "\"");
    }
    return sound;
  }

  void CheckOffsets() {
    for (int i = package::DescriptionSlot + 1; i < package::OffsetCount; ++i) {
      if (offsets_[i] != 0)
        Fault("SlotOffsets[" + std::to_string(i) + "]: " + std::to_string(offsets_[i]) +
              ", but the unused offsets 367-369 must be 0");
    }
    for (int i = 0; i <= package::DescriptionSlot; ++i)
      CheckOffset(i);
  }

  // The offset of slot i (or of the description): where it points, and that
  // the next one does not come before it.
  void CheckOffset(int i) {
    if (i == 0 && offsets_[0] < headerSize_)
      Fault(OffsetField(0) + ": offset " + std::to_string(offsets_[0]) +
            " points into the header, which ends at " + std::to_string(headerSize_));
    if (offsets_[i] >= image_.Size())
      Fault(OffsetField(i) + ": offset " + std::to_string(offsets_[i]) +
            " is past the end of the file (" + std::to_string(image_.Size()) + " bytes)");
    if (i < package::DescriptionSlot && offsets_[i] > offsets_[i + 1])
      Fault(OffsetField(i) + ": offset " + std::to_string(offsets_[i]) +
            " comes after the next offset " + std::to_string(offsets_[i + 1]) +
            "; the offsets are out of order");
  }

  void CheckSlot(int slot) {
    std::uint64_t start = offsets_[slot];
    std::uint64_t end = offsets_[slot + 1];
    if (start >= image_.Size())
      return; // reported with the offsets
    // With offsets out of order the program reads the first piece only; with
    // an end past the file, the fault is already named. Either way the walk
    // stays within what the program would read and what was not yet reported.
    bool walk = start <= end && end <= image_.Size();
    // The pieces are looked at where they lie in the file; one list serves
    // every slot.
    std::vector<std::string_view> &pieces = walked_;
    pieces.clear();
    std::uint64_t text = 0;
    std::uint64_t at = start;
    do {
      auto piece = image_.PieceAt(at);
      if (!piece) {
        Fault(DescribeSlot(slot) + ": the piece at " + std::to_string(at) +
              " runs past the end of the file (" + std::to_string(image_.Size()) + " bytes)");
        return;
      }
      text += piece->text.size();
      if (text > package::MaxEntryText) {
        Fault(DescribeSlot(slot) + ": the entry holds more than " +
              std::to_string(package::MaxEntryText) + " bytes of text, the most an entry may hold");
        return;
      }
      if (piece->end - start > package::MaxEntrySpan) {
        Fault(DescribeSlot(slot) + ": the entry takes more than " +
              std::to_string(package::MaxEntrySpan) +
              " bytes of the file, the most an entry may take");
        return;
      }
      // Empty pieces after the first show nothing; beyond two in a row they
      // cannot even move the trailer, so they are not kept.
      bool twoEmptyBefore =
          pieces.size() >= 3 && pieces.back().empty() && pieces[pieces.size() - 2].empty();
      if (!(piece->text.empty() && twoEmptyBefore))
        pieces.push_back(piece->text);
      at = piece->end;
    } while (walk && at < end);
    if (!walk)
      return;
    if (at > end) {
      Fault(DescribeSlot(slot) + ": the piece at " + std::to_string(at - pieces.back().size() - 1) +
            " runs past the slot's end (" + std::to_string(end) + ")");
      return;
    }
    std::vector<std::string> kept = Compacted(pieces);
    if (Utf8()) {
      std::string joined;
      for (const std::string &piece : kept)
        joined += piece;
      if (const std::optional<std::string> where = NotUtf8(joined)) {
        Fault(DescribeSlot(slot) + ": the text is not UTF-8 (" + *where + " of the entry's text)");
        return;
      }
    }
    if (auto fault = EntryFault(kept, content_.TrailerMarker, content_.Type)) {
      if (ReaderRefuses(kept, content_.TrailerMarker, content_.Type)) {
        Fault(DescribeSlot(slot) + ": " + *fault);
        return;
      }
      Warn(DescribeSlot(slot) + ": " + *fault);
    }
    if (kept.size() == 1 && kept.front().empty())
      return; // nothing that day
    if (ReadEntry(kept, content_.TrailerMarker, content_.Type).shown)
      ++report_.entries;
    content_.Entries[slot] = std::move(kept);
  }

  void CheckLeapDay() {
    const std::vector<std::string> &leapDay = content_.Entries[ExtraSlot];
    if (report_.Sound() && !IsReadingPlan(content_) && (leapDay.empty() || leapDay.front().empty()))
      Warn(DescribeSlot(ExtraSlot) + ": no entry, so the package shows nothing on leap days");
  }

  void CheckDescription() {
    std::uint64_t at = offsets_[package::DescriptionSlot];
    if (at >= image_.Size())
      return; // reported with the offsets
    auto piece = image_.PieceAt(at);
    if (!piece) {
      Fault("description: the piece at " + std::to_string(at) + " runs past the end of the file (" +
            std::to_string(image_.Size()) + " bytes)");
      return;
    }
    content_.Description = std::string(piece->text);
    if (Utf8() && NotUtf8(piece->text))
      Fault("description: the description is not UTF-8 (" + *NotUtf8(piece->text) + ")");
    if (!OnlyTextBytes(piece->text))
      Warn("description: holds control bytes, which the About Packages dialog shows as they are: "
           "\"" +
           Quoted(piece->text, content_.Type) + "\"");
  }

  const PackageImage &image_;
  CheckReport report_;
  PackageContent content_;
  Offsets offsets_{};
  std::vector<std::string_view> walked_; // the pieces of the slot being checked
  std::uint64_t headerSize_ = 0;
};

} // namespace

CheckReport CheckPackage(const PackageImage &image) {
  return Checker(image).Run();
}

CheckReport CheckPackageDay(const PackageImage &dayImage) {
  return Checker(dayImage).RunDay();
}

} // namespace qxp
