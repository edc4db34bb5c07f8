// The settings reports described from their field tables: the names, order,
// value types and units navbin-dump prints.

#include <sstream>
#include <string>
#include <variant>

#include "protocol/wire/report_fields.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

// "name=value" per field: a float marked f, a double d, text quoted, the unit in brackets.
std::string Fields(int id, const std::vector<std::uint8_t>& payload) {
  std::ostringstream out;
  for (const ReportField& f : DescribeReport(id, payload)) {
    out << (out.tellp() > 0 ? " " : "") << f.name << '=';
    std::visit(
        [&](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::string>) out << '\'' << v << '\'';
          if constexpr (std::is_same_v<T, std::int64_t>) out << v;
          if constexpr (std::is_same_v<T, float>) out << v << 'f';
          if constexpr (std::is_same_v<T, double>) out << v << 'd';
        },
        f.value);
    if (!f.unit.empty()) out << '[' << f.unit << ']';
  }
  return out.str();
}

TEST(SettingsReports, EveryGroupDescribedFromItsTable) {
  const struct {
    int id;
    Payload payload;
    const char* fields;
  } cases[] = {
      {0x55, Payload().u8(0x12).u8(2).u8(0x21).u8(7),
       "position=18 velocity=2 timing=33 auxiliary=7"},
      {0x70, Payload().u8(1).u8(0).u8(1).u8(9), "positionVelocity=1 staticFilter=0 altitude=1"},
      {0x7F,
       Payload()
           .u8(0)
           .u8(0x13)
           .u16(300)
           .u16(1)
           .u16(2)
           .u16(3)
           .u16(4)
           .u16(5)
           .u16(6)
           .u16(7)
           .u16(0xFFFF)
           .u8('A')
           .u8('B')
           .u8('C')
           .u8('D'),
       "flags=19 topOfHourOffset=300 periodAL=1 periodCP=2 periodID=3 periodLN=4 periodPV=5 "
       "periodST=6 periodTM=7 periodVR=65535 vehicleId='ABCD'"},
      {0x89, Payload().u8(1).u8(0), "current=1 afterReset=0"},
      {0xBB,
       Payload()
           .u8(3)
           .u8(0)
           .u8(2)
           .u8(4)
           .zeros(11)
           .single(0.5f)
           .single(4)
           .single(12)
           .single(6)
           .zeros(4)
           .u8(30)
           .zeros(4),
       "receiverMode=0 dgpsMode=2 dynamicsCode=4 elevationMask=0.5f[rad] signalMask=4f[AMU] "
       "pdopMask=12f pdopSwitch=6f dgpsAgeLimit=30[s]"},
      {0xBC, Payload().u8(1).u8(9).u8(8).u8(3).u8(1).u8(0).u8(5).u8(2).u8(4).u8(0),
       "port=1 inputBaud=9 outputBaud=8 dataBits=3 parity=1 stopBits=0 flowControl=5 "
       "inputProtocols=2 outputProtocols=4"},
      {0x8F, Payload().u8(0x15).u16(16).zeros(40), "datumIndex=16"},
      {0x8F, Payload().u8(0x4A).u8(1).u8(0).u8(1).dbl(1.5e-7).single(4),
       "driverSwitch=1 timeBase=0 polarity=1 offset=1.5e-07d[s] biasThreshold=4f[m]"},
      {0x8F, Payload().u8(0x4E).u8(3), "code=3"},
      {0x8F, Payload().u8(0xA5).u8(0).u8(0x60).zeros(2), "mask0=0 mask1=96"},
      {0x8F, Payload().u8(0xA9).u8(1).u8(0).u16(0xFFFF).u16(0xFFFE).zeros(4),
       "enable=1 savePosition=0 length=-2"},  // the length is signed
  };
  for (const auto& c : cases) EXPECT_EQ(Fields(c.id, c.payload), c.fields) << c.fields;
}

}  // namespace
}  // namespace navbin::reports::test
