// PMString: the host's user-facing string, UTF-16 like WideString, with the
// operations the plug-in relies on: comparison, appending, number conversion,
// white-space stripping, and translation of string keys through the string
// tables of the current locale.
#pragma once

#include <limits>
#include <string>
#include <string_view>

#include "host/Types.h"
#include "host/WideString.h"

class PMString {
 public:
  enum StripWhich { kLeading = 1, kTrailing = 2, kBoth = 3 };
  static constexpr int32 kMaxLength = std::numeric_limits<int32>::max();

  PMString() = default;
  // A C string is read as UTF-8.
  PMString(const char* utf8) : units_(DecodeUTF8(utf8 ? utf8 : "")) {}  // NOLINT: implicit like the host's
  explicit PMString(std::string_view utf8) : units_(DecodeUTF8(utf8)) {}
  explicit PMString(const WideString& wide) : units_(wide.Units()) {}
  explicit PMString(std::u16string units) : units_(std::move(units)) {}

  int32 CharCount() const { return static_cast<int32>(units_.size()); }
  bool IsEmpty() const { return units_.empty(); }
  UTF16TextChar GetChar(int32 index) const { return units_[static_cast<std::size_t>(index)]; }

  // 0 when equal; negative or positive by code-unit order otherwise. Without
  // caseSensitive, ASCII letters compare regardless of case.
  int32 Compare(bool16 caseSensitive, const PMString& other) const;
  friend bool operator==(const PMString& a, const PMString& b) { return a.units_ == b.units_; }

  // Appends at most count units of the other string.
  void Append(const PMString& other, int32 count = kMaxLength);
  void Append(const char* utf8, int32 count = kMaxLength);
  void Append(const WideString& wide) { units_ += wide.Units(); }
  void AppendW(UTF16TextChar unit) { units_.push_back(unit); }

  // The number at the start of the text (after white space): an optional
  // sign, digits, an optional fraction and exponent. Text without such a
  // number converts to 0; a number beyond the double range to +/- the largest
  // finite double. "inf", "nan" and hexadecimal forms are not numbers here.
  double GetAsDouble() const;

  void StripWhiteSpace(StripWhich which = kBoth);

  // Translation: the string is looked up as a key in the string tables of
  // the current locale and replaced by the text found there (once).
  void Translate();

  const std::u16string& Units() const { return units_; }
  WideString GetWideString() const { return WideString(units_); }
  std::string GetUTF8String() const { return EncodeUTF8(units_); }

 private:
  std::u16string units_;
  bool translated_ = false;
};

// The empty string that host calls take for "no text" (alert buttons and the like).
extern const PMString kNullString;
