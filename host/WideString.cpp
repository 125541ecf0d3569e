#include "host/WideString.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUTF16(std::u16string& out, char32_t ch) {
  if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = kReplacement;
  if (ch < 0x10000) {
    out.push_back(static_cast<char16_t>(ch));
  } else {
    ch -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (ch >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (ch & 0x3FF)));
  }
}

void AppendUTF8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out.push_back(static_cast<char>(ch));
  } else if (ch < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  } else if (ch < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  }
}

}  // namespace

std::u16string DecodeUTF8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t ch = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      ch = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, ch = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, ch = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, ch = lead & 0x07, minimum = 0x10000;
    } else {
      out.push_back(static_cast<char16_t>(kReplacement));
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    bool valid = true;
    for (int k = 0; k < extra; ++k, ++j) {
      if (j >= utf8.size() || (static_cast<unsigned char>(utf8[j]) & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      ch = (ch << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
    }
    if (!valid || ch < minimum) {
      out.push_back(static_cast<char16_t>(kReplacement));
      i = j;  // resume at the first byte that did not belong to the sequence
      continue;
    }
    AppendUTF16(out, ch);
    i = j;
  }
  return out;
}

std::string EncodeUTF8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t ch = utf16[i];
    if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      ch = 0x10000 + ((ch - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (ch >= 0xD800 && ch <= 0xDFFF) {
      ch = kReplacement;
    }
    AppendUTF8(out, ch);
  }
  return out;
}

WideString WideString::FromUTF8(std::string_view utf8) { return WideString(DecodeUTF8(utf8)); }

void WideString::AppendUTF32TextChar(UTF32TextChar ch) { AppendUTF16(units_, ch); }

std::string WideString::ToUTF8() const { return EncodeUTF8(units_); }
