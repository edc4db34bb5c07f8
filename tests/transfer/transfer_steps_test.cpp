// The four transfers step by step against a simulated receiver on an
// in-memory display port: what is sent, what the file holds, the lights, the
// status and the lines of text, including the failures.

#include "tests/transfer/transfer_rig.h"

namespace navbin::transfer_testing {
namespace {

using transfer::BlockEnd;

constexpr const char* kAlmLights[] = {"Shape_Alm", "Shape_Iono", "Shape_UTC"};

std::vector<std::string> LightsOf(const TransferRig& rig, Colour colour) {
  std::vector<std::string> names;
  for (int sv = 1; sv <= 32; ++sv) {
    if (rig.light("Shape_SV" + std::to_string(sv)) == colour)
      names.push_back("SV" + std::to_string(sv));
  }
  for (const char* name : kAlmLights) {
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

TEST(AlmanacTransfer, DownloadedFileUploadsInFileOrderAndReadsBackTheSame) {
  TransferRig source(3);
  const Bytes file = ReadFile(Download(source, "alm_source.dat"));
  ASSERT_GE(file.size(), 2u);
  EXPECT_EQ(file[0], 0);
  EXPECT_EQ(file[1], 0);
  const auto blocks = Blocks(file);
  ASSERT_EQ(blocks.size(), 35u);
  Bytes rebuilt{0, 0};
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const int type = i < 32 ? 2 : std::array{4, 5, 3}[i - 32];
    EXPECT_EQ(blocks[i].type, type);
    EXPECT_EQ(blocks[i].sv, i < 32 ? i + 1 : 0);
    const Bytes block = transfer::EncodeBlock(blocks[i].type, blocks[i].sv, blocks[i].data);
    rebuilt.insert(rebuilt.end(), block.begin(), block.end());
  }
  EXPECT_EQ(rebuilt, file) << "nothing but the prefix and the blocks";
  EXPECT_EQ(LightsOf(source, Colour::Lime).size(), 35u);
  EXPECT_EQ(source.status(), "Download Complete");
  EXPECT_EQ(source.light("Shape_LoadStatus"), Colour::Lime);
  EXPECT_EQ(source.sent.size(), 35u);
  EXPECT_EQ(source.view.entered, 1);
  EXPECT_EQ(source.view.left, 1);
  EXPECT_EQ(source.view.almShown, 1);
  const auto& request = source.prompter.requests.at(0);
  EXPECT_EQ(request.filter, "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
  EXPECT_EQ(request.defaultExt, ".dat");
  EXPECT_EQ(request.initialName, " ");

  TransferRig target(4);
  target.prompter.files.push_back(TempFile("alm_source.dat", file));
  target.transfer.UploadAlmanac();
  ASSERT_EQ(target.sent.size(), 35u);
  for (std::size_t i = 0; i < 35; ++i) {
    Bytes load{2, blocks[i].type, blocks[i].sv, static_cast<std::uint8_t>(blocks[i].data.size())};
    load.insert(load.end(), blocks[i].data.begin(), blocks[i].data.end());
    EXPECT_EQ(target.sent[i], (support::Packet{0x38, load})) << i;
  }
  EXPECT_EQ(target.status(), "Upload Complete");
  EXPECT_EQ(target.receiver->satelliteData().loadsStored(), 35);
  EXPECT_EQ(ReadFile(Download(target, "alm_target.dat")), file);
}

TEST(AlmanacTransfer, MissingLateOrRefusedDataFails) {
  TransferRig missing;
  missing.options().noAlmanac = {5};
  missing.applyOptions();
  const Bytes kept = ReadFile(Download(missing, "alm_missing.dat"));
  EXPECT_EQ(LightsOf(missing, Colour::Red), std::vector<std::string>{"SV5"});
  EXPECT_EQ(LightsOf(missing, Colour::Lime).size(), 4u);
  EXPECT_EQ(missing.display.get(Form::Alm, "Shape_SV6").colour, Colour::Window) << "never asked";
  EXPECT_EQ(missing.status(), "Download Failure");
  EXPECT_EQ(missing.light("Shape_LoadStatus"), Colour::Red);
  EXPECT_EQ(Blocks(kept).size(), 4u);

  TransferRig foreign;  // every reply follows one for another SV
  foreign.options().foreign = true;
  foreign.applyOptions();
  Download(foreign, "alm_foreign.dat");
  EXPECT_EQ(foreign.status(), "Download Complete");

  TransferRig late;  // the reply comes after the wait gave up
  late.options().lateMs = 1000;
  late.applyOptions();
  late.transfer.replyWait().setTimeout(std::chrono::milliseconds(100));
  Download(late, "alm_late.dat");
  EXPECT_EQ(LightsOf(late, Colour::Red), std::vector<std::string>{"SV1"});
  EXPECT_EQ(late.status(), "Download Failure");

  TransferRig refusing;
  refusing.options().refuseLoads = true;
  refusing.applyOptions();
  refusing.prompter.files.push_back(TempFile("alm_refused.dat", kept));
  refusing.transfer.UploadAlmanac();
  EXPECT_EQ(LightsOf(refusing, Colour::Red),
            (std::vector<std::string>{"SV1", "SV2", "SV3", "SV4"}));
  EXPECT_EQ(refusing.status(), "Upload Failure");
}

struct UploadCase {
  const char* name;
  Bytes file;
  std::size_t loads;
  const char* almStatus;
  std::vector<std::string> red;
  std::string ephText;  // after the lines of the blocks read
};

TEST(Uploads, BadFilesEndTheUploadAsTheReaderSays) {
  const Bytes eph = transfer::EncodeBlock(6, 9, Bytes{1, 2, 3});
  const Bytes alm = transfer::EncodeBlock(2, 3, Bytes{4, 5});
  const Bytes sat = transfer::EncodeBlock(1, 4, Bytes{6});
  auto join = [](std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const std::string ack = "   Data block acknowledged\r\n";
  const UploadCase cases[] = {
      {"empty", {}, 0, "Upload Complete", {}, ""},
      {"garbage", {0x10, 0x03, 0x55, 0x83}, 0, "Upload Complete", {}, ""},
      {"ephemeris to almanac",
       join({{0, 0}, eph, alm}),
       1,
       "Upload Complete",
       {},
       "Ephemeris data for SV 09...\r\n" + ack + "Unknown data block type! \r\n"},
      {"almanac to ephemeris",
       join({{0, 0}, alm, eph}),
       1,
       "Upload Complete",
       {},
       "Unknown data block type! \r\n"},
      {"type 1 has no light",
       join({sat, alm}),
       2,
       "Upload Complete",
       {},
       "Unknown data block type! \r\n"},
      {"cut in the data",
       join({alm, {0x82, 2, 4, 9, 1}}),
       1,
       "Upload Complete",
       {},
       "Unknown data block type! \r\n"},
      {"bad end marker",
       join({eph, {0x82, 6, 5, 1, 7, 0x84}, eph}),
       1,
       "Upload Complete",
       {},
       "Ephemeris data for SV 09...\r\n" + ack +
           "Ephemeris data for SV 05...\r\nEnd of block format error! \r\n"},
      {"bad almanac end marker",
       {0x82, 2, 8, 1, 7, 0x84},
       0,
       "Upload Failure",
       {"SV8"},
       "Unknown data block type! \r\n"},
      {"SV 40",
       join({eph, {0x82, 6, 40, 1, 7, 0x83}, eph}),
       1,
       "Upload Complete",
       {},
       "Ephemeris data for SV 09...\r\n" + ack},
      {"unknown type",
       {0x82, 9, 1, 0x83},
       0,
       "Upload Complete",
       {},
       "Unknown data block type! \r\n"},
  };
  for (const UploadCase& c : cases) {
    TransferRig almanac;
    almanac.prompter.files.push_back(TempFile("upload.dat", c.file));
    almanac.transfer.UploadAlmanac();
    const std::size_t almLoads = almanac.sent.size();
    EXPECT_EQ(almanac.status(), c.almStatus) << c.name;
    EXPECT_EQ(LightsOf(almanac, Colour::Red), c.red) << c.name;

    TransferRig ephemeris;
    ephemeris.prompter.files.push_back(TempFile("upload.dat", c.file));
    ephemeris.transfer.UploadEphemeris();
    EXPECT_EQ(ephemeris.view.eph, c.ephText + "Ephemeris data load complete.\r\n") << c.name;
    EXPECT_EQ(almLoads + ephemeris.sent.size(), c.loads) << c.name;
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
  EXPECT_EQ(rig.view.entered, 2);
  EXPECT_EQ(rig.view.left, 2);

  rig.view.eph.clear();
  rig.transfer.DownloadAlmanac();  // a full disk: the first block does not fit
  EXPECT_EQ(rig.status(), "Download Failure");
  rig.transfer.DownloadEphemeris();
  EXPECT_NE(
      rig.view.eph.find("Couldn't write ephemeris data file!\r\nEphemeris download complete.\r\n"),
      std::string::npos);

  rig.transfer.UploadAlmanac();  // the dialog is cancelled
  EXPECT_EQ(rig.status(), "Uploading...");
  EXPECT_EQ(rig.view.entered, 4);
}

TEST(EphemerisTransfer, DownloadGoesPastSvsWithoutEphemerisAndNoSecondTransferStarts) {
  TransferRig rig;
  rig.options().noEphemeris = {1, 3};
  rig.applyOptions();
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
  const auto blocks = Blocks(file);
  ASSERT_EQ(blocks.size(), 30u);
  EXPECT_EQ(blocks.front().sv, 2);
  EXPECT_EQ(file.size(), 30u * (151 + 5)) << "no prefix";
}

}  // namespace
}  // namespace navbin::transfer_testing
