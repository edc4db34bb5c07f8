#pragma once
// The name of one window control: the objectName its widget carries and the
// name the Qt-free layers address it by. No string turns into one by itself and
// the program takes every name from the constants of names:: and rows::, so a
// misspelled name or a free string where a control is meant does not compile.

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace navbin::reports {

class ControlName {
 public:
  explicit constexpr ControlName(std::string_view text) : text_(text) {}
  constexpr std::string_view text() const { return text_; }
  friend constexpr bool operator==(ControlName, ControlName) = default;

 private:
  std::string_view text_;
};

namespace detail {

// A string literal as a template argument.
template <std::size_t N>
struct Prefix {
  constexpr Prefix(const char (&text)[N]) {  // NOLINT: implicit, so Row<"Panel_SV", 12> reads
    for (std::size_t i = 0; i < N; ++i) chars[i] = text[i];
  }
  char chars[N];
};

// "<prefix>1" ... "<prefix><count>", each in a slot of its own (count < 100).
template <Prefix P, std::size_t Count>
inline constexpr auto kRowTexts = [] {
  constexpr std::size_t length = sizeof(P.chars) - 1;
  std::array<std::array<char, length + 3>, Count> texts{};
  for (std::size_t k = 0; k < Count; ++k) {
    auto& text = texts[k];
    for (std::size_t i = 0; i < length; ++i) text[i] = P.chars[i];
    const std::size_t number = k + 1;
    if (number >= 10) text[length] = static_cast<char>('0' + number / 10);
    text[number >= 10 ? length + 1 : length] = static_cast<char>('0' + number % 10);
  }
  return texts;
}();

template <Prefix P, std::size_t Count, std::size_t... K>
constexpr std::array<ControlName, Count> RowOf(std::index_sequence<K...>) {
  return {ControlName{std::string_view(kRowTexts<P, Count>[K].data())}...};
}

}  // namespace detail

// Controls numbered from 1, indexed from 0: Row<"Panel_SV", 12>[0] is Panel_SV1.
template <detail::Prefix P, std::size_t Count>
inline constexpr std::array<ControlName, Count> Row =
    detail::RowOf<P, Count>(std::make_index_sequence<Count>{});

}  // namespace navbin::reports
