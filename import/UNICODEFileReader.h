// UNICODEFileReader: the character source for UTF-16 text. Each 16-bit unit
// of the stream, in the stream's own byte order, is one character; a byte-order
// mark and surrogates are handed on unchanged. The host also registers it as
// its own UTF-16 source (kUnicodeFileReaderImpl).
#pragma once

#include "import/KFileReader.h"

class UNICODEFileReader : public KFileReader {
 public:
  explicit UNICODEFileReader(IPMUnknown* boss = nullptr) : KFileReader(boss) {}

  // The next 16-bit unit; 0 when fewer than two bytes remain (or before
  // attaching).
  uint16 NextChar() override;
  int32 CharSize() const override { return 2; }
};
