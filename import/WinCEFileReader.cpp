#include "import/WinCEFileReader.h"

#include "import/CentralEuropeanTables.h"

uint16 WinCEFileReader::NextChar() {
  IPMStream* stream = Stream();
  uchar byte = 0;
  if (!stream || stream->ReadBlock(&byte, 1) != 1) return 0;
  return kWindowsCentralEuropeanTable.Decode(byte);
}
