#include "logging/data_record.h"

#include <cstdarg>
#include <cstdint>
#include <cstdlib>

#include "platform/point_printf.h"

namespace navbin::logging {
namespace {

// printf, with the point for decimals, into the end of `out`.
[[gnu::format(printf, 2, 3)]] void AppendF(std::string& out, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  platform::AppendPrintfV(out, format, args);
  va_end(args);
}

bool InFix(const reports::ReceiverState& receiver, int sv) {
  for (std::int32_t fixSv : receiver.fixSvs) {
    if (std::llabs(static_cast<long long>(fixSv)) == sv) return true;
  }
  return false;
}

void AppendSignalLevels(std::string& line, const reports::ReceiverState& receiver) {
  for (const reports::ChannelTrack& channel : receiver.channels) {
    int sv = channel.minSv;
    if (sv != 0 && InFix(receiver, sv)) sv += 128;
    AppendF(line, "%d %0.1f ", sv, static_cast<double>(channel.minLevel));
  }
}

void AppendHead(std::string& line, const reports::ReceiverState& r, const DataSets& sets) {
  if (Has(sets, DataSet::TimeOfWeek)) AppendF(line, "%.2f ", double(r.position.timeOfFix));
  if (Has(sets, DataSet::Bias)) AppendF(line, "%f ", r.position.clockBias);
  if (Has(sets, DataSet::BiasRate)) AppendF(line, "%f ", double(r.velocity.biasRate));
  if (Has(sets, DataSet::SignalLevels)) AppendSignalLevels(line, r);
}

void AppendTail(std::string& line, const reports::ReceiverState& r, const DataSets& sets) {
  const reports::PositionFix& p = r.position;
  const reports::VelocityFix& v = r.velocity;
  if (Has(sets, DataSet::PositionLla))
    AppendF(line, "%f %f %f ", p.latitude, p.longitude, p.altitude);
  if (Has(sets, DataSet::PositionXyz)) AppendF(line, "%f %f %f ", p.x, p.y, p.z);
  if (Has(sets, DataSet::VelocityEnu)) {
    AppendF(line, "%f %f %f ", double(v.velEast), double(v.velNorth), double(v.velUp));
  }
  if (Has(sets, DataSet::VelocityXyz)) {
    AppendF(line, "%f %f %f ", double(v.velX), double(v.velY), double(v.velZ));
  }
  if (Has(sets, DataSet::ReceiverMode)) AppendF(line, "%d ", int(r.fixMode));
  if (Has(sets, DataSet::Health)) {
    AppendF(line, "%d %d %d ", int(r.statusCode), int(r.errorBits), int(r.statusBits));
  }
  if (Has(sets, DataSet::DgpsMode)) AppendF(line, "%d ", int(r.dgpsMode));
  if (Has(sets, DataSet::Dops)) {
    AppendF(line, "%.1f %.1f %.1f %.1f ", double(r.pdop), double(r.hdop), double(r.vdop),
            double(r.tdop));
  }
}

}  // namespace

void AppendDataRecord(std::string& line, reports::ReceiverState& receiver, const DataSets& sets) {
  AppendHead(line, receiver, sets);
  RearmSignalLevels(receiver);
  AppendTail(line, receiver, sets);
  line += '\n';
}

void RearmSignalLevels(reports::ReceiverState& receiver) {
  for (reports::ChannelTrack& channel : receiver.channels) {
    channel.resetPending = 1;
    channel.currentSv = 0;
    channel.currentLevel = 0;
  }
}

std::string StatusCopy(const std::string& line) {
  std::string copy = line;
  if (!copy.empty() && copy.back() == '\n') copy.pop_back();
  if (!copy.empty() && copy.back() == ' ') copy.pop_back();
  for (char& c : copy) {
    if (c == ' ') c = '/';
  }
  return copy;
}

float elapsedSeconds(float now, float then) {
  float elapsed = now - then;
  if (elapsed < 0) elapsed += 604800.0f;
  return elapsed;
}

}  // namespace navbin::logging
