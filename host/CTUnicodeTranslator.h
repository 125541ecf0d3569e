// CTUnicodeTranslator: converts text in the host system's 8-bit code page to
// UTF-16. The system code page of this host is Windows-1252: bytes below 0x80
// are ASCII, 0xA0 to 0xFF are Latin-1, 0x80 to 0x9F follow the Windows-1252
// table, and the five bytes that code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become U+FFFD REPLACEMENT CHARACTER.
#pragma once

#include "host/Types.h"

class CTUnicodeTranslator {
 public:
  static CTUnicodeTranslator* Instance();

  // Converts srcLen bytes into at most dstLen units; returns the number of
  // units written. The last argument (a conversion flag) is accepted for the
  // callers' sake and changes nothing in this host.
  int32 CharToTextChar(const char* src, int32 srcLen, UTF16TextChar* dst, int32 dstLen, int32 flags = -1) const;

  static UTF16TextChar SystemCharToUnit(uchar byte);
};
