#include "shell/download_position.h"

#include <cfloat>
#include <cmath>
#include <cstdio>

#include "protocol/presentation/format.h"

namespace navbin::shell {

using reports::Format;
using reports::Icon;
namespace {

// Writes `line` as the whole text file; false when the file cannot be
// created or the text does not reach it (a full disk, say).
bool WriteLineFile(const std::string& path, const std::string& line) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  const bool written = std::fputs(line.c_str(), file) >= 0;
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

// The position file is read back into floats: a value that is no number or
// beyond the float range would not read back as the position written.
bool FitsPositionFile(double value) {
  return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

}  // namespace

std::string PositionFileLine(int id, double a, double b, double c) {
  switch (id) {
    case 0x42:
      return Format("%d %.2f %.2f %.2f", 1, a, b, c);
    case 0x4A:
      return Format("%d %.3f %.3f %.1f", 0, a, b, c);
    case 0x83:
      return Format("%d %.5f %.5f %.5f", 1, a, b, c);
    case 0x84:
      return Format("%d %.5f %.5f %.3f", 0, a, b, c);
    default:
      return {};
  }
}

std::string PositionDownloadMessage(int id, double a, double b, double c) {
  switch (id) {
    case 0x42:
      return Format("Position successfully downloaded.\n\nX: %.2f\nY: %.2f\nZ: %.2f", a, b, c);
    case 0x4A:
      return Format("Position successfully downloaded.\n\nLat: %.3f\nLon: %.3f\nAlt: %.1f", a, b,
                    c);
    case 0x83:
      return Format("Position successfully downloaded.\n\nX: %.5f\nY: %.5f\nZ: %.5f", a, b, c);
    case 0x84:
      return Format("Position successfully downloaded.\n\nLat: %.5f\nLon: %.5f\nAlt: %.3f", a, b,
                    c);
    default:
      return {};
  }
}

void downloadPosition(reports::DecoderContext& context, int id, double a, double b, double c) {
  auto& pending = context.state.globals.downloadPositionPending;
  if (!pending) return;
  pending = 0;
  if (!FitsPositionFile(a) || !FitsPositionFile(b) || !FitsPositionFile(c)) {
    context.prompter.message(
        "Position not downloaded: the receiver reported a position that is not a number or out "
        "of range.",
        "Error", Icon::Exclamation);
    return;
  }
  const auto path = context.prompter.chooseFile(reports::DataFileRequest(true));
  if (!path) return;
  // A file that takes the line only in part is reported like one that cannot
  // be opened: the user must not be told the position was saved.
  if (!WriteLineFile(*path, PositionFileLine(id, a, b, c))) {
    context.prompter.message("Unable to open data file.", "Error", Icon::Exclamation);
    return;
  }
  context.prompter.message(PositionDownloadMessage(id, a, b, c), "Success");
}

void AddPositionDownloadSteps(reports::ReportDispatcher& dispatcher) {
  for (int id : {0x42, 0x4A, 0x83, 0x84}) {
    dispatcher.addStep(
        reports::ReportPoint::Shown, id,
        [](reports::DecoderContext& context, link::PortContext&, const reports::DecodedReport& r) {
          downloadPosition(context, r.id, r.a, r.b, r.c);
        });
  }
}

}  // namespace navbin::shell
