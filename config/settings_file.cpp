#include "config/settings_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <nlohmann/json.hpp>
#include <numbers>

#include "config/field_values.h"
#include "config/settings_groups.h"

namespace navbin::config {

namespace {

using Json = nlohmann::ordered_json;

// ---- Characters: each byte is the code point of the same number, so that
// any byte a receiver reports survives the round trip through UTF-8.

std::string Utf8OfBytes(std::string_view bytes) {
  std::string text;
  for (char ch : bytes) {
    const auto c = static_cast<std::uint8_t>(ch);
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

// The bytes of `text`, or nothing when a character lies above U+00FF.
std::optional<std::string> BytesOfUtf8(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size()) {
      bytes += static_cast<char>(((c & 0x03) << 6) | (text[++i] & 0x3F));
    } else {
      return std::nullopt;
    }
  }
  return bytes;
}

// ---- Writing

template <class T>
Json NumberJson(T v, std::string_view unit) {
  if constexpr (std::is_floating_point_v<T>) {
    // A single goes out as its shortest decimal, which reads back as the same single.
    double exact = v;
    if constexpr (std::is_same_v<T, float>) {
      const std::string text = ShortestText(v);
      std::from_chars(text.data(), text.data() + text.size(), exact);
    }
    if (unit == kRadians) return Json{{"degrees", DegreesOf(v)}, {"radians", exact}};
    return exact;
  } else {
    return v;
  }
}

template <settings::Record R>
void WriteGroup(const R& record, Json& group) {
  if (!group.is_object()) group = Json::object();
  settings::ForEachReported(record, [&](std::string_view name, auto value, std::string_view unit) {
    if constexpr (std::is_same_v<decltype(value), std::string_view>) {
      group[std::string(name)] = Utf8OfBytes(value.substr(0, value.find('\0')));
    } else {
      group[std::string(name)] = NumberJson(value, unit);
    }
  });
}

std::string VersionText(int major, int minor) {
  char text[16];
  std::snprintf(text, sizeof text, "%d.%02d", major, minor);
  return text;
}
std::string DateText(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

void WriteIdentity(const Identity& identity, Json& out) {
  if (!out.is_object()) out = Json::object();
  if (const auto& v = identity.version) {
    out["navigationFirmware"] = VersionText(v->major, v->minor);
    out["navigationDate"] = DateText(v->year, v->month, v->day);
    out["signalFirmware"] = VersionText(v->signalMajor, v->signalMinor);
    out["signalDate"] = DateText(v->signalYear, v->signalMonth, v->signalDay);
  }
  if (!identity.readAt.empty()) out["readAt"] = identity.readAt;
}

// ---- Reading

struct Reader {
  std::string error;

  bool fail(const std::string& where, const std::string& why) {
    error = where + ": " + why;
    return false;
  }

  template <class T>
  bool whole(const Json& j, const std::string& where, T& out) {
    if (!j.is_number_integer()) return fail(where, "a whole number is needed, not " + Shown(j));
    constexpr auto lo = static_cast<std::int64_t>(std::numeric_limits<T>::min());
    constexpr auto hi = static_cast<std::uint64_t>(std::numeric_limits<T>::max());
    const bool inside = j.is_number_unsigned()
                            ? j.get<std::uint64_t>() <= hi
                            : j.get<std::int64_t>() >= lo &&
                                  (j.get<std::int64_t>() < 0 ||
                                   static_cast<std::uint64_t>(j.get<std::int64_t>()) <= hi);
    if (!inside) {
      return fail(where, j.dump() + " is out of range (" + std::to_string(lo) + " to " +
                             std::to_string(hi) + ")");
    }
    out = static_cast<T>(j.is_number_unsigned() ? j.get<std::uint64_t>() : j.get<std::int64_t>());
    return true;
  }

  template <class T>
  bool real(const Json& j, const std::string& where, T& out) {
    if (!j.is_number()) return fail(where, "a number is needed, not " + Shown(j));
    const double v = j.get<double>();
    if (!std::isfinite(v) || std::abs(v) > std::numeric_limits<T>::max()) {
      return fail(where, j.dump() + " is out of range");
    }
    out = static_cast<T>(v);
    return true;
  }

  // An angle: its radians, unless its degrees were changed since (or are all there is).
  template <class T>
  bool angle(const Json& j, const std::string& where, T& out) {
    if (!j.is_object()) return fail(where, "an object of \"degrees\" and \"radians\" is needed");
    const auto rad = j.find("radians");
    const auto deg = j.find("degrees");
    if (rad == j.end() && deg == j.end())
      return fail(where, "\"degrees\" or \"radians\" is needed");
    double degrees = 0;
    if (deg != j.end() && !real(*deg, where + ".degrees", degrees)) return false;
    if (rad != j.end()) {
      if (!real(*rad, where + ".radians", out)) return false;
      if (deg == j.end() || std::abs(DegreesOf(out) - degrees) < 1e-6) return true;
    }
    return real(Json(degrees * std::numbers::pi / 180.0), where + ".degrees", out);
  }

  template <std::size_t N>
  bool chars(const Json& j, const std::string& where, std::array<std::uint8_t, N>& out) {
    if (!j.is_string()) return fail(where, "a string is needed, not " + Shown(j));
    const auto bytes = BytesOfUtf8(j.get<std::string>());
    if (!bytes) return fail(where, "only characters up to U+00FF fit");
    if (bytes->size() > N) return fail(where, "at most " + std::to_string(N) + " characters fit");
    out.fill(0);
    for (std::size_t i = 0; i < bytes->size() && i < N; ++i) out[i] = (*bytes)[i];
    return true;
  }

  template <settings::Record R>
  bool group(const Json& j, const std::string& name, R& record) {
    if (!j.is_object()) return fail(name, "an object of fields is needed, not " + Shown(j));
    bool ok = true;
    const auto one = [&](const auto& f) {
      if (!ok || f.at.report == settings::kAbsent) return;
      const std::string where = name + "." + std::string(f.name);
      const auto it = j.find(std::string(f.name));
      if (it == j.end()) {
        if (f.at.command != settings::kAbsent) ok = fail(where, "missing");
        return;
      }
      if constexpr (requires { f.ref(record); }) {
        using T = std::remove_cvref_t<decltype(f.ref(record))>;
        if constexpr (std::is_floating_point_v<T>) {
          ok = f.unit == kRadians ? angle(*it, where, f.ref(record))
                                  : real(*it, where, f.ref(record));
        } else {
          ok = whole(*it, where, f.ref(record));
        }
      } else {
        ok = chars(*it, where, record.*f.member);
      }
    };
    std::apply([&](const auto&... f) { (one(f), ...); }, settings::Table<R>::fields);
    return ok;
  }

  static std::string Shown(const Json& j) {
    if (j.is_string()) return "a string";
    if (j.is_boolean()) return j.dump();
    if (j.is_null()) return "null";
    if (j.is_object()) return "an object";
    if (j.is_array()) return "an array";
    return j.dump();
  }
};

bool ReadFormat(const Json& doc, Reader& reader) {
  const auto it = doc.find("format");
  if (it == doc.end()) return reader.fail("format", "missing: not a settings file");
  int format = 0;
  if (!reader.whole(*it, "format", format)) return false;
  if (format != kSettingsFormat) {
    return reader.fail("format", std::to_string(format) +
                                     " is not known; this program reads format " +
                                     std::to_string(kSettingsFormat));
  }
  return true;
}

std::string ParseErrorText(const char* what) {
  std::string text = what;
  const std::size_t bracket = text.find("] ");
  if (text.starts_with("[json.") && bracket != std::string::npos) text.erase(0, bracket + 2);
  return text;
}

}  // namespace

std::string WriteSettingsFile(const SettingsSnapshot& snapshot, std::string_view previous) {
  Json doc = Json::parse(previous, nullptr, false);
  if (!doc.is_object()) doc = Json::object();
  doc["format"] = kSettingsFormat;
  WriteIdentity(snapshot.identity, doc["receiver"]);
  ForEachGroup(snapshot, [&](const auto& group, const auto& slot) {
    if (slot) {
      WriteGroup(*slot, doc[group.name]);
    } else {
      doc.erase(group.name);  // an earlier reading of a group left out now is no longer true
    }
  });
  return doc.dump(2) + "\n";
}

std::optional<SettingsSnapshot> ReadSettingsFile(std::string_view text, std::string& error) {
  Json doc;
  try {
    doc = Json::parse(text);
  } catch (const Json::parse_error& e) {
    error = "not JSON: " + ParseErrorText(e.what());
    return std::nullopt;
  } catch (const Json::exception& e) {  // a number beyond a double, and the like
    error = "not JSON: " + std::string(e.what());
    return std::nullopt;
  }
  Reader reader;
  SettingsSnapshot snapshot;
  bool ok =
      doc.is_object() || reader.fail("file", "a JSON object is needed, not " + Reader::Shown(doc));
  ok = ok && ReadFormat(doc, reader);
  ForEachGroup(snapshot, [&](const auto& group, auto& slot) {
    const auto it = ok ? doc.find(group.name) : doc.end();
    if (it == doc.end()) return;
    slot.emplace();
    ok = reader.group(*it, group.name, *slot);
  });
  for (std::uint8_t port = 0; ok && port < snapshot.serial.size(); ++port) {
    const auto& serial = snapshot.serial[port];
    if (serial && serial->port != port) {
      ok = reader.fail(std::string(settings::Table<settings::SerialPort>::name) +
                           static_cast<char>('0' + port) + ".port",
                       std::to_string(serial->port) + " is not this group's port");
    }
  }
  if (!ok) {
    error = reader.error;
    return std::nullopt;
  }
  // The identity is there for people; only the time it was read is kept.
  const auto receiver = doc.find("receiver");
  if (receiver != doc.end() && receiver->is_object()) {
    const auto readAt = receiver->find("readAt");
    if (readAt != receiver->end() && readAt->is_string()) {
      snapshot.identity.readAt = readAt->get<std::string>();
    }
  }
  return snapshot;
}

}  // namespace navbin::config
