// Read streams over bytes in memory, and over a file (read whole when opened:
// an import reads every byte anyway, and memory makes seeks and single-byte
// reads cheap).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/IPMStream.h"

class MemoryReadStream : public IPMStream {
 public:
  explicit MemoryReadStream(std::vector<uchar> bytes) : bytes_(std::move(bytes)) {}

  bool16 IsGood() const override { return good_ ? kTrue : kFalse; }
  int32 ReadBlock(uchar* buffer, int32 count) override {
    // One byte at a time is how the 8-bit character sources read.
    if (count == 1 && position_ < bytes_.size()) {
      *buffer = bytes_[position_++];
      return 1;
    }
    return ReadBlockOfMany(buffer, count);
  }
  bool16 ReadByte(uchar& byte) override {
    if (position_ >= bytes_.size()) return good_ = false, kFalse;
    byte = bytes_[position_++];
    return kTrue;
  }
  bool16 ReadInt16(int16& value) override;
  int32 Seek(int32 offset, SeekFromWhere fromWhere) override;

  int32 Position() const { return static_cast<int32>(position_); }

 private:
  int32 ReadBlockOfMany(uchar* buffer, int32 count);

  std::vector<uchar> bytes_;
  std::size_t position_ = 0;
  bool good_ = true;
};

// The bytes of a file, or nothing when it cannot be read. Files larger than
// the 32-bit stream positions can address are refused as well.
std::optional<std::vector<uchar>> ReadFileBytes(const std::string& path, std::string& whyNot);
