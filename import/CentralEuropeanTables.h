// The code-page tables of the 8-bit character sources: Mac Central European
// and Windows Central European (code page 1250). A table covers the bytes
// 0x80 to 0xFF; every other byte, and a byte the table has no entry for, is
// converted by the host's Unicode translator (bytes below 0x80 come out as the
// same ASCII character).
#pragma once

#include <array>

#include "host/Types.h"

class HighByteTable {
 public:
  // Marks a byte without an entry. U+FFFF is a noncharacter that no code page
  // maps a byte to.
  static constexpr UTF16TextChar kNoEntry = 0xFFFF;

  constexpr explicit HighByteTable(const std::array<UTF16TextChar, 128>& units) : units_(units) {}

  bool HasEntry(uchar byte) const { return byte >= 0x80 && units_[byte - 0x80] != kNoEntry; }

  // The code unit of one input byte: the table's entry, or the host
  // translator's conversion when there is none. Called once per input byte,
  // so the table hit stays inline.
  UTF16TextChar Decode(uchar byte) const {
    // The host translator gives ASCII bytes as they are; saying so here
    // keeps the common case free of a call.
    if (byte < 0x80) return byte;
    const UTF16TextChar unit = units_[byte - 0x80];
    return unit != kNoEntry ? unit : Translate(byte);
  }

 private:
  static UTF16TextChar Translate(uchar byte);

  std::array<UTF16TextChar, 128> units_;
};

extern const HighByteTable kMacCentralEuropeanTable;
extern const HighByteTable kWindowsCentralEuropeanTable;
