// The transfers end to end: navbin-sim on a pseudo-terminal opened at 9600
// baud like a serial port, one simulator to download from and a fresh one to
// upload into, which must then give the same data back; one that never
// answers.

#include "tests/transfer/transfer_rig.h"

namespace navbin::transfer_testing {
namespace {

TEST(TransferOverPty, AlmanacAndEphemerisRoundTripBetweenTwoSimulators) {
  TransferRig source({"--seed", "21", "--no-ephemeris", "1,7"});
  ASSERT_TRUE(source.isOpen());
  const std::string alm = TempFile("pty_alm.dat"), eph = TempFile("pty_eph.dat");
  source.prompter.files = {alm, eph};
  source.transfer.DownloadAlmanac();
  source.transfer.DownloadEphemeris();
  EXPECT_EQ(source.status(), "Download Complete");
  const Bytes almFile = ReadFile(alm), ephFile = ReadFile(eph);
  const auto almBlocks = Blocks(almFile);
  ASSERT_EQ(almBlocks.size(), 35u);
  Bytes rebuilt{0, 0};  // the prefix, then the blocks and nothing else
  for (std::size_t i = 0; i < almBlocks.size(); ++i) {
    constexpr int kTrailing[] = {4, 5, 3};
    EXPECT_EQ(almBlocks[i].type, i < 32 ? 2 : kTrailing[i - 32]);
    EXPECT_EQ(almBlocks[i].sv, i < 32 ? i + 1 : 0);
    const Bytes b = transfer::EncodeBlock(almBlocks[i].type, almBlocks[i].sv, almBlocks[i].data);
    rebuilt.insert(rebuilt.end(), b.begin(), b.end());
  }
  EXPECT_EQ(rebuilt, almFile);
  const auto ephBlocks = Blocks(ephFile);
  ASSERT_EQ(ephBlocks.size(), 30u);
  const std::string start =
      "SV 1 ephemeris requested...\r\nData not available!\r\n"
      "SV 2 ephemeris requested...\r\n   received, length = 151\r\n";
  EXPECT_EQ(source.view.eph.substr(0, start.size()), start);

  TransferRig target({"--seed", "22"});
  ASSERT_TRUE(target.isOpen());
  const std::string almBack = TempFile("pty_alm_back.dat"), ephBack = TempFile("pty_eph_back.dat");
  target.prompter.files = {alm, eph, almBack, ephBack};
  target.transfer.UploadAlmanac();
  target.transfer.UploadEphemeris();
  EXPECT_EQ(target.status(), "Upload Complete");
  EXPECT_EQ(target.ports[0].writeIo.calls, 35u + 30u) << "one load per block";
  std::string lines;
  for (const auto& b : ephBlocks) {
    lines += transfer::eph::DataForSv(b.sv) + "   Data block acknowledged\r\n";
  }
  EXPECT_EQ(target.view.eph, lines + "Ephemeris data load complete.\r\n");

  target.transfer.DownloadAlmanac();
  target.transfer.DownloadEphemeris();
  EXPECT_EQ(ReadFile(almBack), almFile);
  auto back = Blocks(ReadFile(ephBack));
  ASSERT_EQ(back.size(), 32u) << "the fresh receiver has SV 1 and 7 of its own";
  back.erase(back.begin() + 6);
  back.erase(back.begin());
  for (std::size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i].sv, ephBlocks[i].sv);
    EXPECT_EQ(back[i].data, ephBlocks[i].data) << int(back[i].sv);
  }
}

// A receiver that never answers: the ephemeris download and upload end at
// their first request and load, within one wait each.
TEST(TransferOverPty, AReceiverThatStopsAnsweringEndsTheTransfers) {
  TransferRig silent({"--silent", "1"});
  ASSERT_TRUE(silent.isOpen());
  const std::string eph = TempFile("pty_silent_eph.dat");
  silent.prompter.files = {eph,
                           TempFile("pty_silent_up.dat", transfer::EncodeBlock(6, 1, Bytes{2}))};
  const auto start = std::chrono::steady_clock::now();
  silent.transfer.DownloadEphemeris();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  silent.transfer.UploadEphemeris();
  const std::string noAnswer = "The receiver stopped answering.\r\n";
  EXPECT_EQ(silent.view.eph, "SV 1 ephemeris requested...\r\nData not available!\r\n" + noAnswer +
                                 "Ephemeris download complete.\r\nEphemeris data for SV 01...\r\n"
                                 "   Data block rejected\r\n" +
                                 noAnswer + "Ephemeris data load complete.\r\n");
  EXPECT_TRUE(ReadFile(eph).empty());
}

}  // namespace
}  // namespace navbin::transfer_testing
