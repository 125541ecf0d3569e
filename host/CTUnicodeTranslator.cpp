#include "host/CTUnicodeTranslator.h"

namespace {

// Windows-1252, bytes 0x80 to 0x9F.
constexpr UTF16TextChar kWindows1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,  // 88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,  // 98
};

}  // namespace

CTUnicodeTranslator* CTUnicodeTranslator::Instance() {
  static CTUnicodeTranslator translator;
  return &translator;
}

UTF16TextChar CTUnicodeTranslator::SystemCharToUnit(uchar byte) {
  if (byte >= 0x80 && byte < 0xA0) return kWindows1252High[byte - 0x80];
  return byte;
}

int32 CTUnicodeTranslator::CharToTextChar(const char* src, int32 srcLen, UTF16TextChar* dst, int32 dstLen,
                                          int32 /*flags*/) const {
  int32 written = 0;
  for (int32 i = 0; i < srcLen && written < dstLen; ++i) dst[written++] = SystemCharToUnit(static_cast<uchar>(src[i]));
  return written;
}
