#pragma once
// A strict little JSON checker: is a line exactly one well-formed object?

#include <cctype>
#include <string_view>

namespace navbin::tools::test {

class JsonChecker {
 public:
  explicit JsonChecker(std::string_view s) : s_(s) {}

  bool wholeObject() { return object() && i_ == s_.size(); }

 private:
  bool eat(char c) { return i_ < s_.size() && s_[i_] == c && ++i_; }
  bool digit() const { return i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])); }
  bool digits() {
    const std::size_t start = i_;
    while (digit()) ++i_;
    return i_ > start;
  }
  // Members of an object or elements of an array, up to the closing bracket.
  bool sequence(char close, bool members) {
    if (eat(close)) return true;
    do {
      if (members && !(string() && eat(':'))) return false;
      if (!value()) return false;
    } while (eat(','));
    return eat(close);
  }
  bool object() { return eat('{') && sequence('}', true); }
  bool value() {
    if (eat('[')) return sequence(']', false);
    for (std::string_view w : {"null", "true", "false"}) {
      if (s_.substr(i_, w.size()) == w) return (i_ += w.size(), true);
    }
    if (i_ < s_.size() && s_[i_] == '{') return object();
    if (i_ < s_.size() && s_[i_] == '"') return string();
    eat('-');
    if (!digits() || (eat('.') && !digits())) return false;
    if (eat('e') || eat('E')) {
      if (!eat('+')) eat('-');
      return digits();
    }
    return true;
  }
  bool string() {
    if (!eat('"')) return false;
    while (i_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[i_++]);
      if (c == '"') return true;
      if (c < 0x20 || (c == '\\' && !escape())) return false;
    }
    return false;
  }
  bool escape() {
    if (i_ >= s_.size()) return false;
    const char e = s_[i_++];
    if (e != 'u') return std::string_view("\"\\/bfnrt").find(e) != std::string_view::npos;
    for (int k = 0; k < 4; ++k, ++i_) {
      if (i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_]))) return false;
    }
    return true;
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

inline bool IsJsonObject(std::string_view line) {
  return JsonChecker(line).wholeObject();
}

}  // namespace navbin::tools::test
