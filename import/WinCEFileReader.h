// WinCEFileReader: the character source for Windows Central European text
// (code page 1250). Each byte of the stream is one character, decoded through
// the code page 1250 table. The import's encoding detection does not select it.
#pragma once

#include "import/KFileReader.h"

class WinCEFileReader : public KFileReader {
 public:
  explicit WinCEFileReader(IPMUnknown* boss = nullptr) : KFileReader(boss) {}

  // The next byte, decoded; 0 at the end of the stream (or before attaching).
  uint16 NextChar() override;
  int32 CharSize() const override { return 1; }
};
