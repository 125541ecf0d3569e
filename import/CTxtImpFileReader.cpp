#include "import/CTxtImpFileReader.h"

CTxtImpFileReader::CTxtImpFileReader(IPMUnknown* boss) : CPMUnknown<ITxtImpFileReader>(boss) {}

CTxtImpFileReader::~CTxtImpFileReader() = default;

int32 CTxtImpFileReader::Attach(IPMStream* stream) {
  stream_ = stream;
  streamLength_ = Length();
  return streamLength_;
}

int32 CTxtImpFileReader::Length() {
  if (!stream_) return 0;
  const int32 position = stream_->Seek(0, kSeekFromCurrent);
  const int32 length = stream_->Seek(0, kSeekFromEnd);
  stream_->Seek(position, kSeekFromStart);
  return length;
}
