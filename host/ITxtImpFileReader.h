// ITxtImpFileReader: a character source, which reads a host stream and hands
// out one decoded UTF-16 code unit at a time. The host offers this interface
// to text-import filters; implementation 0x4210b is the UTF-16 source.
#pragma once

#include "host/IPMStream.h"
#include "host/IPMUnknown.h"

class ITxtImpFileReader : public IPMUnknown {
 public:
  enum : uint32 { kDefaultIID = 0x4210a };

  // Stores the stream (borrowed, not owned), measures and stores its length
  // in bytes, and returns it. The stream position does not change.
  virtual int32 Attach(IPMStream* stream) = 0;
  // Measures the stream's length without moving it.
  virtual int32 Length() = 0;
  // The next decoded character, or 0 at the end of the stream.
  virtual uint16 NextChar() = 0;
};

// The host's implementation ID under which the UTF-16 source is registered.
constexpr ImplementationID kUnicodeFileReaderImpl{0x4210b};
