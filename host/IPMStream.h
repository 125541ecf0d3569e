// IPMStream: the host's byte stream as the import reads it. The host owns
// every stream; plug-in objects that read one only borrow it.
#pragma once

#include "host/Types.h"

// Seek origins, by the host's numbering.
enum SeekFromWhere : int32 { kSeekFromStart = 1, kSeekFromCurrent = 2, kSeekFromEnd = 4 };

class IPMStream {
 public:
  virtual ~IPMStream() = default;

  // The status query: true while the stream is open and no read has run past
  // its end since the last seek.
  virtual bool16 IsGood() const = 0;
  // Block read: copies up to count bytes and returns how many were read.
  virtual int32 ReadBlock(uchar* buffer, int32 count) = 0;
  // One-byte read; false (and byte untouched) at the end.
  virtual bool16 ReadByte(uchar& byte) = 0;
  // 16-bit read, little-endian; false (and value untouched) when fewer than
  // two bytes remain.
  virtual bool16 ReadInt16(int16& value) = 0;
  // Moves the position, clamped to [0, length], and returns the new position.
  virtual int32 Seek(int32 offset, SeekFromWhere fromWhere) = 0;
};
