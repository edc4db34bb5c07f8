// Serial device enumeration over a fake sysfs tree.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/serial_enumeration.h"

namespace navbin::platform {
namespace {

namespace fs = std::filesystem;

class SerialEnumerationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("navbin-sysfs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override { fs::remove_all(root); }

  // A tty entry; `type` empty writes no type file.
  void tty(const std::string& name, bool device, const std::string& type = {},
           bool driver = false) {
    const fs::path entry = root / name;
    fs::create_directories(entry);
    if (device) fs::create_directories(entry / "device");
    if (driver) fs::create_directories(entry / "device" / "driver");
    if (!type.empty()) std::ofstream(entry / "type") << type << "\n";
  }

  std::vector<std::string> run() { return EnumerateSerialDevices({root.string(), "/dev"}); }

  fs::path root;
};

TEST_F(SerialEnumerationTest, KeepsRealPortsInNaturalOrder) {
  tty("ttyUSB10", true);
  tty("ttyUSB2", true);
  tty("ttyUSB0", true);
  tty("ttyACM0", true);
  tty("ttyS0", true, "4");
  tty("ttyS10", true, "4");
  tty("ttyS2", true, "", true);  // no type published, but a driver is bound
  EXPECT_EQ(run(),
            (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10",
                                      "/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10"}));
}

TEST_F(SerialEnumerationTest, SkipsPortsWithoutHardware) {
  tty("ttyS1", true, "0");        // UART type unknown: no chip
  tty("ttyS3", true, "garbage");  // unreadable type
  tty("ttyS4", true);             // neither type nor driver
  tty("ttyS5", false, "4");       // no device behind it
  tty("ttyUSB1", false);
  tty("tty0", true);
  tty("console", true);
  tty("ptmx", true);
  tty("ttyUSBx", true);
  tty("ttyS", true, "4");
  EXPECT_TRUE(run().empty());
}

TEST_F(SerialEnumerationTest, MissingSysfsGivesNothingAndOnlySerialNamesCount) {
  EXPECT_TRUE(EnumerateSerialDevices({(root / "absent").string(), "/dev"}).empty());
  for (const char* name : {"ttyS0", "ttyUSB12", "ttyACM3"}) EXPECT_TRUE(IsSerialTtyName(name));
  for (const char* name : {"ttyAMA0", "tty1", "ttyS"}) EXPECT_FALSE(IsSerialTtyName(name));
}

}  // namespace
}  // namespace navbin::platform
