#include "platform/dde_frame.h"

#include <gtest/gtest.h>

#include "platform/dde.h"

namespace {

using platform::ddewire::DecodeFrame;
using platform::ddewire::DecodeStatus;
using platform::ddewire::EncodeFrame;
using platform::ddewire::Frame;
using platform::ddewire::FrameStatus;
using platform::ddewire::FrameType;
using platform::ddewire::HeaderSize;

Frame Poke(std::string item, std::string data) {
  Frame frame;
  frame.type = FrameType::Poke;
  frame.sequence = 7;
  frame.format = platform::CF_TEXT;
  frame.name = std::move(item);
  frame.data = std::move(data);
  return frame;
}

// A header with the given lengths (and otherwise a sound poke).
std::string Header(std::uint16_t nameLength, std::uint32_t dataLength) {
  std::string header = EncodeFrame(Poke("x", "")).substr(0, HeaderSize);
  header[10] = static_cast<char>(nameLength & 0xff);
  header[11] = static_cast<char>(nameLength >> 8);
  for (int i = 0; i < 4; ++i)
    header[12 + i] = static_cast<char>((dataLength >> (8 * i)) & 0xff);
  return header;
}

TEST(DdeFrameTest, EveryKindOfFrameSurvivesTheRoundTrip) {
  Frame connect{FrameType::Connect, FrameStatus::NotProcessed, 0, 0, "Passage", ""};
  Frame accepted{FrameType::ConnectReply, FrameStatus::Ack, 0, 0, "", ""};
  Frame request{FrameType::Request, FrameStatus::NotProcessed, 1, 1, "VerAbr0", ""};
  Frame execute{FrameType::Execute,
                FrameStatus::NotProcessed,
                0xfffffffe,
                0,
                "",
                std::string("[Activate]\0garbage", 18)};
  Frame answer{FrameType::Reply, FrameStatus::Ack, 3, 1, "", std::string("KJV\0", 4)};
  Frame busy{FrameType::Reply, FrameStatus::Busy, 4, 0, "", ""};
  for (const Frame &frame :
       {connect, accepted, request, execute, answer, busy, Poke("CurRef", "John 3:16")}) {
    std::string bytes = EncodeFrame(frame);
    ASSERT_EQ(bytes.size(), HeaderSize + frame.name.size() + frame.data.size());
    auto decoded = DecodeFrame(bytes);
    ASSERT_EQ(decoded.status, DecodeStatus::Complete) << static_cast<int>(frame.type);
    EXPECT_EQ(decoded.size, bytes.size());
    EXPECT_EQ(decoded.frame.type, frame.type);
    EXPECT_EQ(decoded.frame.status, frame.status);
    EXPECT_EQ(decoded.frame.sequence, frame.sequence);
    EXPECT_EQ(decoded.frame.format, frame.format);
    EXPECT_EQ(decoded.frame.name, frame.name);
    EXPECT_EQ(decoded.frame.data, frame.data);
  }
}

TEST(DdeFrameTest, APartialFrameAsksForMoreAndTheNextFrameWaitsItsTurn) {
  std::string first = EncodeFrame(Poke("CurVer", std::string("KJV\0", 4)));
  std::string stream = first + EncodeFrame(Poke("CurRef", "Jude"));
  for (std::size_t length = 0; length < first.size(); ++length)
    EXPECT_EQ(DecodeFrame(stream.substr(0, length)).status, DecodeStatus::Incomplete) << length;
  auto decoded = DecodeFrame(stream);
  ASSERT_EQ(decoded.status, DecodeStatus::Complete);
  EXPECT_EQ(decoded.size, first.size());
  EXPECT_EQ(decoded.frame.name, "CurVer");
  EXPECT_EQ(DecodeFrame(std::string_view(stream).substr(decoded.size)).frame.name, "CurRef");
}

TEST(DdeFrameTest, LengthsAreJudgedFromTheHeaderBeforeTheBodyArrives) {
  EXPECT_EQ(DecodeFrame(Header(1, platform::DdeMaxData)).status, DecodeStatus::Incomplete);
  EXPECT_EQ(DecodeFrame(Header(1, platform::DdeMaxData + 1)).status, DecodeStatus::Malformed);
  EXPECT_EQ(DecodeFrame(Header(1, 0xffffffff)).status, DecodeStatus::Malformed);
  EXPECT_EQ(DecodeFrame(Header(platform::DdeMaxName + 1, 0)).status, DecodeStatus::Malformed);

  std::string largest = EncodeFrame(Poke("x", std::string(platform::DdeMaxData, 'a')));
  EXPECT_EQ(largest.size(), platform::ddewire::MaxFrameSize() - platform::DdeMaxName + 1);
  EXPECT_EQ(DecodeFrame(largest).status, DecodeStatus::Complete);
  EXPECT_EQ(EncodeFrame(Poke("x", std::string(platform::DdeMaxData + 1, 'a'))), "");
}

TEST(DdeFrameTest, HeadersThatNoPeerOfOursSendsAreRefused) {
  std::string good = EncodeFrame(Poke("CurRef", "Jude"));
  auto broken = [&](std::size_t at, char value) {
    std::string bytes = good;
    bytes[at] = value;
    return DecodeFrame(bytes).status;
  };
  EXPECT_EQ(broken(0, 2), DecodeStatus::Malformed);                 // another version
  EXPECT_EQ(broken(1, 0), DecodeStatus::Malformed);                 // no type
  EXPECT_EQ(broken(1, 7), DecodeStatus::Malformed);                 // unknown type
  EXPECT_EQ(broken(2, 3), DecodeStatus::Malformed);                 // unknown status
  EXPECT_EQ(broken(3, 1), DecodeStatus::Malformed);                 // reserved byte set
  EXPECT_EQ(broken(HeaderSize + 2, '\0'), DecodeStatus::Malformed); // NUL in the item
  // A stream that does not even start with our version is refused at once.
  EXPECT_EQ(DecodeFrame("GET / HTTP/1.0").status, DecodeStatus::Malformed);
}

TEST(DdeFrameTest, EachTypeCarriesOnlyWhatItMay) {
  auto valid = [](FrameType type, FrameStatus status, std::uint32_t sequence, std::string name,
                  std::string data) {
    Frame frame{type, status, sequence, 0, std::move(name), std::move(data)};
    return platform::ddewire::FrameIsValid(frame) &&
           DecodeFrame(EncodeFrame(frame)).status == DecodeStatus::Complete;
  };
  EXPECT_FALSE(valid(FrameType::Connect, FrameStatus::NotProcessed, 0, "", ""));     // no topic
  EXPECT_FALSE(valid(FrameType::Connect, FrameStatus::NotProcessed, 1, "Data", "")); // numbered
  EXPECT_FALSE(valid(FrameType::Connect, FrameStatus::Ack, 0, "Data", ""));
  EXPECT_FALSE(valid(FrameType::ConnectReply, FrameStatus::Busy, 0, "", ""));
  EXPECT_FALSE(valid(FrameType::Request, FrameStatus::NotProcessed, 1, "", "")); // no item
  EXPECT_FALSE(valid(FrameType::Request, FrameStatus::NotProcessed, 1, "Version", "x"));
  EXPECT_FALSE(valid(FrameType::Request, FrameStatus::NotProcessed, 0, "Version", ""));
  EXPECT_FALSE(valid(FrameType::Poke, FrameStatus::NotProcessed, 1, "", "KJV"));
  EXPECT_FALSE(valid(FrameType::Execute, FrameStatus::NotProcessed, 1, "item", "[Activate]"));
  EXPECT_FALSE(valid(FrameType::Reply, FrameStatus::NotProcessed, 1, "", "data"));
  EXPECT_FALSE(valid(FrameType::Reply, FrameStatus::Ack, 0, "", ""));
  EXPECT_TRUE(valid(FrameType::Execute, FrameStatus::NotProcessed, 1, "", ""));
  EXPECT_TRUE(valid(FrameType::Reply, FrameStatus::NotProcessed, 1, "", ""));
}

} // namespace
