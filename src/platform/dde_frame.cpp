#include "platform/dde_frame.h"

#include "platform/dde.h"

namespace platform::ddewire {
namespace {

std::uint32_t Read32(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

std::uint16_t Read16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

void Append32(std::string &out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>((value >> shift) & 0xff));
}

void Append16(std::string &out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xff));
  out.push_back(static_cast<char>(value >> 8));
}

bool KnownType(std::uint8_t type) {
  return type >= static_cast<std::uint8_t>(FrameType::Connect) &&
         type <= static_cast<std::uint8_t>(FrameType::Reply);
}

// What a header alone can tell: version, known type and status, lengths in
// bounds. The rest waits for the whole frame.
bool HeaderIsSound(std::string_view header) {
  return static_cast<std::uint8_t>(header[0]) == Version &&
         KnownType(static_cast<std::uint8_t>(header[1])) &&
         static_cast<std::uint8_t>(header[2]) <= static_cast<std::uint8_t>(FrameStatus::Busy) &&
         header[3] == 0 && Read16(header, 10) <= DdeMaxName && Read32(header, 12) <= DdeMaxData;
}

} // namespace

std::size_t MaxFrameSize() {
  return HeaderSize + DdeMaxName + DdeMaxData;
}

bool FrameIsValid(const Frame &frame) {
  if (frame.name.size() > DdeMaxName || frame.data.size() > DdeMaxData ||
      frame.name.find('\0') != std::string::npos ||
      static_cast<std::uint8_t>(frame.status) > static_cast<std::uint8_t>(FrameStatus::Busy))
    return false;
  bool isReply = frame.type == FrameType::Reply || frame.type == FrameType::ConnectReply;
  if (!isReply && frame.status != FrameStatus::NotProcessed)
    return false;
  switch (frame.type) {
  case FrameType::Connect:
    return !frame.name.empty() && frame.data.empty() && frame.sequence == 0 && frame.format == 0;
  case FrameType::ConnectReply:
    return frame.name.empty() && frame.data.empty() && frame.sequence == 0 && frame.format == 0 &&
           frame.status != FrameStatus::Busy;
  case FrameType::Request:
    return !frame.name.empty() && frame.data.empty() && frame.sequence != 0;
  case FrameType::Poke:
    return !frame.name.empty() && frame.sequence != 0;
  case FrameType::Execute:
    return frame.name.empty() && frame.sequence != 0;
  case FrameType::Reply:
    return frame.name.empty() && frame.sequence != 0 &&
           (frame.data.empty() || frame.status == FrameStatus::Ack);
  }
  return false;
}

DecodeResult DecodeFrame(std::string_view bytes) {
  DecodeResult result;
  if (bytes.size() < HeaderSize) {
    // A first byte that is not our version can never become a frame.
    if (!bytes.empty() && static_cast<std::uint8_t>(bytes[0]) != Version)
      result.status = DecodeStatus::Malformed;
    return result;
  }
  if (!HeaderIsSound(bytes.substr(0, HeaderSize))) {
    result.status = DecodeStatus::Malformed;
    return result;
  }
  std::size_t nameLength = Read16(bytes, 10);
  std::size_t dataLength = Read32(bytes, 12);
  std::size_t size = HeaderSize + nameLength + dataLength;
  if (bytes.size() < size)
    return result;

  Frame &frame = result.frame;
  frame.type = static_cast<FrameType>(bytes[1]);
  frame.status = static_cast<FrameStatus>(bytes[2]);
  frame.sequence = Read32(bytes, 4);
  frame.format = Read16(bytes, 8);
  frame.name.assign(bytes.substr(HeaderSize, nameLength));
  frame.data.assign(bytes.substr(HeaderSize + nameLength, dataLength));
  if (!FrameIsValid(frame)) {
    result.status = DecodeStatus::Malformed;
    result.frame = {};
    return result;
  }
  result.status = DecodeStatus::Complete;
  result.size = size;
  return result;
}

std::string EncodeFrame(const Frame &frame) {
  if (!FrameIsValid(frame))
    return {};
  std::string out;
  out.reserve(HeaderSize + frame.name.size() + frame.data.size());
  out.push_back(static_cast<char>(Version));
  out.push_back(static_cast<char>(frame.type));
  out.push_back(static_cast<char>(frame.status));
  out.push_back('\0');
  Append32(out, frame.sequence);
  Append16(out, frame.format);
  Append16(out, static_cast<std::uint16_t>(frame.name.size()));
  Append32(out, static_cast<std::uint32_t>(frame.data.size()));
  out += frame.name;
  out += frame.data;
  return out;
}

} // namespace platform::ddewire
