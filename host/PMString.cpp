#include "host/PMString.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "host/StringTables.h"

const PMString kNullString;

namespace {

char16_t FoldASCII(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

bool IsWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

int32 PMString::Compare(bool16 caseSensitive, const PMString& other) const {
  const std::size_t n = std::min(units_.size(), other.units_.size());
  for (std::size_t i = 0; i < n; ++i) {
    char16_t a = units_[i];
    char16_t b = other.units_[i];
    if (!caseSensitive) a = FoldASCII(a), b = FoldASCII(b);
    if (a != b) return a < b ? -1 : 1;
  }
  if (units_.size() == other.units_.size()) return 0;
  return units_.size() < other.units_.size() ? -1 : 1;
}

void PMString::Append(const PMString& other, int32 count) {
  if (count <= 0) return;
  units_.append(other.units_, 0, std::min<std::size_t>(other.units_.size(), static_cast<std::size_t>(count)));
}

void PMString::Append(const char* utf8, int32 count) { Append(PMString(utf8), count); }

double PMString::GetAsDouble() const {
  // Collect the longest prefix of the form [ws][+-]digits[.digits][(e|E)[+-]digits]
  // as ASCII, then let from_chars do the rounding.
  std::size_t i = 0;
  while (i < units_.size() && IsWhiteSpace(units_[i])) ++i;
  std::string text;
  if (i < units_.size() && (units_[i] == u'+' || units_[i] == u'-')) {
    if (units_[i] == u'-') text.push_back('-');
    ++i;
  }
  std::size_t digits = 0;
  while (i < units_.size() && IsDigit(units_[i])) text.push_back(static_cast<char>(units_[i++])), ++digits;
  if (i < units_.size() && units_[i] == u'.') {
    text.push_back('.');
    ++i;
    while (i < units_.size() && IsDigit(units_[i])) text.push_back(static_cast<char>(units_[i++])), ++digits;
  }
  if (digits == 0) return 0.0;
  if (i + 1 < units_.size() && (units_[i] == u'e' || units_[i] == u'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (units_[j] == u'+' || units_[j] == u'-') exponent.push_back(static_cast<char>(units_[j++]));
    if (j < units_.size() && IsDigit(units_[j])) {
      while (j < units_.size() && IsDigit(units_[j])) exponent.push_back(static_cast<char>(units_[j++]));
      text += exponent;
    }
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Too large or too small: from_chars leaves value alone. Decide by the
    // exponent's sign whether the number overflowed or underflowed.
    const bool negative = !text.empty() && text[0] == '-';
    const auto e = text.find('e');
    const bool underflow = e != std::string::npos && e + 1 < text.size() && text[e + 1] == '-';
    if (underflow) return negative ? -0.0 : 0.0;
    const double largest = std::numeric_limits<double>::max();
    return negative ? -largest : largest;
  }
  return value;
}

void PMString::StripWhiteSpace(StripWhich which) {
  if (which & kTrailing) {
    while (!units_.empty() && IsWhiteSpace(units_.back())) units_.pop_back();
  }
  if (which & kLeading) {
    std::size_t i = 0;
    while (i < units_.size() && IsWhiteSpace(units_[i])) ++i;
    units_.erase(0, i);
  }
}

void PMString::Translate() {
  if (translated_) return;
  if (const std::u16string* text = StringTables::Instance().Lookup(units_)) units_ = *text;
  translated_ = true;
}
