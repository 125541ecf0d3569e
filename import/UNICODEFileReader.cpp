#include "import/UNICODEFileReader.h"

uint16 UNICODEFileReader::NextChar() {
  IPMStream* stream = Stream();
  int16 unit = 0;  // left at 0 by a read that fails
  if (stream) stream->ReadInt16(unit);
  return static_cast<uint16>(unit);
}
