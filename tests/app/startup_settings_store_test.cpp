// The settings file: "Comm" and the port map survive a new QSettings, and a
// file that cannot be read or written is silent.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "app/settings_store.h"

namespace navbin::app {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  }
  QString file() const { return dir.filePath("Orvane/M2_Monitor.conf"); }
  QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, ValuesSurviveANewInstance) {
  {
    QtSettingsStorage s;
    SaveCommItem(s, 2);
    platform::PortMap map;
    map.assign(3, "/dev/ttyUSB0");
    SavePortMap(s, map);
  }
  QtSettingsStorage again;
  EXPECT_EQ(LoadCommItem(again), 2);
  EXPECT_EQ(LoadPortMap(again).devicePath(3), "/dev/ttyUSB0");
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  EXPECT_TRUE(text.contains("[Ports]"));
  EXPECT_TRUE(text.contains("COM3=/dev/ttyUSB0"));
}

TEST_F(SettingsStoreTest, GarbageFileReadsAsNothing) {
  QDir().mkpath(dir.filePath("Orvane"));
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray("\x00\xff[[[\nComm\n=\n\x10\x03", 14));
  f.close();
  QtSettingsStorage s;
  EXPECT_EQ(LoadCommItem(s), std::nullopt);
  EXPECT_TRUE(LoadPortMap(s).assigned().empty());
}

TEST_F(SettingsStoreTest, ListValueIsReadAsItsText) {
  QDir().mkpath(dir.filePath("Orvane"));
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[General]\nComm=1, 2\n");
  f.close();
  QtSettingsStorage s;
  EXPECT_EQ(s.read("Comm"), "1,2");
  EXPECT_EQ(LoadCommItem(s), 1);
}

TEST_F(SettingsStoreTest, UnwritableFileIsSilent) {
  // A folder where the file should be: it can be neither read nor written.
  QDir().mkpath(file());
  QtSettingsStorage s;
  EXPECT_EQ(s.read("Comm"), std::nullopt);
  SaveCommItem(s, 4);
  s.remove("Ports/COM1");
  EXPECT_TRUE(QFileInfo(file()).isDir());
}

}  // namespace
}  // namespace navbin::app
