// KFileReader: the character source as the scanner holds it. It adds the
// number of input bytes that make one decoded character.
#pragma once

#include "import/CTxtImpFileReader.h"

class KFileReader : public CTxtImpFileReader {
 public:
  explicit KFileReader(IPMUnknown* boss = nullptr) : CTxtImpFileReader(boss) {}

  // Bytes of input per character: 1 for the 8-bit sources, 2 for UTF-16.
  virtual int32 CharSize() const = 0;
};
