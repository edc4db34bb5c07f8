// The four transfers step by step against a simulated receiver on an
// in-memory display port: what is sent, what the file holds, the lights, the
// status and the lines of text, failures included.

#include <sys/resource.h>

#include <csignal>

#include "tests/transfer/transfer_rig.h"

namespace navbin::transfer_testing {
namespace {

// The lights of Form_Alm showing `colour`: "SV5", "Shape_Iono" ...
std::vector<std::string> LightsOf(const TransferRig& rig, Colour colour) {
  std::vector<std::string> names;
  for (int sv = 1; sv <= 32; ++sv) {
    if (rig.light("Shape_SV" + std::to_string(sv)) == colour)
      names.push_back("SV" + std::to_string(sv));
  }
  for (const char* name : {"Shape_Alm", "Shape_Iono", "Shape_UTC"}) {
    if (rig.light(name) == colour) names.push_back(name);
  }
  return names;
}

std::string Download(TransferRig& rig, const std::string& name, bool almanac = true) {
  const std::string path = TempFile(name);
  rig.prompter.files.push_back(path);
  almanac ? rig.transfer.DownloadAlmanac() : rig.transfer.DownloadEphemeris();
  return path;
}

// The loads the receiver got, as "type.sv" in order.
std::string Loads(const TransferRig& rig) {
  std::string loads;
  for (const auto& p : rig.sent) {
    if (p.id == 0x38 && p.payload.at(0) == 2) {
      loads += std::to_string(p.payload[1]) + "." + std::to_string(p.payload[2]) + " ";
    }
  }
  return loads;
}

TEST(AlmanacTransfer, MissingLateOrRefusedDataFails) {
  TransferRig missing;
  missing.options().noAlmanac = {5};
  const Bytes kept = ReadFile(Download(missing, "alm_missing.dat"));
  EXPECT_EQ(LightsOf(missing, Colour::Red), std::vector<std::string>{"SV5"});
  EXPECT_EQ(LightsOf(missing, Colour::Lime).size(), 4u);
  EXPECT_EQ(missing.light("Shape_SV6"), Colour::Window) << "never asked";
  EXPECT_EQ(missing.status(), "Download Failure");
  EXPECT_EQ(missing.light("Shape_LoadStatus"), Colour::Red);
  EXPECT_EQ(Blocks(kept).size(), 4u) << "the file keeps what came before";

  TransferRig foreign;  // every reply follows one for another SV
  foreign.options().foreign = true;
  Download(foreign, "alm_foreign.dat");
  EXPECT_EQ(foreign.status(), "Download Complete");

  TransferRig late;  // the reply comes after the wait gave up
  late.options().lateMs = 1000;
  late.transfer.replyWait().setTimeout(std::chrono::milliseconds(100));
  Download(late, "alm_late.dat");
  EXPECT_EQ(LightsOf(late, Colour::Red), std::vector<std::string>{"SV1"});
  EXPECT_EQ(late.status(), "Download Failure");

  TransferRig refusing;
  refusing.options().refuseLoads = true;
  refusing.prompter.files.push_back(TempFile("alm_refused.dat", kept));
  refusing.transfer.UploadAlmanac();
  EXPECT_EQ(Loads(refusing), "2.1 2.2 2.3 2.4 ");
  EXPECT_EQ(LightsOf(refusing, Colour::Red),
            (std::vector<std::string>{"SV1", "SV2", "SV3", "SV4"}));
  EXPECT_EQ(refusing.status(), "Upload Failure");
}

// A file that does not hold the whole almanac fails at the first light it
// did not send; an ephemeris load that a file ends early says why.
TEST(Uploads, BadFilesEndAsFailures) {
  const Bytes eph = transfer::EncodeBlock(6, 9, Bytes{1, 2, 3});
  const Bytes alm = transfer::EncodeBlock(2, 3, Bytes{4, 5});
  const Bytes sat = transfer::EncodeBlock(1, 4, Bytes{6});
  const Bytes utc = transfer::EncodeBlock(5, 0, Bytes{7});
  const std::string ack = "Ephemeris data for SV 09...\r\n   Data block acknowledged\r\n";
  const std::string unknown = "Unknown data block type! \r\n";
  const std::string cut = "Data block cut short! \r\n", sv5 = "Ephemeris data for SV 05...\r\n";
  const std::string none = "No ephemeris data block in the file! \r\n";
  const std::vector<std::string> sv1{"SV1"};
  struct Case {
    const char* name;
    Bytes file;
    const char* almLoads;
    std::vector<std::string> red;
    std::string ephText;  // before "Ephemeris data load complete."
  } cases[] = {
      {"empty", {}, "", sv1, none},
      {"garbage", {0x10, 0x03, 0x55, 0x83}, "", sv1, none},
      {"ephemeris to almanac", Join({{0, 0}, eph, alm}), "", sv1, ack + unknown},
      {"almanac to ephemeris", Join({{0, 0}, alm, utc, sat, eph}), "2.3 5.0 1.4 ", sv1, unknown},
      {"cut in the data", Join({alm, {0x82, 2, 4, 9, 1}}), "2.3 ", {"SV4"}, unknown},
      {"cut in the header", Join({eph, {0x82, 6}}), "", sv1, ack + cut},
      {"cut in ephemeris data", Join({eph, {0x82, 6, 5, 3, 1}}), "", sv1, ack + sv5 + cut},
      {"bad end marker", Join({eph, {0x82, 6, 5, 1, 7, 0x84}, eph}), "", sv1,
       ack + sv5 + "End of block format error! \r\n"},
      {"bad almanac end marker",
       Join({utc, {0x82, 2, 8, 1, 7, 0x84}, alm}),
       "5.0 ",
       {"SV8"},
       unknown},
      {"SV 40", Join({eph, {0x82, 6, 40, 1, 7, 0x83}, eph}), "", sv1,
       ack + "SV number out of range! \r\n"},
      {"unknown type", {0x82, 9, 1, 0x83}, "", sv1, unknown},
  };
  for (const Case& c : cases) {
    TransferRig almanac;
    almanac.prompter.files.push_back(TempFile("upload.dat", c.file));
    almanac.transfer.UploadAlmanac();
    EXPECT_EQ(Loads(almanac), c.almLoads) << c.name;
    EXPECT_EQ(LightsOf(almanac, Colour::Red), c.red) << c.name;
    EXPECT_TRUE(LightsOf(almanac, Colour::Yellow).empty()) << c.name;
    EXPECT_EQ(almanac.status(), c.red.empty() ? "Upload Complete" : "Upload Failure") << c.name;

    TransferRig ephemeris;
    ephemeris.prompter.files.push_back(TempFile("upload.dat", c.file));
    ephemeris.transfer.UploadEphemeris();
    EXPECT_EQ(ephemeris.view.eph, c.ephText + "Ephemeris data load complete.\r\n") << c.name;
  }
}

TEST(Transfers, FilesThatCannotBeOpenedOrWrittenAndACancelledDialog) {
  const std::string nowhere = "/nonexistent-folder/file.dat";
  TransferRig rig;
  rig.prompter.files = {nowhere, nowhere, "/dev/full", "/dev/full"};
  rig.transfer.DownloadAlmanac();
  EXPECT_EQ(rig.status(), "File Failure");
  EXPECT_EQ(rig.light("Shape_LoadStatus"), Colour::Red);
  rig.transfer.UploadEphemeris();
  EXPECT_EQ(rig.view.eph, "Couldn't open ephemeris data file!\r\n");
  EXPECT_TRUE(rig.sent.empty());
  EXPECT_EQ(rig.view.entered + rig.view.left, 4) << "timer held and restarted";
  const reports::FileRequest& dialog = rig.prompter.requests.at(0);
  EXPECT_EQ(dialog.filter + dialog.defaultExt + dialog.initialName,
            "Data Files (*.dat)|*.dat|All Files (*.*)|*.*.dat ");

  rig.view.eph.clear();
  rig.transfer.DownloadAlmanac();  // a full disk: the first block does not fit
  EXPECT_EQ(rig.status(), "Download Failure");
  rig.transfer.DownloadEphemeris();
  EXPECT_NE(rig.view.eph.find("Couldn't write ephemeris data file!\r\n"
                              "Ephemeris download complete.\r\n"),
            std::string::npos);

  rig.transfer.UploadAlmanac();  // the dialog is cancelled
  EXPECT_EQ(rig.status(), "Uploading...");
  EXPECT_EQ(rig.view.entered, 4);
}

// A disk that fills up in the middle of a download, as a file-size limit in
// a child process: the file is cut back to its last whole block.
TEST(Transfers, ADownloadThatFillsTheDiskEndsOnItsLastWholeBlock) {
  const auto child = [] {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 3 * (151 + 5) + 40;  // three ephemeris blocks and a bit
    std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::exit(2);
    TransferRig rig;
    const Bytes file = ReadFile(Download(rig, "full_eph.dat", false));
    std::fprintf(stderr, "%zu blocks, %zu bytes, %s", Blocks(file).size(), file.size(),
                 rig.view.eph.substr(rig.view.eph.find("Couldn't")).c_str());
    std::exit(0);
  };
  EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "3 blocks, 468 bytes, Couldn't write");
}

TEST(EphemerisTransfer, DownloadGoesPastSvsWithoutEphemerisAndNoSecondTransferStarts) {
  TransferRig rig;
  rig.options().noEphemeris = {1, 3};
  int nested = 0;
  rig.view.onRefresh = [&] {
    if (nested++ == 0) rig.transfer.DownloadAlmanac();  // a second transfer, refused
  };
  const Bytes file = ReadFile(Download(rig, "eph_missing.dat", false));
  EXPECT_EQ(rig.prompter.requests.size(), 1u);
  std::string expected =
      "SV 1 ephemeris requested...\r\nData not available!\r\n"
      "SV 2 ephemeris requested...\r\n   received, length = 151\r\n"
      "SV 3 ephemeris requested...\r\nData not available!\r\n";
  for (int sv = 4; sv <= 32; ++sv) {
    expected += transfer::eph::Requested(sv) + "   received, length = 151\r\n";
  }
  EXPECT_EQ(rig.view.eph, expected + "Ephemeris download complete.\r\n");
  ASSERT_EQ(Blocks(file).size(), 30u);
  EXPECT_EQ(Blocks(file).front().sv, 2);
  EXPECT_EQ(file.size(), 30u * (151 + 5)) << "no prefix";
}

}  // namespace
}  // namespace navbin::transfer_testing
