// WideString: the host's UTF-16 string. It holds 16-bit code units and
// indexes them one unit per index; a character beyond U+FFFF occupies two
// indexes (its surrogate pair).
#pragma once

#include <string>
#include <string_view>

#include "host/Types.h"

class WideString {
 public:
  WideString() = default;
  explicit WideString(std::u16string units) : units_(std::move(units)) {}
  explicit WideString(std::u16string_view units) : units_(units) {}
  static WideString FromUTF8(std::string_view utf8);

  int32 Length() const { return static_cast<int32>(units_.size()); }
  bool IsEmpty() const { return units_.empty(); }

  // Unchecked access, as std::u16string's.
  UTF16TextChar operator[](int32 index) const { return units_[static_cast<std::size_t>(index)]; }
  // Checked access: 0 for an index outside the string.
  UTF16TextChar CharAt(int32 index) const {
    return index >= 0 && index < Length() ? units_[static_cast<std::size_t>(index)] : u'\0';
  }

  void Append(const WideString& other) { units_ += other.units_; }
  void Append(UTF16TextChar unit) { units_.push_back(unit); }
  // Appends one Unicode scalar value: one unit, or a surrogate pair above U+FFFF.
  void AppendUTF32TextChar(UTF32TextChar ch);
  void SetChar(int32 index, UTF16TextChar unit) { units_[static_cast<std::size_t>(index)] = unit; }
  void Clear() { units_.clear(); }
  void Reserve(int32 units) { units_.reserve(static_cast<std::size_t>(units)); }

  const std::u16string& Units() const { return units_; }
  std::u16string_view View() const { return units_; }
  std::string ToUTF8() const;

  friend bool operator==(const WideString&, const WideString&) = default;

 private:
  std::u16string units_;
};

// UTF-8 <-> UTF-16 conversion. Invalid input (a lone surrogate, a malformed
// byte sequence) becomes U+FFFD rather than failing.
std::u16string DecodeUTF8(std::string_view utf8);
std::string EncodeUTF8(std::u16string_view utf16);
