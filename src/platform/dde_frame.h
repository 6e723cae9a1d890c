#pragma once

// The wire format of a DDE conversation: a stream of frames, each a 16-byte
// header followed by a name and data.
//
//   offset size  field
//   0      1     version (1)
//   1      1     type (FrameType)
//   2      1     status (replies: FrameStatus; 0 otherwise)
//   3      1     reserved (0)
//   4      4     sequence (little endian): a transaction's number, echoed
//                by its reply; 0 in connect frames
//   8      2     format (clipboard format, little endian)
//   10     2     name length (at most DdeMaxName)
//   12     4     data length (at most DdeMaxData)
//   16     ...   name bytes (no NUL), then data bytes
//
// The decoder is a pure function over bytes so that it can be tested and
// fuzzed without sockets. It judges a frame by its header as soon as the
// header is complete, so an over-long frame is refused before its body is
// read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::ddewire {

inline constexpr std::size_t HeaderSize = 16;
inline constexpr std::uint8_t Version = 1;

enum class FrameType : std::uint8_t {
  Connect = 1,      // client → server: name = topic
  ConnectReply = 2, // server → client: status Ack (accepted) or NotProcessed
  Request = 3,      // name = item
  Poke = 4,         // name = item, data
  Execute = 5,      // data = command
  Reply = 6,        // status; data for an answered request
};

enum class FrameStatus : std::uint8_t { NotProcessed = 0, Ack = 1, Busy = 2 };

struct Frame {
  FrameType type = FrameType::Connect;
  FrameStatus status = FrameStatus::NotProcessed;
  std::uint32_t sequence = 0;
  std::uint16_t format = 0;
  std::string name;
  std::string data;
};

enum class DecodeStatus { Incomplete, Complete, Malformed };

struct DecodeResult {
  DecodeStatus status = DecodeStatus::Incomplete;
  std::size_t size = 0; // bytes of the frame when Complete
  Frame frame;          // when Complete
};

// The largest frame on the wire.
std::size_t MaxFrameSize();

// Decodes the first frame of bytes. Incomplete: more bytes are needed (never
// more than MaxFrameSize() in all). Malformed: the bytes cannot start a
// valid frame, whatever follows.
DecodeResult DecodeFrame(std::string_view bytes);

// Whether a frame obeys the rules of its type (the decoder refuses any
// frame that does not).
bool FrameIsValid(const Frame &frame);

// The bytes of a frame; empty when the frame is not valid.
std::string EncodeFrame(const Frame &frame);

} // namespace platform::ddewire
