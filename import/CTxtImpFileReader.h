// CTxtImpFileReader: the common base of the plug-in's character sources. It
// holds the input stream it reads (borrowed from the host) and the stream's
// length; the subclasses decode the bytes into UTF-16 code units.
#pragma once

#include "host/CPMUnknown.h"
#include "host/IPMStream.h"
#include "host/ITxtImpFileReader.h"

class CTxtImpFileReader : public CPMUnknown<ITxtImpFileReader> {
 public:
  explicit CTxtImpFileReader(IPMUnknown* boss = nullptr);
  // Public and virtual: the scanner and the stream check own their sources
  // through std::unique_ptr, and the host's factory runs it in place.
  ~CTxtImpFileReader() override;

  CTxtImpFileReader(const CTxtImpFileReader&) = delete;
  CTxtImpFileReader& operator=(const CTxtImpFileReader&) = delete;

  // Stores the stream (not owned) and its length, and returns the length.
  // Attaching again replaces both; attaching null detaches and returns 0.
  int32 Attach(IPMStream* stream) override;
  // The attached stream's length in bytes, measured by seeking to its end and
  // back; 0 when nothing is attached. The position is unchanged.
  int32 Length() override;

  // The length measured when the stream was attached.
  int32 StreamLength() const { return streamLength_; }

 protected:
  IPMStream* Stream() const { return stream_; }

 private:
  IPMStream* stream_ = nullptr;
  int32 streamLength_ = 0;
};
