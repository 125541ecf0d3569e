// MacCEFileReader: the character source for Mac Central European text, the
// 8-bit encoding the import detects. Each byte of the stream is one character,
// decoded through the Mac Central European table.
#pragma once

#include "import/KFileReader.h"

class MacCEFileReader : public KFileReader {
 public:
  explicit MacCEFileReader(IPMUnknown* boss = nullptr) : KFileReader(boss) {}

  // The next byte, decoded; 0 at the end of the stream (or before attaching).
  uint16 NextChar() override;
  int32 CharSize() const override { return 1; }
};
