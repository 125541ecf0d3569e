#include "import/MacCEFileReader.h"

#include "import/CentralEuropeanTables.h"

uint16 MacCEFileReader::NextChar() {
  IPMStream* stream = Stream();
  uchar byte = 0;
  if (!stream || stream->ReadBlock(&byte, 1) != 1) return 0;
  return kMacCentralEuropeanTable.Decode(byte);
}
