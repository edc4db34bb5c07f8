#pragma once
// The field tables of the settings groups. Each group is one struct with one
// table, Table<Group>, that says where each field sits in the receiver's
// report of the group and in the command that sets it, so the parser, the
// encoder and the described fields all come from the same lines:
//
//   template <> struct Table<Group> {
//     static constexpr std::string_view name{"group"};  // its name in files
//     static constexpr Layout layout{...};    // ids, lengths, lead and fill bytes
//     static constexpr std::tuple fields{     // in the order they are described
//         Field<Group, std::uint8_t>{"name", &Group::member, Both(1)}, ...};
//   };
//
// Offsets count from the first payload byte; for 0x8E and 0x8F that is the
// sub-id. A field's codec follows from its member's type: u8, u16, s32, u32,
// single (float) or double, all big-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "link/field_codec.h"

namespace navbin::settings {

// An offset of a direction that does not carry the field.
inline constexpr int kAbsent = -1;

// Where a field sits in the report and in the command.
struct At {
  int report = kAbsent;
  int command = kAbsent;
};
constexpr At Both(int offset) {
  return {offset, offset};
}
constexpr At ReportOnly(int offset) {
  return {offset, kAbsent};
}
constexpr At CommandOnly(int offset) {
  return {kAbsent, offset};
}

struct Layout {
  std::uint8_t commandId = 0;
  std::size_t reportLength = 0;   // the report is refused at any other length
  std::size_t commandLength = 0;  // command bytes after the id
  int lead = kAbsent;             // the command's first byte (sub-id or sub-code), if fixed
  std::uint8_t fill = 0;          // command bytes no field carries
};

namespace codec {

template <class T>
T Get(const std::uint8_t* p) {
  if constexpr (std::is_same_v<T, std::uint8_t>) return p[0];
  if constexpr (std::is_same_v<T, std::uint16_t>) return link::GetU16(p);
  if constexpr (std::is_same_v<T, std::int32_t>) return link::GetS32(p);
  if constexpr (std::is_same_v<T, std::uint32_t>) return link::GetU32(p);
  if constexpr (std::is_same_v<T, float>) return link::GetSingle(p);
  if constexpr (std::is_same_v<T, double>) return link::GetDouble(p);
}

template <class T>
void Put(T v, std::uint8_t* p) {
  if constexpr (std::is_same_v<T, std::uint8_t>) p[0] = v;
  if constexpr (std::is_same_v<T, std::uint16_t>) link::PutU16(v, p);
  if constexpr (std::is_same_v<T, std::int32_t>) link::PutU32(static_cast<std::uint32_t>(v), p);
  if constexpr (std::is_same_v<T, std::uint32_t>) link::PutU32(v, p);
  if constexpr (std::is_same_v<T, float>) link::PutSingle(v, p);
  if constexpr (std::is_same_v<T, double>) link::PutDouble(v, p);
}

}  // namespace codec

// One number member of `R`.
template <class R, class T>
struct Field {
  std::string_view name;
  T R::*member;
  At at;
  std::string_view unit{};

  static constexpr std::size_t kWidth = sizeof(T);
  T& ref(R& r) const { return r.*member; }
  T value(const R& r) const { return r.*member; }
};

// One number of an array member of `R`.
template <class R, class T, std::size_t N>
struct Element {
  std::string_view name;
  std::array<T, N> R::*member;
  std::size_t index;
  At at;
  std::string_view unit{};

  static constexpr std::size_t kWidth = sizeof(T);
  T& ref(R& r) const { return (r.*member)[index]; }
  T value(const R& r) const { return (r.*member)[index]; }
};

// Characters of `R`, one byte each, described as text.
template <class R, std::size_t N>
struct Text {
  std::string_view name;
  std::array<std::uint8_t, N> R::*member;
  At at;

  static constexpr std::size_t kWidth = N;
};

template <class R>
struct Table;  // specialised by each settings group

template <class R>
concept Record = requires {
  Table<R>::name;
  Table<R>::layout;
  Table<R>::fields;
};

namespace detail {

template <class F, class R>
void Read(const F& f, R& r, const std::uint8_t* payload) {
  if (f.at.report == kAbsent) return;
  const std::uint8_t* p = payload + f.at.report;
  if constexpr (requires { f.ref(r); }) {
    f.ref(r) = codec::Get<std::remove_cvref_t<decltype(f.ref(r))>>(p);
  } else {
    for (std::uint8_t& c : r.*f.member) c = *p++;
  }
}

template <class F, class R>
void Write(const F& f, const R& r, std::uint8_t* body) {
  if (f.at.command == kAbsent) return;
  std::uint8_t* p = body + f.at.command;
  if constexpr (requires { f.value(r); }) {
    codec::Put(f.value(r), p);
  } else {
    for (std::uint8_t c : r.*f.member) *p++ = c;
  }
}

template <class F>
constexpr bool Fits(const F& f, const Layout& layout) {
  const auto inside = [&](int offset, std::size_t length) {
    return offset == kAbsent || (offset >= 0 && offset + F::kWidth <= length);
  };
  return inside(f.at.report, layout.reportLength) && inside(f.at.command, layout.commandLength);
}

}  // namespace detail

// True when every field of `R` lies inside its report and its command.
template <Record R>
constexpr bool FieldsFit() {
  return std::apply([](const auto&... f) { return (detail::Fits(f, Table<R>::layout) && ...); },
                    Table<R>::fields);
}

// The record of a report payload; empty unless it has exactly the report's length.
template <Record R>
std::optional<R> Parse(std::span<const std::uint8_t> payload) {
  static_assert(FieldsFit<R>());
  if (payload.size() != Table<R>::layout.reportLength) return std::nullopt;
  R r{};
  std::apply([&](const auto&... f) { (detail::Read(f, r, payload.data()), ...); },
             Table<R>::fields);
  return r;
}

// The command bytes after the id into `body`, which holds layout.commandLength bytes.
template <Record R>
void Encode(const R& r, std::span<std::uint8_t> body) {
  static_assert(FieldsFit<R>());
  constexpr Layout layout = Table<R>::layout;
  if (body.size() != layout.commandLength) return;
  for (std::uint8_t& b : body) b = layout.fill;
  if (layout.lead != kAbsent) body[0] = static_cast<std::uint8_t>(layout.lead);
  std::apply([&](const auto&... f) { (detail::Write(f, r, body.data()), ...); }, Table<R>::fields);
}

// Calls visit(name, value, unit) for each field the report carries, in table
// order; a number keeps its member's type, characters come as a string_view.
template <Record R, class Visit>
void ForEachReported(const R& r, Visit&& visit) {
  const auto one = [&](const auto& f) {
    if (f.at.report == kAbsent) return;
    if constexpr (requires { f.value(r); }) {
      visit(f.name, f.value(r), f.unit);
    } else {
      const auto& chars = r.*f.member;
      visit(f.name, std::string_view(reinterpret_cast<const char*>(chars.data()), chars.size()),
            std::string_view{});
    }
  };
  std::apply([&](const auto&... f) { (one(f), ...); }, Table<R>::fields);
}

}  // namespace navbin::settings
