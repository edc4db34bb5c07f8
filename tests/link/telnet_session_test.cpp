// The Telnet reader and the COM port session: escapes, sequences cut between
// reads, subnegotiations, and the answers to the server's negotiation.

#include "platform/telnet_session.h"

#include <gtest/gtest.h>

#include "tests/support/packets.h"

namespace navbin::platform {
namespace {

using namespace telnet;
using support::Bytes;

// A subnegotiation of 500 bytes, then one data byte.
Bytes Overlong() {
  Bytes in{kIac, kSb, kComPort};
  in.reserve(506);  // keeps GCC's -O2 bounds check from misreading the growth
  in.insert(in.end(), 500, 0x41);
  in.insert(in.end(), {kIac, kSe, 0x42});
  return in;
}

struct ReaderCase {
  const char* name;
  std::vector<Bytes> reads;
  Bytes data;
  std::vector<TelnetCommand> commands;
};

TEST(TelnetReader, YieldsDataAndCommandsWhereverTheReadsAreCut) {
  const ReaderCase cases[] = {
      {"plain data", {{0x10, 0x41, 0x03}}, {0x10, 0x41, 0x03}, {}},
      {"IAC IAC is one 0xFF", {{0x10, kIac, kIac, 0x03}}, {0x10, 0xFF, 0x03}, {}},
      {"IAC IAC cut in two", {{0x10, kIac}, {kIac, 0x03}}, {0x10, 0xFF, 0x03}, {}},
      {"negotiation cut in three",
       {{1, kIac}, {kDo}, {kComPort, 2}},
       {1, 2},
       {{kDo, kComPort, {}}}},
      {"one-byte command", {{kIac, kNop, 7}}, {7}, {{kNop, 0, {}}}},
      {"subnegotiation, escaped and cut",
       {{kIac, kSb, kComPort, 101, 0, 0, kIac}, {kIac, 0x80, kIac}, {kSe, 9}},
       {9},
       {{kSb, kComPort, {101, 0, 0, 0xFF, 0x80}}}},
      {"subnegotiation ended by a command",
       {{kIac, kSb, kComPort, 106, kIac, kWill, kBinary, 5}},
       {5},
       {{kSb, kComPort, {106}}, {kWill, kBinary, {}}}},
      {"overlong subnegotiation cut", {Overlong()}, {0x42}, {{kSb, kComPort, Bytes(64, 0x41)}}},
  };
  for (const ReaderCase& c : cases) {
    TelnetReader reader;
    Bytes data;
    std::vector<TelnetCommand> commands;
    for (const Bytes& read : c.reads) reader.feed(read, data, commands);
    EXPECT_EQ(data, c.data) << c.name;
    EXPECT_EQ(commands, c.commands) << c.name;
  }
}

// The SET commands of 9600 8-O-1: baud, data size, parity odd (2), one stop bit (1).
const Bytes kLine9600 = {kIac, kSb,  kComPort, 1,        0,        0,    0x25, 0x80,
                         kIac, kSe,  kIac,     kSb,      kComPort, 2,    8,    kIac,
                         kSe,  kIac, kSb,      kComPort, 3,        2,    kIac, kSe,
                         kIac, kSb,  kComPort, 4,        1,        kIac, kSe};

struct AnswerCase {
  const char* name;
  Bytes fromServer;
  Bytes answer;
};

TEST(TelnetSession, AnswersTheServersNegotiationWithoutLooping) {
  const AnswerCase cases[] = {
      {"our own requests agreed: no answer, the line follows the option",
       {kIac, kDo, kBinary, kIac, kWill, kBinary, kIac, kDo, kSuppressGoAhead, kIac, kDo, kComPort},
       kLine9600},
      {"an option we do not perform", {kIac, kDo, 1}, {kIac, kWont, 1}},
      {"an option we do not want the server to perform", {kIac, kWill, 1}, {kIac, kDont, 1}},
      {"a refusal of a request needs no answer", {kIac, kDont, kBinary, kIac, kWont, kBinary}, {}},
      {"agreed, then turned off",
       {kIac, kDo, kBinary, kIac, kDont, kBinary},
       {kIac, kWont, kBinary}},
      {"agreed twice: answered once, by our request",
       {kIac, kWill, kBinary, kIac, kWill, kBinary},
       {}},
      {"no COM port option: the line is never sent", {kIac, kDont, kComPort}, {}},
  };
  for (const AnswerCase& c : cases) {
    TelnetSession session;
    Bytes opening;
    session.start(opening);
    EXPECT_EQ(opening, (Bytes{kIac, kWill, kComPort, kIac, kWill, kBinary, kIac, kWill,
                              kSuppressGoAhead, kIac, kDo, kBinary, kIac, kDo, kSuppressGoAhead}));
    session.setLine({}, opening);
    Bytes data;
    Bytes answer;
    session.receive(c.fromServer, data, answer);
    EXPECT_EQ(answer, c.answer) << c.name;
    EXPECT_TRUE(data.empty()) << c.name;
  }
}

TEST(TelnetSession, EscapesLineValuesAndReadsTheServersReports) {
  TelnetSession session;
  Bytes data;
  Bytes answer;
  session.receive(Bytes{kIac, kDo, kComPort}, data, answer);
  answer.clear();
  session.setLine({0x0001FF00, 7, 2, 2}, answer);  // a baud rate with a 0xFF byte
  const Bytes expected = {kIac, kSb,  kComPort, 1,        0,        1,        kIac, kIac,
                          0,    kIac, kSe,      kIac,     kSb,      kComPort, 2,    7,
                          kIac, kSe,  kIac,     kSb,      kComPort, 3,        3,    kIac,
                          kSe,  kIac, kSb,      kComPort, 4,        2,        kIac, kSe};
  EXPECT_EQ(answer, expected);

  session.receive(Bytes{kIac, kSb, kComPort, 101, 0, 0, 0x96, 0, kIac, kSe, kIac, kSb, kComPort,
                        103, 2, kIac, kSe},
                  data, answer);
  EXPECT_EQ(session.reported().baud, 38400u);
  EXPECT_EQ(session.reported().parity, 2);
}

}  // namespace
}  // namespace navbin::platform
